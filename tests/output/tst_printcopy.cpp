// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// The year sheet: built from the model, the print-background option,
// printing it through the scaling dialog, and saving it as a picture.
#include "base/Metafile.h"
#include "base/Pictures.h"
#include "controls/MonthGrid.h"
#include "core/CalendarModel.h"
#include "output/PrintScaleDialog.h"
#include "output/PrintSheet.h"
#include "output/Printing.h"
#include "output/YearOutput.h"
#include "platform/Handler.h"
#include "platform/Widgets.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

// The option, and the backgrounds "Применить" put on the main window: the
// colour, then the picture if any, chosen with another colour in the box.
void useBackground(CalendarModel &model, bool printBackground, const QColor &colour,
                   const QColor &caption, const QImage &picture = {})
{
    model.setRegional({Qt::Monday, printBackground});
    Background background;
    background.colour = colour;
    background.captionColour = caption;
    model.setBackground(background);
    if (picture.isNull())
        return;
    background.colourMode = false;
    background.picture = picture;
    background.colour = colours::yellow;
    model.setBackground(background);
}

bool near(QRgb pixel, const QColor &colour, int tolerance = 40)
{
    return qAbs(qRed(pixel) - colour.red()) <= tolerance &&
           qAbs(qGreen(pixel) - colour.green()) <= tolerance &&
           qAbs(qBlue(pixel) - colour.blue()) <= tolerance;
}

void printTo(QPrinter &printer, const QString &path, QPageLayout::Orientation orientation)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(orientation);
}

template <typename T> T *child(const QWidget &window, const char *name)
{
    return window.findChild<T *>(QString::fromLatin1(name));
}

} // namespace

class PrintCopyTest : public QObject {
    Q_OBJECT
private slots:
    void builtFromTheModel();
    void printBackgroundOption_data();
    void printBackgroundOption();
    void printedPage_data();
    void printedPage();
    void cancelsAndFailures();
    void scalingByKeys();
    void savingPictures_data();
    void savingPictures();
};

void PrintCopyTest::builtFromTheModel()
{
    CalendarModel model;
    model.setYear(2031);
    model.setDay(5, 9);
    model.setRegional({Qt::Sunday, false}); // weeks from Sunday
    PrintSheet sheet(model);
    QVERIFY(sheet.backgroundImage()->isHidden());
    QCOMPARE(sheet.yearLabel()->text(), QStringLiteral("2031"));
    QCOMPARE(sheet.yearLabel()->font().pointSize(), 40);
    QVERIFY(sheet.yearLabel()->font().bold() && sheet.yearLabel()->font().italic());
    QCOMPARE(sheet.grids()[4]->date(), QDate(2031, 5, 9));
    QCOMPARE(sheet.grids()[11]->startOfWeek(), Qt::Sunday);
    QCOMPARE(sheet.monthLabels()[4]->text(), QStringLiteral("Май"));
    // The label grows with its text: nothing of the year is cut off.
    QVERIFY(sheet.yearLabel()->width() >= sheet.yearLabel()->sizeHint().width());
}

void PrintCopyTest::printBackgroundOption_data()
{
    QTest::addColumn<bool>("printBackground");
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<QColor>("page");
    QTest::addColumn<QColor>("names");
    QImage blue(20, 10, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    QImage clear(20, 10, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    QTest::newRow("not printed: white page, black names")
        << false << QImage() << colours::white << colours::black;
    QTest::newRow("printed: the main window's colours")
        << true << QImage() << colours::lime << colours::red;
    QTest::newRow("printed: the main window's picture")
        << true << blue << colours::blue << colours::red;
    QTest::newRow("printed: the last colour behind a clear picture")
        << true << clear << colours::lime << colours::red;
    QTest::newRow("picture not printed") << false << blue << colours::white << colours::black;
}

void PrintCopyTest::printBackgroundOption()
{
    QFETCH(bool, printBackground);
    QFETCH(QImage, picture);
    QFETCH(QColor, page);
    QFETCH(QColor, names);
    CalendarModel model;
    useBackground(model, printBackground, colours::lime, colours::red, picture);
    const QImage image = renderYearSheet(model);
    QCOMPARE(image.size(), QSize(793, 553));
    QVERIFY(near(image.pixel(300, 20), page, 0));
    QVERIFY(near(image.pixel(400, 550), page, 0));
    PrintSheet sheet(model);
    const QRect name = sheet.monthLabels()[0]->geometry();
    const QRect inked = pixelsWhere(image.copy(name), [&](QRgb p) { return near(p, names); });
    QVERIFY2(inked.width() > name.width() / 2, qPrintable(QString::number(inked.width())));
    // The year keeps its own colour either way.
    const QRect year = sheet.yearLabel()->geometry();
    QVERIFY(!pixelsWhere(image.copy(year), [](QRgb p) { return near(p, kYearColour); }).isEmpty());
}

void PrintCopyTest::printedPage_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("scaling");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("dpi"); // of the rasterised page
    QTest::newRow("none") << "noScalingOption" << int(PrintScaling::None)
                          << int(QPageLayout::Landscape) << 300;
    QTest::newRow("proportional") << "proportionalOption" << int(PrintScaling::Proportional)
                                  << int(QPageLayout::Landscape) << 40;
    QTest::newRow("fit, landscape")
        << "fitToPageOption" << int(PrintScaling::FitToPage) << int(QPageLayout::Landscape) << 40;
    QTest::newRow("fit, portrait")
        << "fitToPageOption" << int(PrintScaling::FitToPage) << int(QPageLayout::Portrait) << 40;
}

void PrintCopyTest::printedPage()
{
    QFETCH(QString, option);
    QFETCH(int, scaling);
    QFETCH(int, orientation);
    QFETCH(int, dpi);
    RecordingDialogs dialogs;
    ProgramFolder folder;
    CalendarModel model;
    useBackground(model, true, colours::lime, colours::red);
    const QString pdf = folder.path("page.pdf");
    ProgramPrinter programPrinter;
    QPrinter &printer = programPrinter.get();
    printTo(printer, pdf, QPageLayout::Orientation(orientation));

    PrintScaleDialog dialog(model, printer, dialogs);
    dialog.show();
    dialog.findChild<QRadioButton *>(option)->setChecked(true);
    QCOMPARE(int(dialog.chosenScaling()), scaling);
    child<QPushButton>(dialog, "printButton")->click();
    QVERIFY(dialog.isHidden());
    QCOMPARE(dialogs.printDialogs, 1);
    QVERIFY2(dialogs.all().isEmpty(), qPrintable(dialogs.all().join('|')));
    QCOMPARE(QApplication::overrideCursor(), nullptr);

    // The green of the sheet's background marks where the image landed.
    const QImage page = rasterisePdf(pdf, dpi);
    QVERIFY(!page.isNull());
    const QRect printable = printer.pageLayout().paintRectPixels(printer.resolution());
    const QSize dots = printScaleSize(PrintScaling(scaling), QSize(793, 553), printable.size(),
                                      printer.logicalDpiX(), printer.logicalDpiY());
    const double k = double(dpi) / printer.resolution();
    const QRect expected(qRound(printable.left() * k), qRound(printable.top() * k),
                         qRound(dots.width() * k), qRound(dots.height() * k));
    const QRect green = pixelsWhere(page, [](QRgb p) { return near(p, colours::lime, 60); });
    QVERIFY(qAbs(green.left() - expected.left()) <= 2 && qAbs(green.top() - expected.top()) <= 2);
    QVERIFY2(qAbs(green.width() - expected.width()) <= 2 &&
                 qAbs(green.height() - expected.height()) <= 2,
             qPrintable(QStringLiteral("%1x%2").arg(green.width()).arg(green.height())));
    // The year is printed in its colour in the top-right corner of the image.
    const double s = double(expected.width()) / 793;
    const QRect year = PrintSheet(model).yearLabel()->geometry();
    const QRect printedYear(expected.topLeft() + year.topLeft() * s, year.size() * s);
    QVERIFY(!pixelsWhere(page.copy(printedYear), [](QRgb p) {
                 return near(p, kYearColour, 60);
             }).isEmpty());
}

void PrintCopyTest::cancelsAndFailures()
{
    RecordingDialogs dialogs;
    ProgramFolder folder;
    CalendarModel model;
    const QString pdf = folder.path("never.pdf");
    ProgramPrinter printer;
    printTo(printer.get(), pdf, QPageLayout::Landscape);

    PrintScaleDialog dialog(model, printer.get(), dialogs);
    dialog.show();
    child<QRadioButton>(dialog, "noScalingOption")->setChecked(true);
    child<QPushButton>(dialog, "cancelButton")->click();
    QVERIFY(dialog.isHidden());
    QCOMPARE(dialogs.printDialogs, 0);

    dialogs.printAnswer = false; // the print dialog cancelled
    dialog.show();
    child<QPushButton>(dialog, "printButton")->click();
    QVERIFY(dialog.isHidden());
    QCOMPARE(dialog.chosenScaling(), PrintScaling::None); // kept for the next time
    QVERIFY(!QFile::exists(pdf));

    // A printer that cannot be written to: reported, cursor back, nothing else.
    dialogs.printAnswer = true;
    printTo(printer.get(), folder.path("no/such/folder/x.pdf"), QPageLayout::Landscape);
    dialog.show();
    child<QPushButton>(dialog, "printButton")->click();
    QCOMPARE(dialogs.errors.size(), 1);
    QVERIFY2(dialogs.errors.at(0).contains("x.pdf"), qPrintable(dialogs.errors.at(0)));
    QCOMPARE(QApplication::overrideCursor(), nullptr);

    // Saving into a folder that is not there is reported and leaves nothing.
    runHandler(dialogs,
               [&] { writeMetafile(renderYearSheet(model), folder.path("no/such/a.emf")); });
    runHandler(dialogs, [&] { savePicture(renderYearSheet(model), folder.path("no/such/b.jpg")); });
    QCOMPARE(dialogs.errors.size(), 3);
    QVERIFY(dialogs.errors.at(1).contains("a.emf") && dialogs.errors.at(2).contains("b.jpg"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Hidden | QDir::Files), QStringList());
}

void PrintCopyTest::savingPictures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("metafile");
    QTest::addColumn<bool>("exact"); // lossless format
    QTest::newRow("emf") << "year.emf" << true << true;
    QTest::newRow("wmf") << "year.WMF" << true << true;
    QTest::newRow("bmp") << "year.bmp" << false << true;
    QTest::newRow("jpeg") << "year.jpeg" << false << false;
}

void PrintCopyTest::savingPictures()
{
    QFETCH(QString, name);
    QFETCH(bool, metafile);
    QFETCH(bool, exact);
    ProgramFolder folder;
    CalendarModel model;
    model.setYear(model.year() + 1);
    folder.write(name, {"an older file of that name"});
    const QImage sheet = renderYearSheet(model);
    if (metafile)
        writeMetafile(sheet, folder.path(name));
    else
        savePicture(sheet, folder.path(name));

    const QImage saved = loadPicture(folder.path(name)).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(saved.size(), QSize(793, 553));
    if (exact)
        QCOMPARE(saved, sheet);
    else
        QVERIFY(near(saved.pixel(300, 20), colours::white, 8));
}

void PrintCopyTest::scalingByKeys()
{
    RecordingDialogs dialogs;
    CalendarModel model;
    ProgramPrinter printer;
    PrintScaleDialog dialog(model, printer.get(), dialogs);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    // The keyboard starts on the checked option; Tab passes the unchecked
    // ones and reaches both buttons; arrows still choose among the options.
    const auto focused = [] { return QApplication::focusWidget()->objectName(); };
    QCOMPARE(focused(), QStringLiteral("fitToPageOption"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QCOMPARE(dialog.chosenScaling(), PrintScaling::Proportional);
    QStringList order;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << focused();
    }
    QCOMPARE(order, (QStringList{"printButton", "cancelButton", "proportionalOption"}));
    // Enter presses the button that has the keyboard.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(dialog.isHidden());
    QCOMPARE(dialogs.printDialogs, 0);
}

QTEST_MAIN(PrintCopyTest)
#include "tst_printcopy.moc"
