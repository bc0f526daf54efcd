// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as the program creates it: start-up load, year view,
// close-time save.
#include "controls/MonthGrid.h"
#include "controls/TrayIcon.h"
#include "tests/support/ProgramSupport.h"
#include "windows/CalendarMarks.h"
#include "windows/SplashScreen.h"

#include <QAction>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

namespace {

QStringList settingsFile(const QString &profilePath)
{
    return {"1",  "2",    "3", "4", "5", "6",     "7",    "8",    "9",   "10",       "11",
            "12", "2005", "0", "1", "",  "65535", "True", "TRUE", "128", profilePath};
}

const QStringList kRegional = {"TRUE", "FALSE", "FALSE", "TRUE"};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void firstStart();
    void savedStateComesBackAndIsWrittenUnchanged();
    void missingProfileIsReportedAndKept();
    void yearEntryFilter();
    void yearNavigation_data();
    void yearNavigation();
    void stepping();
    void timeLineAndToday();
    void windowsBuiltAfterMidnightShowTheStartDay();
    void failedSaveKeepsProgramOpen();
    void tipsFollowTheSplash_data();
    void tipsFollowTheSplash();
    void viewOptionsReachGridsTrayAndOutput();
    // Last: the end it asks for reaches every later event loop of this process.
    void endDuringStartMessageSavesWhatWasRead();
};

void MainWindowTest::firstStart()
{
    RecordingDialogs dialogs;
    ProgramFolder folder;
    folder.write("regional.cal", kRegional);
    TestProgram program(folder, dialogs);
    QVERIFY2(dialogs.all().isEmpty(), qPrintable(dialogs.all().join('|')));
    QCOMPARE(program.main()->windowTitle(), QStringLiteral("Календарь"));
    const int year = TestProgram::startDay().year();
    for (int k = 0; k < 12; ++k)
        QCOMPARE(program.main()->grids()[k]->date(), QDate(year, k + 1, 1));
    // The keyboard starts on this month's grid.
    QCOMPARE(program.main()->focusWidget(),
             program.main()->grids()[TestProgram::startDay().month() - 1]);
    QVERIFY(program.control<QAction>("actionShowTips")->isChecked());
    QVERIFY(program.control<QAction>("actionShowSplash")->isChecked());
    QVERIFY(program.model().background().colourMode);
    QCOMPARE(windowColour(program.control<QWidget>("client")), colours::skyBlue);
    QCOMPARE(program.model().profilePath(), folder.path("default.cpr"));

    // What the user selects on the first run is kept at the first close.
    program.model().setDay(3, 17);
    program.model().setHolidays(QStringList{QStringLiteral("8 марта  Праздник")});
    program.model().save();
    QCOMPARE(folder.read("default.cpr"), (QStringList{"1", "1", "17", "1", "1", "1", "1", "1", "1",
                                                      "1", "1", "1", "1", "8 марта  Праздник"}));
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
    folder.write("Работа.cpr", {"31", "29", "3", "31", "5", "6", "7", "8", "9", "10", "11", "12",
                                "2", "1 января 2006г. Новый год", "23 февраля  Праздник"});
    folder.write("cnfg.cal", settingsFile(profile));
    folder.write("regional.cal", kRegional);
    const QByteArray regionalBytes = folder.bytes("regional.cal");
    TestProgram program(folder, dialogs);
    QVERIFY2(dialogs.all().isEmpty(), qPrintable(dialogs.all().join('|')));

    QCOMPARE(program.main()->windowTitle(), QStringLiteral("Календарь < Работа.cpr >"));
    const int year = TestProgram::startDay().year();
    QCOMPARE(program.control<QLabel>("yearLabel")->text(),
             QString::number(year)); // not the saved 2005
    QCOMPARE(program.control<QLineEdit>("yearEdit")->text(), QString::number(year));
    QCOMPARE(program.main()->grids()[0]->date(), QDate(year, 1, 31));
    QCOMPARE(program.main()->grids()[1]->dateElement(MonthGrid::Element::Day),
             QDate::isLeapYear(year) ? 29 : 28);
    QCOMPARE(program.main()->grids()[3]->dateElement(MonthGrid::Element::Day),
             30); // April has no 31st
    QCOMPARE(program.main()->grids()[11]->date(), QDate(year, 12, 12));
    QVERIFY(!program.control<QAction>("actionShowTips")->isChecked());
    QVERIFY(program.control<QAction>("actionShowSplash")->isChecked());
    QVERIFY(program.control<QWidget>("backgroundImage")->isHidden());
    QCOMPARE(windowColour(program.control<QWidget>("client")), colours::yellow);
    QCOMPARE(fontColour(program.control<QLabel>("monthLabel1")), colours::maroon);
    QCOMPARE(program.model().profilePath(), profile);
    QCOMPARE(program.model().holidays(),
             (QStringList{"1 января 2006г. Новый год", "23 февраля  Праздник"}));

    program.model().setDay(1, 15);
    program.model().save();
    QCOMPARE(folder.read("Работа.cpr").mid(0, 4), (QStringList{"15", "28", "3", "30"}));
    QCOMPARE(folder.read("Работа.cpr").mid(12),
             (QStringList{"2", "1 января 2006г. Новый год", "23 февраля  Праздник"}));
    QStringList expected = settingsFile(profile);
    for (int k = 0; k < 12; ++k)
        expected[k] =
            QString::number(program.main()->grids()[k]->dateElement(MonthGrid::Element::Day));
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
    TestProgram program(folder, dialogs);
    QCOMPARE(dialogs.messages.size(), 1);
    QVERIFY(dialogs.messages.at(0).contains(profile));
    QCOMPARE(program.main()->grids()[4]->dateElement(MonthGrid::Element::Day), 1);
    QCOMPARE(program.model().holidays().size(), 0);
    QCOMPARE(program.model().profilePath(), profile);
    program.model().save();
    QCOMPARE(folder.read("Пропал.cpr"), QStringList(12, "1") + QStringList{"0"});
}

void MainWindowTest::yearEntryFilter()
{
    RecordingDialogs dialogs;
    ProgramFolder folder;
    folder.write("regional.cal", kRegional);
    TestProgram program(folder, dialogs);
    QLineEdit *edit = program.control<QLineEdit>("yearEdit");
    edit->clear();
    typeText(edit, QStringLiteral("2a0-5 Жё."));
    QCOMPARE(edit->text(), QStringLiteral("205"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), QStringLiteral("20"));
    typeText(edit, QStringLiteral("0999"));
    QCOMPARE(edit->text(), QStringLiteral("2009")); // four characters at most
    // Enter reaches "Перейти".
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(program.main()->grids()[6]->dateElement(MonthGrid::Element::Year), 2009);
    // ... once: an empty field gives a single message.
    edit->clear();
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(dialogs.messages, QStringList{QStringLiteral("Введите число от 1 до 9999")});
    // A focused button takes Enter itself.
    QTest::keyClick(program.control<QPushButton>("nextYearButton"), Qt::Key_Return);
    QCOMPARE(program.main()->grids()[6]->dateElement(MonthGrid::Element::Year), 2010);
    QCOMPARE(dialogs.messages.size(), 1);
}

void MainWindowTest::yearNavigation_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("year"); // year shown afterwards; 0: unchanged
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
    TestProgram program(folder, dialogs);
    const int current = TestProgram::startDay().year();
    program.control<QLineEdit>("yearEdit")->setText(typed); // as pasted: no key filter
    program.control<QPushButton>("goButton")->click();
    QCOMPARE(dialogs.messages.size(), messages);
    QCOMPARE(dialogs.errors.size(), errors);
    if (messages)
        QCOMPARE(dialogs.messages.at(0), QStringLiteral("Введите число от 1 до 9999"));
    const int shown = year ? year : current;
    for (int k = 0; k < 12; ++k) {
        QCOMPARE(program.main()->grids()[k]->dateElement(MonthGrid::Element::Year), shown);
        QCOMPARE(program.main()->grids()[k]->dateElement(MonthGrid::Element::Month), k + 1);
    }
    QCOMPARE(program.control<QLabel>("yearLabel")->text(), year ? label : QString::number(current));
    QCOMPARE(program.control<QLineEdit>("yearEdit")->text(),
             typed); // the entry keeps what was typed
}

void MainWindowTest::stepping()
{
    RecordingDialogs dialogs;
    ProgramFolder folder;
    folder.write("regional.cal", kRegional);
    TestProgram program(folder, dialogs);
    const int month = TestProgram::startDay().month();
    QCOMPARE(program.main()->grids()[month - 1]->fontColor(), colours::red);
    program.model().setDay(2, 1);
    program.control<QLineEdit>("yearEdit")->setText(QStringLiteral("2008"));
    program.control<QPushButton>("goButton")->click();
    program.model().setDay(2, 29);
    program.control<QPushButton>("nextYearButton")->click();
    QCOMPARE(program.control<QLabel>("yearLabel")->text(), QStringLiteral("2009"));
    QCOMPARE(program.control<QLineEdit>("yearEdit")->text(), QStringLiteral("2009"));
    QCOMPARE(program.main()->grids()[1]->date(), QDate(2009, 2, 28));
    QCOMPARE(program.main()->grids()[11]->dateElement(MonthGrid::Element::Year), 2009);
    program.control<QPushButton>("previousYearButton")->click();
    program.control<QPushButton>("previousYearButton")->click();
    QCOMPARE(program.main()->grids()[8]->dateElement(MonthGrid::Element::Year), 2007);
    QCOMPARE(program.main()->grids()[month - 1]->fontColor(), colours::red); // stays red
    QCOMPARE(program.main()->grids()[0]->fontColor(), month == 1 ? colours::red : colours::black);

    for (const auto &[edge, button] :
         {std::pair{1, program.control<QPushButton>("previousYearButton")},
          std::pair{9999, program.control<QPushButton>("nextYearButton")}}) {
        program.control<QLineEdit>("yearEdit")->setText(QString::number(edge));
        program.control<QPushButton>("goButton")->click();
        dialogs.clear();
        button->click();
        QCOMPARE(dialogs.errors.size(), 1);
        QCOMPARE(program.control<QLabel>("yearLabel")->text(), QString::number(edge));
        QCOMPARE(program.control<QLineEdit>("yearEdit")->text(), QString::number(edge));
        for (MonthGrid *grid : program.main()->grids())
            QCOMPARE(grid->dateElement(MonthGrid::Element::Year), edge);
    }
}

void MainWindowTest::timeLineAndToday()
{
    RecordingDialogs dialogs;
    ProgramFolder folder;
    folder.write("regional.cal", kRegional);
    TestProgram program(folder, dialogs);
    QVERIFY(program.control<QTimer>("clockTimer")->isActive());
    QCOMPARE(program.control<QTimer>("clockTimer")->interval(), 1000);
    QVERIFY(program.control<QLabel>("timeLine")->text().isEmpty());
    // The program's clock, not the wall's.
    program.setTime({TestProgram::startDay(), QTime(9, 5, 7)});
    QMetaObject::invokeMethod(program.control<QTimer>("clockTimer"), "timeout");
    QCOMPARE(program.control<QLabel>("timeLine")->text(), QStringLiteral("         09:05:07"));
    QCOMPARE(program.control<QDateEdit>("todayPicker")->date(), TestProgram::startDay());
    QVERIFY(program.control<QDateEdit>("todayPicker")->text().contains(QStringLiteral(" г.")));
}

void MainWindowTest::windowsBuiltAfterMidnightShowTheStartDay()
{
    RecordingDialogs dialogs;
    ProgramFolder folder;
    folder.write("regional.cal", kRegional);
    TestProgram program(folder, dialogs);
    // Past midnight, into the next month.
    const QDate start = TestProgram::startDay(), next = start.addDays(17);
    program.setTime(QDateTime(next, QTime(0, 0, 1)));
    QMetaObject::invokeMethod(program.app().findChild<QTimer *>(QStringLiteral("midnightTimer")),
                              "timeout");
    QCOMPARE(program.model().today(), next);
    // Windows made now describe the start-up day; only the today frame moves.
    QCOMPARE(program.window(WindowRole::MiniView)->findChild<QDateEdit *>()->date(), start);
    const auto calendars =
        program.window(WindowRole::MonthCompare)->findChildren<QCalendarWidget *>() +
        program.window(WindowRole::OneMonth)->findChildren<QCalendarWidget *>();
    QCOMPARE(calendars.size(), 3);
    for (QCalendarWidget *calendar : calendars) {
        QCOMPARE(calendar->selectedDate(), start);
        QCOMPARE(qobject_cast<MarkedCalendar *>(calendar)->today(), next);
    }
    QCOMPARE(program.control<QDateEdit>("todayPicker")->date(), start);
}

void MainWindowTest::failedSaveKeepsProgramOpen()
{
    RecordingDialogs dialogs;
    ProgramFolder folder;
    folder.write("regional.cal", kRegional);
    TestProgram program(folder, dialogs);
    QDir(folder.path()).mkdir(QStringLiteral("blocked.cpr"));
    program.model().setProfilePath(folder.path("blocked.cpr"));
    program.main()->show();
    // "Нет", the default: the program stays open.
    QVERIFY(!program.main()->close());
    QVERIFY(program.main()->isVisible());
    QCOMPARE(dialogs.questions.size(), 1);
    QVERIFY(dialogs.questions.at(0).contains(QStringLiteral("blocked.cpr")));
    QVERIFY(dialogs.errors.isEmpty());
    // "Да": it closes without writing anything more.
    dialogs.questionAnswer = true;
    QVERIFY(program.main()->close());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"regional.cal"});
}

void MainWindowTest::tipsFollowTheSplash_data()
{
    QTest::addColumn<bool>("splash");
    QTest::addColumn<bool>("tipsAtEnd"); // tips are on at start
    QTest::newRow("after the splash") << true << true;
    QTest::newRow("switched off while it fades") << true << false;
    QTest::newRow("at once without it") << false << true;
}

void MainWindowTest::tipsFollowTheSplash()
{
    QFETCH(bool, splash);
    QFETCH(bool, tipsAtEnd);
    RecordingDialogs dialogs;
    ProgramFolder folder;
    folder.write("regional.cal", kRegional);
    QStringList settings = settingsFile(folder.path("p.cpr"));
    settings[13] = QStringLiteral("1");
    settings[14] = splash ? QStringLiteral("1") : QStringLiteral("0");
    folder.write("cnfg.cal", settings);
    folder.write("p.cpr", QStringList(12, "1") << "0");
    TestProgram program(folder, dialogs);
    auto *shown = static_cast<SplashScreen *>(program.app().existingWindow(WindowRole::Splash));
    QCOMPARE(shown != nullptr, splash);
    QCOMPARE(program.app().isWindowVisible(WindowRole::Tips), !splash);
    if (!splash)
        return;
    program.model().setShowTips(tipsAtEnd);
    shown->findChild<QTimer *>()->stop();
    while (shown->isVisible())
        shown->fadeStep();
    QCOMPARE(program.app().isWindowVisible(WindowRole::Tips), tipsAtEnd);
}

void MainWindowTest::viewOptionsReachGridsTrayAndOutput()
{
    RecordingDialogs dialogs;
    ProgramFolder folder;
    folder.write("view.cal", {"FALSE", "TRUE", "TRUE"});
    TestProgram program(folder, dialogs);
    MonthGrid *january = program.main()->grids()[0];
    QVERIFY(january->weekNumbersShown());
    QVERIFY(!january->today().isValid());
    QCOMPARE(program.main()->trayIcon()->hint(), QStringLiteral("Dayrail"));

    program.model().setViewOptions({true, true, false});
    QVERIFY(!january->weekNumbersShown());
    QCOMPARE(january->today(), TestProgram::startDay());
    QVERIFY(program.main()->trayIcon()->hint().startsWith(QStringLiteral("Dayrail — ")));

    dialogs.fileAnswers = {folder.path("year")};
    program.control<QAction>("actionSaveVector")->trigger();
    QVERIFY(folder.bytes("year.pdf").startsWith("%PDF"));
    // The dialog asked about "год.png"; what would be replaced is asked about.
    folder.write("год.png.pdf", {"kept"});
    dialogs.fileAnswers = {folder.path("год.png")};
    program.control<QAction>("actionSaveVector")->trigger();
    QCOMPARE(dialogs.questions.size(), 1);
    QVERIFY(dialogs.questions.at(0).contains(QStringLiteral("год.png.pdf")));
    QCOMPARE(folder.read("год.png.pdf"), QStringList{"kept"});
    program.control<QAction>("actionPreviewCube")->trigger();
    QCOMPARE(dialogs.previews, 1);
}

void MainWindowTest::endDuringStartMessageSavesWhatWasRead()
{
    // SIGTERM while the first start-up box is open: the session ends there.
    struct EndingDialogs : RecordingDialogs {
        Application *program = nullptr;
        void message(const QString &text) override
        {
            RecordingDialogs::message(text);
            program->saveAndQuit(false);
        }
    } dialogs;
    ProgramFolder folder;
    const QString profile = folder.path("Работа.cpr");
    // An entry past the count: a message, and the original kept as ".bak".
    folder.write("Работа.cpr", QStringList(12, "5") + QStringList{"0", "лишняя"});
    folder.write("cnfg.cal", settingsFile(profile));
    folder.write("regional.cal", {"FALSE", "TRUE", "TRUE", "FALSE"});
    QTranslator qtRussian;
    Application::setUpToolkit(qtRussian);
    Application program(folder.path(), {}, &dialogs);
    dialogs.program = &program;
    program.start();
    QVERIFY(program.ending());
    QCOMPARE(dialogs.messages.size(), 1);
    // Saved as read, not as defaults: every file was read before the box.
    QCOMPARE(folder.read("regional.cal"), (QStringList{"FALSE", "TRUE", "TRUE", "FALSE"}));
    QCOMPARE(folder.read("Работа.cpr.bak").last(), QStringLiteral("лишняя"));
    QCOMPARE(folder.read("Работа.cpr"), QStringList(12, "5") + QStringList{"0"});
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
