// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings window as a whole: its pages, the week-start and
// print-background options as a view of the model, the holiday list filled
// from the profile, and "Фон и подписи" opening the background window.
#include "core/CalendarModel.h"
#include "settings/SettingsWindow.h"
#include "tests/support/FakeServices.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimeEdit>
#include <QtTest>

namespace {

QRadioButton *option(const SettingsWindow &window, const char *name)
{
    return window.findChild<QRadioButton *>(QString::fromLatin1(name));
}

QString selection(const SettingsWindow &window)
{
    QString shown;
    for (const char *name :
         {"mondayButton", "sundayButton", "withBackgroundButton", "withoutBackgroundButton"})
        shown += option(window, name)->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
    return shown;
}

} // namespace

class SettingsWindowTest : public QObject {
    Q_OBJECT
private slots:
    // The program's font, which the application sets at start.
    void initTestCase() { QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 8)); }
    void pagesInTabOrder();
    void regional_data();
    void regional();
    void optionsFromThePage();
    void markOptions();
    void remindersFromThePage();
    void holidayListFilledFromProfile_data();
    void holidayListFilledFromProfile();
    void backgroundPageOpensTheBackgroundWindow();
};

void SettingsWindowTest::pagesInTabOrder()
{
    CalendarModel model;
    FakeServices services;
    SettingsWindow window(model, services);
    auto *pages = window.findChild<QTabWidget *>(QStringLiteral("pages"));
    const QStringList captions = {"Прозрачность",
                                  "Фон и подписи",
                                  "Профили",
                                  "Праздники",
                                  "Настройки вида календаря",
                                  "Настройки фона при распечатке",
                                  "Напоминания",
                                  "Синхронизация"};
    QCOMPARE(pages->count(), captions.size());
    for (int i = 0; i < captions.size(); ++i)
        QCOMPARE(pages->tabText(i), captions.at(i));
    QCOMPARE(pages->widget(2)->objectName(), QStringLiteral("profilesPage"));
    QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("printBackgroundPage"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Настройки"));
    QVERIFY(window.windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(window.size(), QSize(676, 407));
    // The first six captions are readable side by side; the bar scrolls to the last.
    QTabBar *bar = pages->tabBar();
    QVERIFY2(bar->tabRect(5).right() <= pages->width(),
             qPrintable(QString::number(bar->tabRect(5).right())));
    QVERIFY(bar->usesScrollButtons());

    // A menu picks the page; shown otherwise, the window keeps the last one.
    window.showPage(SettingsPage::Holidays);
    QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("holidaysPage"));
    QVERIFY(window.findChild<QPushButton *>(QStringLiteral("addButton"))->isDefault());
    window.hide();
    window.show();
    QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("holidaysPage"));
    window.showPage(SettingsPage::BackgroundCaptions);
    QVERIFY(!window.findChild<QPushButton *>(QStringLiteral("addButton"))->isDefault());
    QVERIFY(window.findChild<QPushButton *>(QStringLiteral("openBackgroundButton"))->isDefault());
}

void SettingsWindowTest::regional_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("shown"); // the four buttons, "1" selected
    QTest::addColumn<Qt::DayOfWeek>("startOfWeek");
    QTest::addColumn<QStringList>("written");
    QTest::newRow("Sunday, no background")
        << QStringList{"FALSE", "TRUE", "FALSE", "TRUE"} << "0101" << Qt::Sunday
        << QStringList{"FALSE", "TRUE", "FALSE", "TRUE"};
    QTest::newRow("Monday, with background")
        << QStringList{"TRUE", "FALSE", "TRUE", "FALSE"} << "1010" << Qt::Monday
        << QStringList{"TRUE", "FALSE", "TRUE", "FALSE"};
    QTest::newRow("both true: the later lines win")
        << QStringList{"TRUE", "TRUE", "TRUE", "TRUE"} << "0101" << Qt::Sunday
        << QStringList{"FALSE", "TRUE", "FALSE", "TRUE"};
    QTest::newRow("small letters select nothing")
        << QStringList{"true", "false", "true", "false"} << "0000" << Qt::Monday
        << QStringList{"FALSE", "FALSE", "FALSE", "FALSE"};
    QTest::newRow("short file") << QStringList{"FALSE", "TRUE"} << "0100" << Qt::Sunday
                                << QStringList{"FALSE", "TRUE", "FALSE", "FALSE"};
}

void SettingsWindowTest::regional()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, shown);
    QFETCH(Qt::DayOfWeek, startOfWeek);
    QFETCH(QStringList, written);
    ProgramFolder folder;
    folder.write("regional.cal", lines);
    CalendarModel model;
    FakeServices services;
    SettingsWindow window(model, services);
    // Read after the window exists: the buttons follow the model either way.
    model.setRegional(readRegional(folder.path("regional.cal")));
    QCOMPARE(selection(window), shown);
    QCOMPARE(model.startOfWeek(), startOfWeek);
    QCOMPARE(model.printsBackground(), shown.at(2) == QLatin1Char('1'));
    writeRegional(folder.path("regional.cal"), model.regional());
    QCOMPARE(folder.read("regional.cal"), written);
    SettingsWindow later(model, services);
    QCOMPARE(selection(later), shown);
}

void SettingsWindowTest::optionsFromThePage()
{
    CalendarModel model;
    model.setRegional({Qt::Monday, false});
    FakeServices services;
    SettingsWindow window(model, services);
    option(window, "sundayButton")->click();
    QVERIFY(!option(window, "mondayButton")->isChecked());
    QCOMPARE(model.startOfWeek(), Qt::Sunday);
    option(window, "mondayButton")->click();
    QCOMPARE(model.startOfWeek(), Qt::Monday);
    option(window, "withBackgroundButton")->click();
    QVERIFY(!option(window, "withoutBackgroundButton")->isChecked());
    QVERIFY(model.printsBackground());
    option(window, "withoutBackgroundButton")->click();
    QCOMPARE(model.regional(), (RegionalOptions{Qt::Monday, false}));
    // A pair with nothing selected takes a choice like any other.
    model.setRegional({});
    option(window, "sundayButton")->click();
    QCOMPARE(model.regional(), (RegionalOptions{Qt::Sunday, std::nullopt}));
    QCOMPARE(selection(window), QStringLiteral("0100"));
}

void SettingsWindowTest::remindersFromThePage()
{
    CalendarModel model;
    const QString birthday = QStringLiteral("18 марта 1985г. День рождения Маши");
    model.setHolidays({birthday, QStringLiteral("просто текст"), QStringLiteral("1 мая  Май")});
    FakeServices services; // 15 March 2026, 10:00
    SettingsWindow window(model, services);
    const auto find = [&](const char *name) {
        return window.findChild<QWidget *>(QString::fromLatin1(name));
    };
    auto *enabled = static_cast<QCheckBox *>(find("remindersEnabled"));
    auto *days = static_cast<QSpinBox *>(find("leadDays"));
    auto *entries = static_cast<QListWidget *>(find("entryList"));
    auto *coming = static_cast<QListWidget *>(find("comingList"));
    QCOMPARE(entries->count(), 2); // the dated entries only
    QVERIFY(!days->isEnabled());
    QCOMPARE(coming->item(0)->text(), QStringLiteral("Напоминаний нет"));

    enabled->click();
    days->setValue(3);
    static_cast<QTimeEdit *>(find("timeField"))->setTime(QTime(18, 30));
    QCOMPARE(model.reminders().common, (ReminderRule{3, false, QTime(18, 30), true}));
    QCOMPARE(coming->count(), 1);
    QVERIFY2(coming->item(0)->text().startsWith(QStringLiteral("15.03 18:30")) &&
                 coming->item(0)->text().contains(QStringLiteral("41")),
             qPrintable(coming->item(0)->text()));
    static_cast<QRadioButton *>(find("workingDaysButton"))->click();
    QVERIFY(model.reminders().common->workingDays);

    // The selected entry's own rule: none at all, then its own lead.
    entries->setCurrentRow(0);
    auto *choice = static_cast<QComboBox *>(find("entryChoice"));
    choice->setCurrentIndex(1);
    QCOMPARE(model.reminders().entries.value(birthday), std::nullopt);
    QVERIFY(model.reminders().entries.contains(birthday));
    choice->setCurrentIndex(2);
    static_cast<QSpinBox *>(find("entryDays"))->setValue(5);
    QCOMPARE(model.reminders().entries.value(birthday)->daysBefore, 5);
    choice->setCurrentIndex(0);
    QVERIFY(model.reminders().entries.isEmpty());

    // Off keeps no rule for all; on again brings the last one back.
    enabled->click();
    QVERIFY(!model.reminders().common);
    enabled->click();
    QCOMPARE(model.reminders().common, (ReminderRule{3, true, QTime(18, 30), true}));
}

void SettingsWindowTest::markOptions()
{
    CalendarModel model;
    FakeServices services;
    SettingsWindow window(model, services);
    window.showPage(SettingsPage::CalendarView);
    QWidget *page = window.findChild<QWidget *>(QStringLiteral("calendarViewPage"));
    const QRect group = window.findChild<QWidget *>(QStringLiteral("weekStartGroup"))->geometry();
    const char *names[4] = {"markTodayBox", "markHolidaysBox", "weekNumbersBox", "workCalendarBox"};
    QList<QCheckBox *> boxes;
    for (const char *name : names) {
        boxes << window.findChild<QCheckBox *>(QString::fromLatin1(name));
        // Whole on the page, below the group, text not cut.
        const QRect box = boxes.last()->geometry();
        QVERIFY(page->rect().contains(box) && box.top() > group.bottom());
        QVERIFY(box.width() >= boxes.last()->sizeHint().width());
    }
    QCOMPARE(boxes.at(0)->text(), QStringLiteral("Отмечать сегодня"));
    QVERIFY(boxes.at(0)->isChecked() && boxes.at(1)->isChecked() && !boxes.at(2)->isChecked());
    QVERIFY(!boxes.at(3)->isChecked());

    // A click goes into the model at once; the model's value shows on the page.
    boxes.at(2)->click();
    boxes.at(0)->click();
    boxes.at(3)->click();
    QCOMPARE(model.viewOptions(), (ViewOptions{false, true, true, true}));
    model.setViewOptions({true, false, false});
    QVERIFY(boxes.at(0)->isChecked() && !boxes.at(1)->isChecked() && !boxes.at(2)->isChecked());
    QVERIFY(!boxes.at(3)->isChecked());
    window.hide();
}

void SettingsWindowTest::holidayListFilledFromProfile_data()
{
    QTest::addColumn<QStringList>("tail");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("none") << QStringList{"0", "stray"} << QStringList{};
    QTest::newRow("three in file order")
        << QStringList{"3", "b", "a", "c"} << QStringList{"b", "a", "c"};
    QTest::newRow("count not a number") << QStringList{"x", "b", "a"} << QStringList{"b", "a"};
}

void SettingsWindowTest::holidayListFilledFromProfile()
{
    QFETCH(QStringList, tail);
    QFETCH(QStringList, entries);
    ProgramFolder folder;
    folder.write("p.cpr", QStringList(12, "2") + tail);
    folder.write("cnfg.cal", QStringList(20, "1") + QStringList{folder.path("p.cpr")});
    CalendarModel model;
    model.setHolidays(readStartupFiles(folder.path(), model.year()).profile.entries);
    FakeServices services;
    SettingsWindow window(model, services);
    auto *list = window.findChild<QListWidget *>(QStringLiteral("holidayList"));
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown << list->item(i)->text();
    QCOMPARE(shown, entries);
}

void SettingsWindowTest::backgroundPageOpensTheBackgroundWindow()
{
    CalendarModel model;
    FakeServices services;
    SettingsWindow window(model, services);
    window.findChild<QPushButton *>(QStringLiteral("openBackgroundButton"))->click();
    QCOMPARE(services.calls,
             QStringList{QStringLiteral("show %1").arg(int(WindowRole::Background))});
}

QTEST_MAIN(SettingsWindowTest)
#include "tst_settingswindow.moc"
