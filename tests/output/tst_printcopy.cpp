// The print copy of the year: its layout and refresh, the print-background
// option, printing it through the scaling dialog, and saving it as a picture.
#include "Metafile.h"
#include "Pictures.h"
#include "Printing.h"
#include "TestSupport.h"
#include "MainWindow.h"
#include "SettingsWindow.h"
#include "BackgroundWindow.h"
#include "PrintSheet.h"
#include "PrintScaleDialog.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

void start(const ProgramFolder &folder, bool printBackground)
{
    folder.write("regional.cal", {"TRUE", "FALSE", printBackground ? "TRUE" : "FALSE",
                                  printBackground ? "FALSE" : "TRUE"});
    startProgram(folder);
}

// Colour background and caption colour on the main window, through "Применить".
void useColours(StoredColour background, StoredColour caption)
{
    Form15->RadioButton2->setChecked(true);
    Form15->ColorBox1->setSelected(background);
    Form15->ColorBox2->setSelected(caption);
    Form15->Button4->click();
}

bool near(QRgb pixel, StoredColour colour, int tolerance = 40)
{
    const QColor c = toQColor(colour);
    return qAbs(qRed(pixel) - c.red()) <= tolerance &&
           qAbs(qGreen(pixel) - c.green()) <= tolerance &&
           qAbs(qBlue(pixel) - c.blue()) <= tolerance;
}

void printTo(const QString &path, QPageLayout::Orientation orientation)
{
    QPrinter &printer = Printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(orientation);
}

} // namespace

class PrintCopyTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void refreshedFromTheMainWindow();
    void printBackgroundOption_data();
    void printBackgroundOption();
    void printedPage_data();
    void printedPage();
    void cancelsAndFailures();
    void savingPictures_data();
    void savingPictures();
};

void PrintCopyTest::cleanup() { stopProgram(); }

void PrintCopyTest::refreshedFromTheMainWindow()
{
    RecordingDialogs dialogs;
    ProgramFolder folder;
    start(folder, false);
    QVERIFY(Form7->Image15->isHidden());
    QCOMPARE(Form7->Label14->font().pointSize(), 40);
    QVERIFY(Form7->Label14->font().bold() && Form7->Label14->font().italic());
    // A year change refreshes the copy, also while the scaling dialog is open.
    Form1->N8->trigger();
    QVERIFY(Form8->isVisible());
    Form1->Calendar5->setDateElement(MonthGrid::Element::Day, 9);
    const int year = Form1->Calendar1->dateElement(MonthGrid::Element::Year);
    Form1->BitBtn1Click();
    QCOMPARE(Form7->Label14->text(), QString::number(year + 1));
    QCOMPARE(Form7->calendars()[4]->date(), QDate(year + 1, 5, 9));
    QCOMPARE(Form7->monthLabels()[4]->text(), Form1->Label5->text());
    // The label grows with its text: nothing of the year is cut off.
    QVERIFY(Form7->Label14->width() >= Form7->Label14->sizeHint().width());
}

void PrintCopyTest::printBackgroundOption_data()
{
    QTest::addColumn<bool>("printBackground");
    QTest::addColumn<StoredColour>("page");
    QTest::addColumn<StoredColour>("names");
    QTest::newRow("not printed: white page, black names") << false << clWhite << clBlack;
    QTest::newRow("printed: the main window's colours") << true << clLime << clRed;
}

void PrintCopyTest::printBackgroundOption()
{
    QFETCH(bool, printBackground);
    QFETCH(StoredColour, page);
    QFETCH(StoredColour, names);
    RecordingDialogs dialogs;
    ProgramFolder folder;
    start(folder, printBackground);
    useColours(clLime, clRed);
    Form1->N8->trigger();
    const QImage image = renderClientArea(Form7);
    QVERIFY(near(image.pixel(300, 20), page, 0));
    QVERIFY(near(image.pixel(400, 550), page, 0));
    const QRect name = Form7->monthLabels()[0]->geometry();
    const QRect inked = pixelsWhere(image.copy(name), [&](QRgb p) { return near(p, names); });
    QVERIFY2(inked.width() > name.width() / 2, qPrintable(QString::number(inked.width())));
    // The year keeps the main window's colour either way.
    const QRect year = Form7->Label14->geometry();
    QVERIFY(!pixelsWhere(image.copy(year), [](QRgb p) { return near(p, 0x6A240A); }).isEmpty());
}

void PrintCopyTest::printedPage_data()
{
    QTest::addColumn<int>("option"); // 1..3: RadioButton1..3 of the scaling dialog
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("dpi"); // of the rasterised page
    QTest::newRow("none") << 1 << int(QPageLayout::Landscape) << 300;
    QTest::newRow("proportional") << 2 << int(QPageLayout::Landscape) << 40;
    QTest::newRow("fit, landscape") << 3 << int(QPageLayout::Landscape) << 40;
    QTest::newRow("fit, portrait") << 3 << int(QPageLayout::Portrait) << 40;
}

void PrintCopyTest::printedPage()
{
    QFETCH(int, option);
    QFETCH(int, orientation);
    QFETCH(int, dpi);
    RecordingDialogs dialogs;
    ProgramFolder folder;
    start(folder, true);
    useColours(clLime, clRed);
    const QString pdf = folder.path("page.pdf");
    printTo(pdf, QPageLayout::Orientation(orientation));

    Form1->N41->trigger(); // the tray's item leads to the same dialog
    QRadioButton *buttons[3] = {Form8->RadioButton1, Form8->RadioButton2, Form8->RadioButton3};
    buttons[option - 1]->setChecked(true);
    Form8->SpeedButton2->click();
    QVERIFY(Form8->isHidden());
    QCOMPARE(dialogs.printDialogs, 1);
    QVERIFY2(dialogs.all().isEmpty(), qPrintable(dialogs.all().join('|')));
    QCOMPARE(QApplication::overrideCursor(), nullptr);

    // The green of the copy's background marks where the image landed.
    const QImage page = rasterisePdf(pdf, dpi);
    QVERIFY(!page.isNull());
    QPrinter &printer = Printer();
    const QRect printable = printer.pageLayout().paintRectPixels(printer.resolution());
    const QSize dots = printScaleSize(Form7->PrintScale, Form7->size(), printable.size(),
                                      printer.logicalDpiX(), printer.logicalDpiY());
    const double k = double(dpi) / printer.resolution();
    const QRect expected(qRound(printable.left() * k), qRound(printable.top() * k),
                         qRound(dots.width() * k), qRound(dots.height() * k));
    const QRect green = pixelsWhere(page, [](QRgb p) { return near(p, clLime, 60); });
    QVERIFY(qAbs(green.left() - expected.left()) <= 2 && qAbs(green.top() - expected.top()) <= 2);
    QVERIFY2(qAbs(green.width() - expected.width()) <= 2 &&
                 qAbs(green.height() - expected.height()) <= 2,
             qPrintable(QStringLiteral("%1x%2").arg(green.width()).arg(green.height())));
    // The year is printed in its colour in the top-right corner of the image.
    const double s = double(expected.width()) / 793;
    const QRect year = Form7->Label14->geometry();
    const QRect printedYear(expected.topLeft() + year.topLeft() * s, year.size() * s);
    QVERIFY(!pixelsWhere(page.copy(printedYear), [](QRgb p) {
                 return near(p, 0x6A240A, 60);
             }).isEmpty());
}

void PrintCopyTest::cancelsAndFailures()
{
    RecordingDialogs dialogs;
    ProgramFolder folder;
    start(folder, false);
    const QString pdf = folder.path("never.pdf");
    printTo(pdf, QPageLayout::Landscape);

    Form1->N8->trigger();
    Form8->RadioButton1->setChecked(true);
    Form8->SpeedButton1->click(); // "Отмена"
    QVERIFY(Form8->isHidden());
    QCOMPARE(dialogs.printDialogs, 0);
    Form1->N8->trigger();
    QVERIFY(Form8->RadioButton1->isChecked()); // kept between openings

    dialogs.printAnswer = false; // the print dialog cancelled
    Form8->SpeedButton2->click();
    QVERIFY(Form8->isHidden());
    QCOMPARE(Form7->PrintScale, poNone);
    QVERIFY(!QFile::exists(pdf));

    // A printer that cannot be written to: reported, cursor back, nothing else.
    dialogs.printAnswer = true;
    printTo(folder.path("no/such/folder/x.pdf"), QPageLayout::Landscape);
    Form1->N8->trigger();
    Form8->SpeedButton2->click();
    QCOMPARE(dialogs.errors.size(), 1);
    QVERIFY2(dialogs.errors.at(0).contains("x.pdf"), qPrintable(dialogs.errors.at(0)));
    QCOMPARE(QApplication::overrideCursor(), nullptr);

    // Saving: cancelled writes nothing; a folder that is not there is reported.
    dialogs.fileAnswers = {"", "", folder.path("no/such/a.emf"), folder.path("no/such/b.jpg")};
    for (int i = 0; i < 4; ++i)
        (i % 2 ? Form1->bmpjpg1 : Form1->wmf1)->trigger();
    QCOMPARE(QDir(folder.path()).entryList({"*.emf", "*.bmp"}), QStringList());
    QCOMPARE(dialogs.errors.size(), 3);
    QVERIFY(dialogs.errors.at(1).contains("a.emf") && dialogs.errors.at(2).contains("b.jpg"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Hidden | QDir::Files).filter(".part"),
             QStringList());
}

void PrintCopyTest::savingPictures_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<bool>("exact"); // lossless format
    QTest::newRow("emf") << "wmf1"
                         << "year.emf"
                         << ""
                         << "emf" << true;
    QTest::newRow("wmf") << "wmf1"
                         << "year.WMF"
                         << ""
                         << "emf" << true;
    QTest::newRow("bmp") << "bmpjpg1"
                         << "year.bmp"
                         << "Сохранеие календаря"
                         << "bmp" << true;
    QTest::newRow("jpeg") << "bmpjpg1"
                          << "year.jpeg"
                          << "Сохранеие календаря"
                          << "bmp" << false;
}

void PrintCopyTest::savingPictures()
{
    QFETCH(QString, item);
    QFETCH(QString, name);
    QFETCH(QString, title);
    QFETCH(QString, suffix);
    QFETCH(bool, exact);
    RecordingDialogs dialogs;
    ProgramFolder folder;
    start(folder, false);
    folder.write(name, {"an older file of that name"});
    dialogs.fileAnswers.push_back(folder.path(name));
    Form1->BitBtn1Click(); // the next year is what gets saved
    Form1->findChild<QAction *>(item)->trigger();
    QVERIFY2(dialogs.all().isEmpty(), qPrintable(dialogs.all().join('|')));
    QCOMPARE(dialogs.titles, QStringList{title});
    QCOMPARE(dialogs.suffixes, QStringList{suffix});

    const QImage saved = loadPicture(folder.path(name)).convertToFormat(QImage::Format_RGB32);
    const QImage shown = renderClientArea(Form7);
    QCOMPARE(saved.size(), QSize(793, 553));
    QCOMPARE(Form7->Label14->text(), Form1->Labe->text());
    if (exact)
        QCOMPARE(saved, shown);
    else
        QVERIFY(near(saved.pixel(300, 20), clWhite, 8));
}

QTEST_MAIN(PrintCopyTest)
#include "tst_printcopy.moc"
