// The cube calendar template: its net drawn where the cuts and folds go,
// its filling from the main window and its printing on one fitted page.
#include "Printing.h"
#include "TestSupport.h"
#include "MainWindow.h"
#include "CubeSheet.h"
#include "SettingsWindow.h"
#include "BackgroundWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

class CubeTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void renderedNet();
    void fillAndPrint();
    void printBackgroundOptionReachesOnlyTheLabels();

private:
    std::unique_ptr<RecordingDialogs> m_dialogs;
    std::unique_ptr<ProgramFolder> m_folder;
};

void CubeTest::init()
{
    m_dialogs = std::make_unique<RecordingDialogs>();
    m_folder = std::make_unique<ProgramFolder>();
    m_folder->write("regional.cal", {"TRUE", "FALSE", "FALSE", "TRUE"});
    startProgram(*m_folder);
}

void CubeTest::cleanup()
{
    stopProgram();
    m_folder.reset();
    m_dialogs.reset();
}

void CubeTest::renderedNet()
{
    const QImage image = renderClientArea(Form11);
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
    for (int n = 1; n <= 6; ++n)
        QVERIFY(Form11->checkBox(n)->isChecked() && Form11->checkBox(n)->text().isEmpty());
    // Every glue mark and the instruction are ink on the page.
    for (int n : {1, 2, 3, 4, 17, 18, 19, 20})
        QVERIFY(!pixelsWhere(image.copy(Form11->label(n)->geometry()), [](QRgb p) {
                     return qGray(p) < 80;
                 }).isEmpty());
    // January's name fits its 38-pixel box; the instruction ends before the
    // cut mark beside it.
    QLabel *january = Form11->label(5);
    QVERIFY(january->fontMetrics().horizontalAdvance(january->text()) <= january->width());
    const QFontMetrics metrics = Form11->Label20->fontMetrics();
    const QStringList lines = Form11->Label20->text().split('\n');
    QCOMPARE(lines.size(), 6);
    const QRect mark = Form11->checkBox(4)->geometry();
    for (int i = 0; i < 6; ++i) {
        const int top = Form11->Label20->y() + i * metrics.lineSpacing();
        if (top < mark.bottom() && top + metrics.height() > mark.top())
            QVERIFY(Form11->Label20->x() + metrics.horizontalAdvance(lines.at(i)) <= mark.left());
    }
}

void CubeTest::fillAndPrint()
{
    Form1->BitBtn1Click();
    Form1->Calendar12->setDateElement(MonthGrid::Element::Day, 24);
    const QString pdf = m_folder->path("cube.pdf");
    QPrinter &printer = Printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    // The printer set-up cancelled: nothing printed, the template refilled all the same.
    m_dialogs->printAnswer = false;
    Form1->N14->trigger();
    QCOMPARE(m_dialogs->printDialogs, 1);
    QVERIFY(!QFile::exists(pdf));
    QCOMPARE(Form11->calendars()[11]->date(), Form1->Calendar12->date());

    m_dialogs->printAnswer = true;
    Form1->N42->trigger(); // from the tray
    QVERIFY2(m_dialogs->all().isEmpty(), qPrintable(m_dialogs->all().join('|')));
    QCOMPARE(QApplication::overrideCursor(), nullptr);
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

void CubeTest::printBackgroundOptionReachesOnlyTheLabels()
{
    Form15->RadioButton2->setChecked(true);
    Form15->ColorBox1->setSelected(clYellow);
    Form15->ColorBox2->setSelected(clRed);
    Form14->RadioButton3->click();
    Form15->Button2->click(); // OK carries the colours over
    for (int n = 1; n <= 20; ++n)
        QCOMPARE(fontColour(Form11->label(n)), n <= 12 ? clRed : clBlack);
    QCOMPARE(windowColour(Form11), clWhite);

    Form14->RadioButton4->click();
    QVERIFY(Form11->Image13->isHidden());
    QCOMPARE(fontColour(Form11->label(5)), clBlack);
    Form14->RadioButton3->click();
    QVERIFY(Form11->Image13->isHidden()); // stays hidden for the rest of the run
}

QTEST_MAIN(CubeTest)
#include "tst_cube.moc"
