// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// Dates read from holiday entries, the iCalendar exchange and view.cal.
#include "Errors.h"
#include "HolidayDates.h"
#include "ICalendar.h"
#include "TextFile.h"
#include "ViewOptions.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>

namespace {

QByteArray ics(const QByteArray &events)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//T//RU\r\n" + events + "END:VCALENDAR\r\n";
}

QByteArray allDay(const QByteArray &start, const QByteArray &summary, const QByteArray &extra = {})
{
    return "BEGIN:VEVENT\r\nUID:" + start + "\r\nDTSTART;VALUE=DATE:" + start +
           "\r\nSUMMARY:" + summary + "\r\n" + extra + "END:VEVENT\r\n";
}

} // namespace

class HolidayDatesTest : public QObject {
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void marks();
    void iCalendarRoundTrip();
    void iCalendarImport_data();
    void iCalendarImport();
    void iCalendarSecondReader();
    void viewOptions_data();
    void viewOptions();
};

void HolidayDatesTest::parse_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("date"); // "day.month.year|caption", year "-" for none; "" not dated
    const char *const rows[][3] = {
        {"with year", "7 января 2005г. Рождество", "7.1.2005|Рождество"},
        {"without year", "8 марта  Женский день", "8.3.-|Женский день"},
        {"caption as typed", "31 декабря 999г.  Ёлка ", "31.12.999| Ёлка "},
        {"year-like caption", "1 мая  2005г. Мир", "1.5.-|2005г. Мир"},
        {"leap day, leap year", "29 февраля 2024г. X", "29.2.2024|X"},
        {"leap day, any year", "29 февраля  ", "29.2.-|"},
        {"leap day, common year", "29 февраля 2023г. X", ""},
        {"no such day", "31 февраля  Тест", ""},
        {"one space, no year", "8 марта Женский день", ""},
        {"leading zero", "07 января  X", ""},
        {"capital month", "7 Января  X", ""},
        {"space before г", "7 января 2005 г. X", ""},
        {"year 0", "1 января 0г. X", ""},
        {"five-digit year", "1 января 20050г. X", ""},
        {"three-digit day", "123 января  X", ""},
        {"tab after month", "1 января\t X", ""},
        {"free text", "Рождество", ""}};
    for (const auto &row : rows)
        QTest::newRow(row[0]) << QString::fromUtf8(row[1]) << QString::fromUtf8(row[2]);
}

void HolidayDatesTest::parse()
{
    QFETCH(QString, entry);
    QFETCH(QString, date);
    const std::optional<HolidayDate> parsed = parseHolidayEntry(entry);
    QCOMPARE(parsed.has_value(), !date.isEmpty());
    if (!parsed)
        return;
    const QString year = parsed->year ? QString::number(*parsed->year) : QStringLiteral("-");
    QCOMPARE(QStringLiteral("%1.%2.%3|%4")
                 .arg(parsed->day)
                 .arg(parsed->month)
                 .arg(year, parsed->caption),
             date);
    QCOMPARE(composeHolidayEntry(*parsed), entry);
}

void HolidayDatesTest::marks()
{
    const QStringList entries = {
        "8 марта  Женский день",   "7 января 2005г. Рождество", "заметка",
        "8 марта 2006г.  Цветы  ", "8 марта  Женский день",     "8 марта  ",
        "29 февраля  Високос"};
    auto marked = [&](int year) {
        QStringList days;
        const QMap<QDate, QString> map = markedDays(entries, year);
        for (auto it = map.cbegin(); it != map.cend(); ++it)
            days << it.key().toString(QStringLiteral("yyyy-MM-dd=")) + it.value();
        return days;
    };
    QCOMPARE(marked(2005), (QStringList{"2005-01-07=Рождество", "2005-03-08=Женский день"}));
    // Four entries on one day: captions trimmed, repeats and empties left out.
    QCOMPARE(marked(2006), (QStringList{"2006-03-08=Женский день\nЦветы"}));
    QCOMPARE(marked(2024), (QStringList{"2024-02-29=Високос", "2024-03-08=Женский день"}));
}

void HolidayDatesTest::iCalendarRoundTrip()
{
    const QStringList dated = {"7 января 2005г. Рождество",
                               "8 марта  Женский день",
                               "29 февраля  Високос",
                               "1 мая  Мир, труд; май \\ \"x\"",
                               "3 мая 2020г. " + QString(50, QChar(0x0436)) + " 😀 слова",
                               "8 марта  Женский день"};
    // Not dates, or a year libical cannot write: left out, nothing else lost.
    int count = 0;
    const QByteArray text =
        holidaysToICalendar(dated + QStringList{"заметка", "1 января 3001г. X"}, &count);
    QCOMPARE(count, dated.size());
    QVERIFY(text.contains("PRODID:-//Dayrail//Dayrail XP 1.0//RU\r\n"));
    QCOMPARE(text.count("RRULE:FREQ=YEARLY"), 4);
    QVERIFY(text.contains("DTSTART;VALUE=DATE:20000229"));
    QCOMPARE(text.count("UID:dayrail-"), dated.size());

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("праздники.ics"));
    QCOMPARE(exportICalendar(path, dated), dated.size());
    QCOMPARE(importICalendar(path), dated);
    QVERIFY_THROWS_EXCEPTION(FileError, importICalendar(dir.filePath(QStringLiteral("нет.ics"))));
}

void HolidayDatesTest::iCalendarImport_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("entries"); // empty: refused
    QTest::newRow("timed, cancelled and moved events left out")
        << ics(allDay("20260107", "Рождество") +
               "BEGIN:VEVENT\r\nUID:t\r\nDTSTART:20260110T100000Z\r\nEND:VEVENT\r\n" +
               allDay("20260111", "Нет", "STATUS:CANCELLED\r\n") +
               allDay("20260112", "Перенос", "RECURRENCE-ID;VALUE=DATE:20260105\r\n"))
        << QStringList{"7 января 2026г. Рождество"};
    QTest::newRow("only plain yearly rules lose the year")
        << ics(allDay("20000308", "Женский день", "RRULE:FREQ=YEARLY\r\n") +
               allDay("19990501", "Май", "RRULE:FREQ=YEARLY;BYMONTH=5;COUNT=50\r\n") +
               allDay("20241128", "Четверг", "RRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=4TH\r\n") +
               allDay("20240101", "Чётные", "RRULE:FREQ=YEARLY;INTERVAL=2\r\n"))
        << QStringList{"8 марта  Женский день", "1 мая  Май", "28 ноября 2024г. Четверг",
                       "1 января 2024г. Чётные"};
    QTest::newRow("one line, BOM, two calendars")
        << "\xEF\xBB\xBF" + ics(allDay("20260601", "Дети\\nи лето")) + ics(allDay("20260612", "Р"))
        << QStringList{"1 июня 2026г. Дети и лето", "12 июня 2026г. Р"};
    QTest::newRow("no all-day events") << ics(QByteArray()) << QStringList();
    QTest::newRow("event without calendar") << allDay("20260101", "X") << QStringList();
    QTest::newRow("not a calendar") << QByteArray("7 января 2005г. Рождество") << QStringList();
}

void HolidayDatesTest::iCalendarImport()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, entries);
    if (entries.isEmpty()) {
        QVERIFY_THROWS_EXCEPTION(DayrailError, holidaysFromICalendar(text, QStringLiteral("x")));
        return;
    }
    const QStringList imported = holidaysFromICalendar(text, QStringLiteral("x"));
    QCOMPARE(imported, entries);
    for (const QString &entry : imported)
        QVERIFY2(parseHolidayEntry(entry).has_value(), qPrintable(entry));
}

namespace {

// Runs a script with python3 and its icalendar module, the second reader;
// nothing when they are not installed (python3 is looked for in /usr/bin
// too, for a PATH that finds one without the module first).
std::optional<QString> runSecondReader(const QString &script, const QString &path)
{
    for (const QStringList &paths : {QStringList(), QStringList{QStringLiteral("/usr/bin")}}) {
        QProcess process;
        process.start(
            QStandardPaths::findExecutable(QStringLiteral("python3"), paths),
            {QStringLiteral("-c"), "import sys\nfrom icalendar import *\n" + script, path});
        if (process.waitForFinished(30000) && process.exitCode() == 0)
            return QString::fromUtf8(process.readAllStandardOutput());
    }
    return std::nullopt;
}

} // namespace

void HolidayDatesTest::iCalendarSecondReader()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.ics"));
    exportICalendar(path, {"7 января 2005г. Рождество", "29 февраля  Високос, лишь"});
    const std::optional<QString> read = runSecondReader(
        QStringLiteral(
            "for e in Calendar.from_ical(open(sys.argv[1], 'rb').read()).walk('VEVENT'):\n"
            "    r = e.get('RRULE')\n"
            "    print(e.decoded('DTSTART'), e.decoded('DTEND'), r.to_ical().decode() if r else "
            "'-', e.get('SUMMARY'))\n"),
        path);
    if (!read)
        QSKIP("python3 with the icalendar module is not installed");
    QCOMPARE(*read, QStringLiteral("2005-01-07 2005-01-08 - Рождество\n"
                                   "2000-02-29 2000-03-01 FREQ=YEARLY Високос, лишь\n"));

    // And the other way: its all-day events, folded lines and escapes.
    const QString written = dir.filePath(QStringLiteral("in.ics"));
    QVERIFY(runSecondReader(
        QStringLiteral(
            "import datetime\nc = Calendar()\n"
            "c.add('prodid', '-//T//RU')\nc.add('version', '2.0')\n"
            "long = 'День России; ' + ', '.join(['очень длинный'] * 6)\n"
            "for d, s, r in (((2005, 1, 7), 'Рождество', None),\n"
            "                ((2000, 3, 8), 'Женский день', {'freq': 'yearly'}),\n"
            "                ((2026, 6, 12), long, None)):\n"
            "    e = Event()\n    e.add('uid', s)\n    e.add('dtstart', datetime.date(*d))\n"
            "    e.add('summary', s)\n    r and e.add('rrule', r)\n    c.add_component(e)\n"
            "open(sys.argv[1], 'wb').write(c.to_ical())\n"),
        written));
    QCOMPARE(
        importICalendar(written),
        (QStringList{"7 января 2005г. Рождество", "8 марта  Женский день",
                     "12 июня 2026г. День России; " + QStringList(6, "очень длинный").join(", ")}));
}

void HolidayDatesTest::viewOptions_data()
{
    QTest::addColumn<QByteArray>("file");  // "-": no file
    // today, holidays, week numbers, working year as 1/0
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("damaged");
    QTest::newRow("missing") << QByteArray("-") << QStringLiteral("1100") << false;
    QTest::newRow("written form") << QByteArray("FALSE\r\nFALSE\r\nTRUE\r\n")
                                  << QStringLiteral("0010") << false;
    QTest::newRow("LF only, any case")
        << QByteArray("true\nFalse\ntrue\n") << QStringLiteral("1010") << false;
    QTest::newRow("working year on")
        << QByteArray("FALSE\r\nTRUE\r\nFALSE\r\nTRUE\r\n") << QStringLiteral("0101") << false;
    QTest::newRow("short") << QByteArray("FALSE\r\n") << QStringLiteral("0100") << true;
    QTest::newRow("bad words") << QByteArray("yes\r\nFALSE\r\n\xff\x00\r\n", 16)
                               << QStringLiteral("1000") << true;
}

void HolidayDatesTest::viewOptions()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, expected);
    QFETCH(bool, damaged);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("view.cal"));
    QFile out(path);
    if (file != "-")
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file) == file.size() && out.flush());
    bool wasDamaged = !damaged;
    const ViewOptions options = readViewOptions(path, &wasDamaged);
    QCOMPARE(QStringLiteral("%1%2%3%4")
                 .arg(options.markToday)
                 .arg(options.markHolidays)
                 .arg(options.weekNumbers)
                 .arg(options.workCalendar),
             expected);
    QCOMPARE(wasDamaged, damaged);
    // Written back as clean lines that read the same: three while the
    // working year is off, as before it existed.
    writeViewOptions(path, options);
    QCOMPARE(readViewOptions(path, &wasDamaged), options);
    QVERIFY(!wasDamaged);
    QCOMPARE(readTextFile(path).size(), options.workCalendar ? 4 : 3);
}

QTEST_GUILESS_MAIN(HolidayDatesTest)
#include "tst_holidaydates.moc"
