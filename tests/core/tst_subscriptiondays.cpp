// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// The days a subscribed calendar marks in a year.
#include "base/Errors.h"
#include "core/ICalendar.h"
#include "core/SubscriptionDays.h"

#include <QtTest>

namespace {

QByteArray calendar(const QByteArray &events)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//EN\r\n" + events + "END:VCALENDAR\r\n";
}

QByteArray vevent(const QByteArray &lines, const QByteArray &summary = "Событие")
{
    return "BEGIN:VEVENT\r\nUID:" + QByteArray::number(qHash(lines)) + "\r\n" + lines +
           "SUMMARY:" + summary + "\r\nEND:VEVENT\r\n";
}

} // namespace

class SubscriptionDaysTest : public QObject {
    Q_OBJECT

private slots:
    void days_data();
    void days();
    void captions();
    void limits();
};

void SubscriptionDaysTest::days_data()
{
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<int>("count"); // days marked in 2026
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");
    QTest::newRow("all day") << QByteArray("DTSTART;VALUE=DATE:20260310\r\n") << 1
                             << QDate(2026, 3, 10) << QDate(2026, 3, 10);
    QTest::newRow("timed") << QByteArray("DTSTART:20260312T180000\r\nDTEND:20260312T200000\r\n")
                           << 1 << QDate(2026, 3, 12) << QDate(2026, 3, 12);
    QTest::newRow("over midnight")
        << QByteArray("DTSTART:20260312T230000\r\nDTEND:20260313T010000\r\n") << 2
        << QDate(2026, 3, 12) << QDate(2026, 3, 13);
    QTest::newRow("across new year")
        << QByteArray("DTSTART;VALUE=DATE:20251230\r\nDTEND;VALUE=DATE:20260103\r\n") << 2
        << QDate(2026, 1, 1) << QDate(2026, 1, 2);
    QTest::newRow("other year") << QByteArray("DTSTART;VALUE=DATE:20250310\r\n") << 0 << QDate()
                                << QDate();
    QTest::newRow("weekly without end")
        << QByteArray("DTSTART:20200106T090000\r\nRRULE:FREQ=WEEKLY;BYDAY=MO\r\n") << 52
        << QDate(2026, 1, 5) << QDate(2026, 12, 28);
    QTest::newRow("yearly without end")
        << QByteArray("DTSTART;VALUE=DATE:19900708\r\nRRULE:FREQ=YEARLY\r\n") << 1
        << QDate(2026, 7, 8) << QDate(2026, 7, 8);
    QTest::newRow("counted") << QByteArray(
                                    "DTSTART;VALUE=DATE:20261229\r\nRRULE:FREQ=DAILY;COUNT=5\r\n")
                             << 3 << QDate(2026, 12, 29) << QDate(2026, 12, 31);
    QTest::newRow("excluded")
        << QByteArray("DTSTART;VALUE=DATE:20260601\r\nRRULE:FREQ=DAILY;UNTIL=20260603\r\n"
                      "EXDATE;VALUE=DATE:20260602\r\n")
        << 2 << QDate(2026, 6, 1) << QDate(2026, 6, 3);
    QTest::newRow("cancelled") << QByteArray("DTSTART;VALUE=DATE:20260310\r\nSTATUS:CANCELLED\r\n")
                               << 0 << QDate() << QDate();
}

void SubscriptionDaysTest::days()
{
    QFETCH(QByteArray, lines);
    QFETCH(int, count);
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    const SubscriptionDays read =
        subscriptionDays(calendar(vevent(lines)), 2026, QStringLiteral("t"));
    QCOMPARE(read.events, 1);
    QCOMPARE(read.days.size(), count);
    if (count > 0) {
        QCOMPARE(read.days.firstKey(), first);
        QCOMPARE(read.days.lastKey(), last);
        QCOMPARE(read.days.first(), QStringLiteral("Событие"));
    }
}

void SubscriptionDaysTest::captions()
{
    QByteArray events;
    for (int i = 0; i < kMostCaptionsPerDay + 2; ++i)
        events += vevent("DTSTART;VALUE=DATE:20260401\r\n", "  Пункт " + QByteArray::number(i));
    // The same caption twice on a day is said once.
    events += vevent("DTSTART;VALUE=DATE:20260401\r\n", "Пункт 0");
    const SubscriptionDays read = subscriptionDays(calendar(events), 2026, QStringLiteral("t"));
    const QStringList lines = read.days.value(QDate(2026, 4, 1)).split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), kMostCaptionsPerDay + 1);
    QCOMPARE(lines.first(), QStringLiteral("Пункт 0"));
    QCOMPARE(lines.last(), QStringLiteral("…и ещё 2"));
}

void SubscriptionDaysTest::limits()
{
    // An empty calendar is no error; what is no calendar is.
    QCOMPARE(subscriptionDays(calendar({}), 2026, QStringLiteral("t")).events, 0);
    QVERIFY_THROWS_EXCEPTION(DayrailError,
                             subscriptionDays("<html>Вход</html>", 2026, QStringLiteral("t")));
    QByteArray events;
    for (int i = 0; i < kMostICalendarEvents + 3; ++i)
        events += "BEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20260105\r\nSUMMARY:x\r\nEND:VEVENT\r\n";
    const SubscriptionDays read = subscriptionDays(calendar(events), 2026, QStringLiteral("t"));
    QCOMPARE(read.events, kMostICalendarEvents);
    QCOMPARE(read.notRead, 3);
    QVERIFY(subscriptionSummary(read).contains(QString::number(kMostICalendarEvents)));
}

QTEST_GUILESS_MAIN(SubscriptionDaysTest)
#include "tst_subscriptiondays.moc"
