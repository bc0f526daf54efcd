// The settings window's creation: pages, the holiday list filling and the
// week-start and print-background options from "regional.cal".
#include "TestSupport.h"
#include "MainWindow.h"
#include "CubeSheet.h"
#include "SettingsWindow.h"
#include "PrintSheet.h"

#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

class SettingsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void pagesInTabOrder();
    void regional_data();
    void regional();
    void missingRegionalFile();
    void weekStartFromThePage();
    void holidayListFilledFromProfile_data();
    void holidayListFilledFromProfile();
};

void SettingsWindowTest::cleanup() { stopProgram(); }

void SettingsWindowTest::pagesInTabOrder()
{
    RecordingDialogs dialogs;
    ProgramFolder folder;
    startProgram(folder);
    QTabWidget *pages = Form14->PageControl1;
    const QStringList captions = {"Прозрачность", "Фон и подписи", "Профили", "Праздники",
                                  "Настройки вида календаря", "Настройки фона при распечатке"};
    QCOMPARE(pages->count(), 6);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(pages->tabText(i), captions.at(i));
    QCOMPARE(pages->widget(2), Form14->TabSheet7);
    QCOMPARE(pages->currentWidget(), Form14->TabSheet4); // the last page first
    QCOMPARE(Form14->windowTitle(), QStringLiteral("Настройки"));
    QVERIFY(Form14->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(Form14->size(), QSize(676, 407));
    // The six captions are all readable side by side.
    QTabBar *bar = pages->tabBar();
    QVERIFY2(bar->tabRect(5).right() <= pages->width(),
             qPrintable(QString::number(bar->tabRect(5).right())));
}

void SettingsWindowTest::regional_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("startOfWeek");   // on the main grids and the copies
    QTest::addColumn<bool>("printBackground"); // "Выводить при печати" selected
    QTest::addColumn<bool>("copyRan");         // the print copy took the main window's colour
    QTest::addColumn<QStringList>("written");
    QTest::newRow("Sunday, no background")
        << QStringList{"FALSE", "TRUE", "FALSE", "TRUE"} << 0 << false << false
        << QStringList{"FALSE", "TRUE", "FALSE", "TRUE"};
    QTest::newRow("Monday, with background")
        << QStringList{"TRUE", "FALSE", "TRUE", "FALSE"} << 1 << true << true
        << QStringList{"TRUE", "FALSE", "TRUE", "FALSE"};
    QTest::newRow("both true: the later lines win")
        << QStringList{"TRUE", "TRUE", "TRUE", "TRUE"} << 0 << false << true
        << QStringList{"FALSE", "TRUE", "FALSE", "TRUE"};
    QTest::newRow("small letters select nothing")
        << QStringList{"true", "false", "true", "false"} << 1 << false << false
        << QStringList{"FALSE", "FALSE", "FALSE", "FALSE"};
    QTest::newRow("short file") << QStringList{"FALSE", "TRUE"} << 0 << false << false
                                << QStringList{"FALSE", "TRUE", "FALSE", "FALSE"};
}

void SettingsWindowTest::regional()
{
    QFETCH(QStringList, lines);
    QFETCH(int, startOfWeek);
    QFETCH(bool, printBackground);
    QFETCH(bool, copyRan);
    QFETCH(QStringList, written);
    RecordingDialogs dialogs;
    ProgramFolder folder;
    folder.write("regional.cal", lines);
    startProgram(folder);
    QVERIFY2(dialogs.all().isEmpty(), qPrintable(dialogs.all().join('|')));
    for (int k = 0; k < 12; ++k) {
        QCOMPARE(Form1->calendars()[k]->startOfWeek(), startOfWeek);
        QCOMPARE(Form7->calendars()[k]->startOfWeek(), startOfWeek);
        QCOMPARE(Form11->calendars()[k]->startOfWeek(), startOfWeek);
    }
    QCOMPARE(Form14->RadioButton3->isChecked(), printBackground);
    // The copying of "Выводить при печати" gives the print copy the main window's colour;
    // a later "НЕ выводить" line makes it white again.
    if (copyRan && !Form14->RadioButton4->isChecked())
        QCOMPARE(windowColour(Form7), windowColour(Form1->Client));
    if (copyRan && Form14->RadioButton4->isChecked())
        QCOMPARE(windowColour(Form7), clWhite);
    if (copyRan)
        QCOMPARE(Form7->Label14->font().pixelSize(), Form1->Labe->font().pixelSize());
    Form1->FormClose();
    QCOMPARE(folder.read("regional.cal"), written);
}

void SettingsWindowTest::missingRegionalFile()
{
    RecordingDialogs dialogs;
    ProgramFolder folder;
    startProgram(folder);
    QCOMPARE(dialogs.messages,
             QStringList{"Файл \"regional.cal\" не найден. Будут загружены стандартные установки"});
    QVERIFY(Form14->RadioButton1->isChecked());
    QVERIFY(Form14->RadioButton4->isChecked());
    QCOMPARE(Form1->Calendar1->startOfWeek(), 1);
    Form1->FormClose();
    QCOMPARE(folder.read("regional.cal"), (QStringList{"TRUE", "FALSE", "FALSE", "TRUE"}));
}

void SettingsWindowTest::weekStartFromThePage()
{
    RecordingDialogs dialogs;
    ProgramFolder folder;
    folder.write("regional.cal", {"TRUE", "FALSE", "FALSE", "TRUE"});
    startProgram(folder);
    Form14->RadioButton2->click();
    QVERIFY(!Form14->RadioButton1->isChecked());
    for (MonthGrid *grid : Form1->calendars())
        QCOMPARE(grid->startOfWeek(), 0);
    QCOMPARE(Form11->calendars()[5]->startOfWeek(), 0);
    Form14->RadioButton1->click();
    for (MonthGrid *grid : Form7->calendars())
        QCOMPARE(grid->startOfWeek(), 1);
    Form14->RadioButton3->click();
    QVERIFY(!Form14->RadioButton4->isChecked());
    QCOMPARE(windowColour(Form7), windowColour(Form1->Client));
    Form14->RadioButton4->click();
    QCOMPARE(windowColour(Form7), clWhite);
    QCOMPARE(fontColour(Form7->monthLabels()[0]), clBlack);
    QVERIFY(Form11->Image13->isHidden());
}

void SettingsWindowTest::holidayListFilledFromProfile_data()
{
    QTest::addColumn<QStringList>("tail");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("none") << QStringList{"0", "stray"} << QStringList{};
    QTest::newRow("three in file order")
        << QStringList{"3", "b", "a", "c"} << QStringList{"b", "a", "c"};
    QTest::newRow("count not a number")
        << QStringList{"x", "b", "a"} << QStringList{"b", "a"};
}

void SettingsWindowTest::holidayListFilledFromProfile()
{
    QFETCH(QStringList, tail);
    QFETCH(QStringList, entries);
    RecordingDialogs dialogs;
    ProgramFolder folder;
    folder.write("p.cpr", QStringList(12, "2") + tail);
    folder.write("cnfg.cal", QStringList(20, "1") + QStringList{folder.path("p.cpr")});
    folder.write("regional.cal", {"TRUE", "FALSE", "FALSE", "TRUE"});
    startProgram(folder);
    QCOMPARE(Form14->holidayEntries(), entries);
}

QTEST_MAIN(SettingsWindowTest)
#include "tst_settingswindow.moc"
