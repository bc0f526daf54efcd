// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// When reminders of holiday entries fall due, what they say, and their file.
#include "core/ReminderDue.h"
#include "core/ReminderFile.h"
#include "core/WorkCalendarFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// 2025 as decreed, May and November only; other years go by the rules.
const QByteArray kWorkYears = "dayrail-workcal 1\n"
                              "year 2025 decree\n"
                              "2025-05-01 holiday Праздник Весны и Труда\n"
                              "2025-05-02 off\n"
                              "2025-05-08 off\n"
                              "2025-05-09 holiday День Победы\n"
                              "2025-11-01 work\n"
                              "2025-11-03 off\n"
                              "2025-11-04 holiday День народного единства\n";

ReminderRule rule(int days, bool working = false, bool yearly = true, QTime time = QTime(9, 0))
{
    return ReminderRule{days, working, time, yearly};
}

QDateTime midnight(const QDate &day)
{
    return QDateTime(day, QTime(0, 0));
}

} // namespace

Q_DECLARE_METATYPE(ReminderRule)

class RemindersTest : public QObject {
    Q_OBJECT
private slots:
    void due_data();
    void due();
    void order();
    void counts();
    void file();
};

void RemindersTest::due_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<ReminderRule>("rule");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QString>("expected"); // "yyyy-MM-dd|text", empty: none due

    const QString masha = QStringLiteral("7 января 1985г. День рождения Маши");
    const QString jubilee = QStringLiteral("29 февраля 2000г. Юбилей");
    QTest::newRow("days before") << masha << rule(3) << QDate(2026, 1, 1) << QDate(2026, 2, 1)
                                 << "2026-01-04|День рождения Маши: 41 год (7 января, через 3 дня)";
    QTest::newRow("lead across new year")
        << masha << rule(10) << QDate(2025, 12, 1) << QDate(2026, 1, 1)
        << "2025-12-28|День рождения Маши: 41 год (7 января, через 10 дней)";
    QTest::newRow("once, its own year")
        << masha << rule(1, false, false) << QDate(1985, 1, 1) << QDate(1986, 1, 1)
        << "1985-01-06|День рождения Маши (7 января, завтра)";
    QTest::newRow("once, later year")
        << masha << rule(1, false, false) << QDate(2026, 1, 1) << QDate(2027, 1, 1) << "";
    QTest::newRow("no year, on the day")
        << "8 марта  Женский день" << rule(0) << QDate(2026, 1, 1) << QDate(2027, 1, 1)
        << "2026-03-08|Женский день (8 марта, сегодня)";
    QTest::newRow("working days over both May breaks")
        << "12 мая  Отчёт" << rule(5, true) << QDate(2025, 4, 1) << QDate(2025, 6, 1)
        << "2025-04-29|Отчёт (12 мая, через 13 дней)";
    QTest::newRow("working Saturday counts")
        << "5 ноября  Сверка" << rule(2, true) << QDate(2025, 10, 1) << QDate(2025, 12, 1)
        << "2025-10-31|Сверка (5 ноября, через 5 дней)";
    QTest::newRow("year without data goes by the rules")
        << "12 мая  Отчёт" << rule(3, true) << QDate(2031, 5, 1) << QDate(2031, 6, 1)
        << "2031-05-06|Отчёт (12 мая, через 6 дней)";
    QTest::newRow("29 February, common year")
        << jubilee << rule(1) << QDate(2025, 1, 1) << QDate(2026, 1, 1)
        << "2025-02-27|Юбилей: 25 лет (28 февраля, завтра)";
    QTest::newRow("29 February, leap year")
        << jubilee << rule(1) << QDate(2028, 1, 1) << QDate(2029, 1, 1)
        << "2028-02-28|Юбилей: 28 лет (29 февраля, завтра)";
    QTest::newRow("not a dated entry")
        << "День рождения" << rule(0) << QDate(2026, 1, 1) << QDate(2027, 1, 1) << "";
}

void RemindersTest::due()
{
    QFETCH(QString, entry);
    QFETCH(ReminderRule, rule);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QString, expected);
    ReminderSettings settings;
    settings.entries.insert(entry, rule);
    const WorkYears years = parseWorkCalendar(kWorkYears, QStringLiteral("test"));
    const QList<DueReminder> due =
        dueReminders({entry}, settings, years, midnight(from), midnight(to));
    QStringList got;
    for (const DueReminder &r : due) {
        QCOMPARE(r.entry, entry);
        QCOMPARE(r.due.time(), rule.time);
        QVERIFY(r.date >= r.due.date());
        got << r.due.date().toString(Qt::ISODate) + QLatin1Char('|') + r.text;
    }
    QCOMPARE(got.join(QLatin1Char(';')), expected);
}

// By due time across entries; the common rule, an entry turned off, an
// entry listed twice, the span's open end.
void RemindersTest::order()
{
    const QStringList entries{"10 мая  Б", "9 мая  А", "9 мая  А", "1 мая  Выкл"};
    ReminderSettings settings;
    settings.common = rule(0);
    settings.entries.insert(QStringLiteral("10 мая  Б"), rule(1, false, true, QTime(8, 0)));
    settings.entries.insert(QStringLiteral("1 мая  Выкл"), std::nullopt);
    const QDateTime from = midnight(QDate(2026, 5, 1));
    const QList<DueReminder> due =
        dueReminders(entries, settings, {}, from, QDateTime(QDate(2026, 5, 10), QTime(9, 0)));
    QCOMPARE(due.size(), 2);
    QCOMPARE(due.at(0).entry, QStringLiteral("10 мая  Б"));
    QCOMPARE(due.at(0).due, QDateTime(QDate(2026, 5, 9), QTime(8, 0)));
    QCOMPARE(due.at(1).entry, QStringLiteral("9 мая  А"));
    QCOMPARE(due.at(1).due, QDateTime(QDate(2026, 5, 9), QTime(9, 0)));
    QVERIFY(dueReminders(entries, settings, {}, from, from).isEmpty());
}

void RemindersTest::counts()
{
    const QList<QPair<int, const char *>> rows{
        {1, "1 год"},     {2, "2 года"},    {4, "4 года"},    {5, "5 лет"},    {11, "11 лет"},
        {12, "12 лет"},   {14, "14 лет"},   {21, "21 год"},   {22, "22 года"}, {25, "25 лет"},
        {101, "101 год"}, {111, "111 лет"}, {112, "112 лет"}, {0, "0 лет"}};
    for (const auto &[n, text] : rows)
        QCOMPARE(countText(n, "год", "года", "лет"), QString::fromUtf8(text));
}

// Written and read back whole; a hand-made file read leniently, each
// problem named and no rule given to another entry.
void RemindersTest::file()
{
    QTemporaryDir dir;
    const QString path = remindersPathFor(dir.filePath(QStringLiteral("Дом.cpr")));
    QCOMPARE(QFileInfo(path).fileName(), QStringLiteral("Дом.cpr.reminders"));
    const QStringList entries{"7 января 1985г. День рождения Маши", "8 марта  Женский\tдень ",
                              "1 мая  Мир"};
    ReminderSettings settings;
    settings.common = rule(3, true);
    settings.entries.insert(entries.at(0), rule(0, false, false, QTime(18, 30)));
    settings.entries.insert(entries.at(1), std::nullopt);
    writeReminders(path, settings);
    RemindersRead read = readReminders(path, entries);
    QVERIFY(read.problems.isEmpty());
    QCOMPARE(read.settings, settings);

    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("dayrail-reminders 1\r\n"
               "entry 2 days 10:00 yearly\t1 мая  Мир\r\n"
               "entry 2 weeks 10:00\t8 марта  Женский\tдень \n"
               "entry 1 days 10:00\t1 мая  Мир\n"
               "entry 1 days 10:00\t1 мая Мир\n");
    file.close();
    read = readReminders(path, entries);
    QList<ReminderFault> faults;
    for (const ReminderProblem &p : read.problems)
        faults << p.fault;
    QCOMPARE(faults, (QList<ReminderFault>{ReminderFault::BadLine, ReminderFault::Twice,
                                           ReminderFault::Lost}));
    QCOMPARE(read.problems.at(2).entry, QStringLiteral("1 мая Мир"));
    QCOMPARE(read.problems.at(2).line, 5);
    QCOMPARE(read.settings.entries.keys(), QStringList{entries.at(2)});
    QCOMPARE(read.settings.entries.value(entries.at(2)), rule(2, false, true, QTime(10, 0)));
    QVERIFY(!read.settings.common);

    // The program's own edit carries the rule; a copy left behind keeps it.
    carryReminder(read.settings, entries.at(2), QStringLiteral("2 мая  Мир"), {"2 мая  Мир"});
    QCOMPARE(read.settings.entries.keys(), QStringList{"2 мая  Мир"});
    carryReminder(read.settings, QStringLiteral("2 мая  Мир"), QStringLiteral("3 мая  Мир"),
                  {"2 мая  Мир", "3 мая  Мир"});
    QCOMPARE(read.settings.entries.keys(), (QStringList{"2 мая  Мир", "3 мая  Мир"}));
}

QTEST_GUILESS_MAIN(RemindersTest)
#include "tst_reminders.moc"
