// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// The cube calendar template: its net drawn where the cuts and folds go,
// its filling from the model and its printing on one fitted page.
#include "controls/MonthGrid.h"
#include "core/CalendarModel.h"
#include "output/CubeSheet.h"
#include "output/Printing.h"
#include "output/YearOutput.h"
#include "platform/Widgets.h"
#include "tests/support/TestSupport.h"

#include <QCheckBox>
#include <QLabel>
#include <QPrinter>
#include <QtTest>

class CubeTest : public QObject {
    Q_OBJECT
private slots:
    void renderedNet();
    void filledAndPrinted();
    void printBackgroundReachesOnlyTheLabels_data();
    void printBackgroundReachesOnlyTheLabels();
};

void CubeTest::renderedNet()
{
    CalendarModel model;
    CubeSheet sheet(model);
    const QImage image = renderClientArea(&sheet);
    QCOMPARE(image.size(), QSize(874, 866)); // sized to its content
    // Raised frames have their shadow line one pixel further in.
    auto line = [&](int x, int y) {
        return qGray(image.pixel(x, y)) < 200 || qGray(image.pixel(x + 1, y + 1)) < 200;
    };
    // Cell borders on the 192-pixel grid, the tab, and the marks off the net.
    for (QPoint p :
         {QPoint(56, 140), QPoint(150, 48), QPoint(248, 180), QPoint(632, 100), QPoint(700, 624),
          QPoint(872, 300), QPoint(300, 0), QPoint(0, 236), QPoint(300, 816)})
        QVERIFY2(line(p.x(), p.y()), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    QVERIFY(!line(150, 100)); // inside a flap
    for (QCheckBox *mark : sheet.cutMarks())
        QVERIFY(mark->isChecked() && mark->text().isEmpty());
    // Every glue mark and the instruction are ink on the page.
    QList<QLabel *> inked(sheet.glueLabels().begin(), sheet.glueLabels().end());
    inked << sheet.instructionLabel();
    for (QLabel *label : inked)
        QVERIFY(!pixelsWhere(image.copy(label->geometry()), [](QRgb p) {
                     return qGray(p) < 80;
                 }).isEmpty());
    // January's name fits its 38-pixel box; the instruction ends before the
    // cut mark beside it.
    QLabel *january = sheet.monthLabels()[0];
    QVERIFY(january->fontMetrics().horizontalAdvance(january->text()) <= january->width());
    QLabel *instruction = sheet.instructionLabel();
    const QFontMetrics metrics = instruction->fontMetrics();
    const QStringList lines = instruction->text().split('\n');
    QCOMPARE(lines.size(), 6);
    const QRect mark = sheet.cutMarks()[3]->geometry();
    for (int i = 0; i < 6; ++i) {
        const int top = instruction->y() + i * metrics.lineSpacing();
        if (top < mark.bottom() && top + metrics.height() > mark.top())
            QVERIFY(instruction->x() + metrics.horizontalAdvance(lines.at(i)) <= mark.left());
    }
}

void CubeTest::filledAndPrinted()
{
    ProgramFolder folder;
    CalendarModel model;
    model.setYear(2031);
    model.setDay(12, 24);
    model.setRegional({Qt::Sunday, false}); // weeks from Sunday
    CubeSheet sheet(model);
    QCOMPARE(sheet.grids()[11]->date(), QDate(2031, 12, 24));
    QCOMPARE(sheet.grids()[0]->startOfWeek(), Qt::Sunday);

    const QString pdf = folder.path("cube.pdf");
    ProgramPrinter programPrinter;
    QPrinter &printer = programPrinter.get();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printCubeSheet(model, printer);
    // On portrait A4 the template fills the printable width.
    const int dpi = 150;
    const QImage page = rasterisePdf(pdf, dpi);
    QVERIFY(!page.isNull());
    const QRect printable = printer.pageLayout().paintRectPixels(printer.resolution());
    const double k = double(dpi) / printer.resolution();
    const QRect ink = pixelsWhere(page, [](QRgb p) { return qGray(p) < 245; });
    QVERIFY(qAbs(ink.left() - printable.left() * k) <= 2);
    QVERIFY(qAbs(ink.right() - printable.right() * k) <= 2);
    // The lowest frame line, 865 pixels down, where the fitted width puts it.
    QVERIFY(qAbs(ink.bottom() - (printable.top() + printable.width() * 865.0 / 874) * k) <= 2);
}

void CubeTest::printBackgroundReachesOnlyTheLabels_data()
{
    QTest::addColumn<bool>("printBackground");
    QTest::addColumn<bool>("colourMode");
    QTest::newRow("not printed") << false << false;
    QTest::newRow("printed, colour") << true << true;
    QTest::newRow("printed, picture") << true << false;
}

void CubeTest::printBackgroundReachesOnlyTheLabels()
{
    QFETCH(bool, printBackground);
    QFETCH(bool, colourMode);
    CalendarModel model;
    model.setRegional({Qt::Monday, printBackground});
    Background background;
    background.colourMode = colourMode;
    background.colour = colours::yellow;
    background.captionColour = colours::red;
    background.picture = QImage(20, 10, QImage::Format_RGB32);
    model.setBackground(background);
    CubeSheet sheet(model);
    // The first four glue marks and January to August take the caption colour.
    const QColor caption = printBackground ? colours::red : colours::black;
    for (int k = 0; k < 12; ++k)
        QCOMPARE(fontColour(sheet.monthLabels()[k]), k < 8 ? caption : colours::black);
    for (int k = 0; k < 7; ++k)
        QCOMPARE(fontColour(sheet.glueLabels()[k]), k < 4 ? caption : colours::black);
    QCOMPARE(fontColour(sheet.instructionLabel()), colours::black);
    QCOMPARE(windowColour(&sheet), colours::white);
    QCOMPARE(sheet.backgroundImage()->isHidden(), !printBackground || colourMode);
}

QTEST_MAIN(CubeTest)
#include "tst_cube.moc"
