// The main window as the program creates it: start-up load, year view,
// close-time save.
#include "TestSupport.h"
#include "MainWindow.h"
#include "SettingsWindow.h"
#include "BackgroundWindow.h"

#include <QAction>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

QStringList settingsFile(const QString &profilePath)
{
    return {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "2005", "0", "1", "",
            "65535", "True", "TRUE", "128", profilePath};
}

const QStringList kRegional = {"TRUE", "FALSE", "FALSE", "TRUE"};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void firstStart();
    void savedStateComesBackAndIsWrittenUnchanged();
    void missingProfileIsReportedAndKept();
    void yearEntryFilter();
    void yearNavigation_data();
    void yearNavigation();
    void stepping();
    void timeLineAndToday();
    void failedSaveKeepsProgramOpen();
};

void MainWindowTest::cleanup() { stopProgram(); }

void MainWindowTest::firstStart()
{
    RecordingDialogs dialogs;
    ProgramFolder folder;
    folder.write("regional.cal", kRegional);
    startProgram(folder);
    QVERIFY2(dialogs.all().isEmpty(), qPrintable(dialogs.all().join('|')));
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Календарь"));
    const int year = QDate::currentDate().year();
    for (int k = 0; k < 12; ++k)
        QCOMPARE(Form1->calendars()[k]->date(), QDate(year, k + 1, 1));
    QVERIFY(Form1->N15->isChecked());
    QVERIFY(Form1->SplashScreen1->isChecked());
    QVERIFY(Form15->RadioButton2->isChecked());
    QCOMPARE(windowColour(Form1->Client), clSkyBlue);
    QCOMPARE(Form14->Edit3->text(), folder.path("default.cpr"));

    // What the user selects on the first run is kept at the first close.
    Form1->Calendar3->setDateElement(MonthGrid::Element::Day, 17);
    Form14->ListBox1->addItem(QStringLiteral("8 марта  Праздник"));
    Form1->FormClose();
    QCOMPARE(folder.read("default.cpr"),
             (QStringList{"1", "1", "17", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1",
                          "8 марта  Праздник"}));
    const QStringList cnfg = folder.read("cnfg.cal");
    QCOMPARE(cnfg.size(), 21);
    QCOMPARE(cnfg.mid(13), (QStringList{"1", "1", "", "15780518", "True", "TRUE", "0",
                                        folder.path("default.cpr")}));
}

void MainWindowTest::savedStateComesBackAndIsWrittenUnchanged()
{
    RecordingDialogs dialogs;
    ProgramFolder folder;
    const QString profile = folder.path("Работа.cpr");
    folder.write("Работа.cpr", {"31", "29", "3", "31", "5", "6", "7", "8", "9", "10", "11",
                                "12", "2", "1 января 2006г. Новый год", "23 февраля  Праздник"});
    folder.write("cnfg.cal", settingsFile(profile));
    folder.write("regional.cal", kRegional);
    const QByteArray regionalBytes = folder.bytes("regional.cal");
    startProgram(folder);
    QVERIFY2(dialogs.all().isEmpty(), qPrintable(dialogs.all().join('|')));

    QCOMPARE(Form1->windowTitle(), QStringLiteral("Календарь < Работа.cpr >"));
    const int year = QDate::currentDate().year();
    QCOMPARE(Form1->Labe->text(), QString::number(year)); // not the saved 2005
    QCOMPARE(Form1->Edit1->text(), QString::number(year));
    QCOMPARE(Form1->Calendar1->date(), QDate(year, 1, 31));
    QCOMPARE(Form1->Calendar2->dateElement(MonthGrid::Element::Day), QDate::isLeapYear(year) ? 29 : 28);
    QCOMPARE(Form1->Calendar4->dateElement(MonthGrid::Element::Day), 30); // April has no 31st
    QCOMPARE(Form1->Calendar12->date(), QDate(year, 12, 12));
    QVERIFY(!Form1->N15->isChecked());
    QVERIFY(Form1->SplashScreen1->isChecked());
    QVERIFY(Form1->Image16->isHidden());
    QCOMPARE(windowColour(Form1->Client), clYellow);
    QCOMPARE(fontColour(Form1->Label1), clMaroon);
    QCOMPARE(Form14->Edit3->text(), profile);
    QCOMPARE(Form14->holidayEntries(),
             (QStringList{"1 января 2006г. Новый год", "23 февраля  Праздник"}));

    Form1->Calendar1->setDateElement(MonthGrid::Element::Day, 15);
    Form1->FormClose();
    QCOMPARE(folder.read("Работа.cpr").mid(0, 4), (QStringList{"15", "28", "3", "30"}));
    QCOMPARE(folder.read("Работа.cpr").mid(12),
             (QStringList{"2", "1 января 2006г. Новый год", "23 февраля  Праздник"}));
    QStringList expected = settingsFile(profile);
    for (int k = 0; k < 12; ++k)
        expected[k] = QString::number(Form1->calendars()[k]->dateElement(MonthGrid::Element::Day));
    expected[12] = QString::number(year);
    QCOMPARE(folder.read("cnfg.cal"), expected);
    QCOMPARE(folder.bytes("regional.cal"), regionalBytes);
}

void MainWindowTest::missingProfileIsReportedAndKept()
{
    RecordingDialogs dialogs;
    ProgramFolder folder;
    const QString profile = folder.path("Пропал.cpr");
    folder.write("cnfg.cal", settingsFile(profile));
    folder.write("regional.cal", kRegional);
    startProgram(folder);
    QCOMPARE(dialogs.messages.size(), 1);
    QVERIFY(dialogs.messages.at(0).contains(profile));
    QCOMPARE(Form1->Calendar5->dateElement(MonthGrid::Element::Day), 1);
    QCOMPARE(Form14->ListBox1->count(), 0);
    QCOMPARE(Form14->Edit3->text(), profile);
    Form1->FormClose();
    QCOMPARE(folder.read("Пропал.cpr"), QStringList(12, "1") + QStringList{"0"});
}

void MainWindowTest::yearEntryFilter()
{
    RecordingDialogs dialogs;
    ProgramFolder folder;
    folder.write("regional.cal", kRegional);
    startProgram(folder);
    QLineEdit *edit = Form1->Edit1;
    edit->clear();
    typeText(edit, QStringLiteral("2a0-5 Жё."));
    QCOMPARE(edit->text(), QStringLiteral("205"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), QStringLiteral("20"));
    typeText(edit, QStringLiteral("0999"));
    QCOMPARE(edit->text(), QStringLiteral("2009")); // four characters at most
    // Enter reaches "Перейти".
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(Form1->Calendar7->dateElement(MonthGrid::Element::Year), 2009);
    // ... once: an empty field gives a single message.
    edit->clear();
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(dialogs.messages, QStringList{QStringLiteral("Введите число от 1 до 9999")});
    // A focused button takes Enter itself.
    QTest::keyClick(Form1->Bitbtn1, Qt::Key_Return);
    QCOMPARE(Form1->Calendar7->dateElement(MonthGrid::Element::Year), 2010);
    QCOMPARE(dialogs.messages.size(), 1);
}

void MainWindowTest::yearNavigation_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("year");      // year shown afterwards; 0: unchanged
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("messages");
    QTest::addColumn<int>("errors");
    QTest::newRow("2008") << "2008" << 2008 << "2008" << 0 << 0;
    QTest::newRow("leading zero") << "0205" << 205 << "205" << 0 << 0;
    QTest::newRow("year 1") << "1" << 1 << "1" << 0 << 0;
    QTest::newRow("empty") << "" << 0 << "" << 1 << 0;
    QTest::newRow("zero") << "0000" << 0 << "" << 0 << 1;
    QTest::newRow("pasted text") << "20x8" << 0 << "" << 0 << 1;
}

void MainWindowTest::yearNavigation()
{
    QFETCH(QString, typed);
    QFETCH(int, year);
    QFETCH(QString, label);
    QFETCH(int, messages);
    QFETCH(int, errors);
    RecordingDialogs dialogs;
    ProgramFolder folder;
    folder.write("regional.cal", kRegional);
    startProgram(folder);
    const int current = QDate::currentDate().year();
    Form1->Edit1->setText(typed); // as pasted: no key filter
    Form1->Button1->click();
    QCOMPARE(dialogs.messages.size(), messages);
    QCOMPARE(dialogs.errors.size(), errors);
    if (messages)
        QCOMPARE(dialogs.messages.at(0), QStringLiteral("Введите число от 1 до 9999"));
    const int shown = year ? year : current;
    for (int k = 0; k < 12; ++k) {
        QCOMPARE(Form1->calendars()[k]->dateElement(MonthGrid::Element::Year), shown);
        QCOMPARE(Form1->calendars()[k]->dateElement(MonthGrid::Element::Month), k + 1);
    }
    QCOMPARE(Form1->Labe->text(), year ? label : QString::number(current));
    QCOMPARE(Form1->Edit1->text(), typed); // the entry keeps what was typed
}

void MainWindowTest::stepping()
{
    RecordingDialogs dialogs;
    ProgramFolder folder;
    folder.write("regional.cal", kRegional);
    startProgram(folder);
    const int month = QDate::currentDate().month();
    QCOMPARE(Form1->calendars()[month - 1]->fontColor(), clRed);
    Form1->Calendar2->setDate(QDate(Form1->Calendar2->dateElement(MonthGrid::Element::Year), 2, 1));
    Form1->Edit1->setText(QStringLiteral("2008"));
    Form1->Button1->click();
    Form1->Calendar2->setDateElement(MonthGrid::Element::Day, 29);
    Form1->Bitbtn1->click();
    QCOMPARE(Form1->Labe->text(), QStringLiteral("2009"));
    QCOMPARE(Form1->Edit1->text(), QStringLiteral("2009"));
    QCOMPARE(Form1->Calendar2->date(), QDate(2009, 2, 28));
    QCOMPARE(Form1->Calendar12->dateElement(MonthGrid::Element::Year), 2009);
    Form1->Bitbtn2->click();
    Form1->Bitbtn2->click();
    QCOMPARE(Form1->Calendar9->dateElement(MonthGrid::Element::Year), 2007);
    QCOMPARE(Form1->calendars()[month - 1]->fontColor(), clRed); // stays red
    QCOMPARE(Form1->Calendar1->fontColor(), month == 1 ? clRed : clBlack);

    for (const auto &[edge, button] : {std::pair{1, Form1->Bitbtn2}, std::pair{9999, Form1->Bitbtn1}}) {
        Form1->Edit1->setText(QString::number(edge));
        Form1->Button1->click();
        dialogs.clear();
        button->click();
        QCOMPARE(dialogs.errors.size(), 1);
        QCOMPARE(Form1->Labe->text(), QString::number(edge));
        QCOMPARE(Form1->Edit1->text(), QString::number(edge));
        for (MonthGrid *grid : Form1->calendars())
            QCOMPARE(grid->dateElement(MonthGrid::Element::Year), edge);
    }
}

void MainWindowTest::timeLineAndToday()
{
    RecordingDialogs dialogs;
    ProgramFolder folder;
    folder.write("regional.cal", kRegional);
    startProgram(folder);
    QVERIFY(Form1->Timer1->isActive());
    QCOMPARE(Form1->Timer1->interval(), 1000);
    QVERIFY(Form1->St->text().isEmpty());
    Form1->Timer1Timer();
    const QString text = Form1->St->text();
    QCOMPARE(text.size(), 17);
    QVERIFY(text.startsWith(QStringLiteral("         ")));
    QVERIFY(QTime::fromString(text.mid(9), QStringLiteral("HH:mm:ss")).isValid());
    QCOMPARE(Form1->DateTimePicker1->date(), QDate::currentDate());
    QVERIFY(Form1->DateTimePicker1->text().contains(QStringLiteral(" г.")));
}

void MainWindowTest::failedSaveKeepsProgramOpen()
{
    RecordingDialogs dialogs;
    ProgramFolder folder;
    folder.write("regional.cal", kRegional);
    startProgram(folder);
    QDir(folder.path()).mkdir(QStringLiteral("blocked.cpr"));
    Form14->Edit3->setText(folder.path("blocked.cpr"));
    Form1->show();
    QVERIFY(!Form1->close()); // the close is refused
    QVERIFY(Form1->isVisible());
    QCOMPARE(dialogs.errors.size(), 1);
    QVERIFY(dialogs.errors.at(0).contains(QStringLiteral("blocked.cpr")));
    QVERIFY(!QFile::exists(folder.path("cnfg.cal"))); // files after the failure keep their state
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
