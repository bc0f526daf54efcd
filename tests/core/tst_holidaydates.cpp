// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// Dates read from holiday entries, the iCalendar exchange and view.cal.
#include "base/Errors.h"
#include "base/TextFile.h"
#include "core/HolidayDates.h"
#include "core/ICalendar.h"
#include "core/ViewOptions.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>

namespace {

// The time an export is made, as the program's clock would give it.
const QDateTime kStamp(QDate(2026, 3, 15), QTime(10, 0), Qt::UTC);

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
    void iCalendarFullList();
    void iCalendarSecondReader();
    void iCalendarCalendarProgram();
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

namespace {

// The list's rules as the holiday page gives them, in short.
ICalendarImportRules rulesFor(const QStringList &listed = {}, int capacity = 999)
{
    ICalendarImportRules rules;
    rules.listed = listed;
    rules.capacity = capacity;
    rules.captionProblem = [](const QString &caption) {
        return caption.size() < 4 ? QStringLiteral("short") : QString();
    };
    rules.entryProblem = [](const QString &entry) {
        return fitsIn1251(entry) ? QString() : QStringLiteral("1251");
    };
    return rules;
}

QStringList datesOf(const QList<ICalendarNote> &notes)
{
    QStringList dates;
    for (const ICalendarNote &note : notes)
        dates << note.date;
    return dates;
}

} // namespace

void HolidayDatesTest::iCalendarRoundTrip()
{
    const QStringList dated = {"7 января 2005г. Рождество",
                               "8 марта  Женский день",
                               "29 февраля  Високос",
                               "1 мая  Мир, труд; май \\ \"x\"",
                               "1 января 0001г.  Начало с пробелами ",
                               "31 декабря 9999г. Конец",
                               "2 июня 3001г. Далеко",
                               "3 мая 2020г. " + QString(50, QChar(0x0436)) + " слова",
                               "8 марта  Женский день"};
    // Every entry with a date goes out, always as a date; the rest is listed.
    const ICalendarExport written =
        holidaysToICalendar(dated + QStringList{"заметка", "31 апреля  Нет дня"}, {}, kStamp);
    QCOMPARE(written.events, dated.size());
    QCOMPARE(datesOf(written.leftOut).size(), 2);
    QCOMPARE(written.leftOut.at(1).reason, QStringLiteral("такого дня нет в календаре"));
    QVERIFY(written.text.contains("PRODID:-//Dayrail//Dayrail XP 1.0//RU\r\n"));
    QCOMPARE(written.text.count("RRULE:FREQ=YEARLY"), 4);
    QCOMPARE(written.text.count("DTSTART;VALUE=DATE:"), dated.size());
    QVERIFY(written.text.contains("DTSTART;VALUE=DATE:00010101\r\nDTEND;VALUE=DATE:00010102\r\n"));
    QVERIFY(written.text.contains("DTSTART;VALUE=DATE:99991231\r\nUID"));
    QCOMPARE(written.text.count("UID:dayrail-"), dated.size());
    QCOMPARE(written.text.count("DTSTAMP:20260315T100000Z\r\n"), dated.size());

    // Into an empty list: the same entries, spaces and year forms included.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("праздники.ics"));
    exportICalendar(path, dated, {}, kStamp);
    const ICalendarImport read = importICalendar(path, rulesFor());
    QCOMPARE(read.entries, QStringList(dated.mid(0, dated.size() - 1)));
    QCOMPARE(datesOf(read.notes), QStringList{"08.03"}); // the repeated entry, merged
    QVERIFY_THROWS_EXCEPTION(FileError,
                             importICalendar(dir.filePath(QStringLiteral("нет.ics")), rulesFor()));
    QVERIFY_THROWS_EXCEPTION(FileError, importICalendar(dir.path(), rulesFor()));
}

void HolidayDatesTest::iCalendarImport_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("entries"); // empty: refused
    QTest::addColumn<QStringList>("notes");   // the dates of the events left out or changed
    const QByteArray moscow = ";TZID=Europe/Moscow:";
    QTest::newRow("timed, cancelled, moved and captionless events listed")
        << ics(allDay("20260107", "Рождество") +
               "BEGIN:VEVENT\r\nUID:t\r\nDTSTART:20260110T100000Z\r\nSUMMARY:Встреча\r\n"
               "END:VEVENT\r\n" +
               allDay("20260111", "Нет всё же", "STATUS:CANCELLED\r\n") +
               allDay("20260112", "Перенос", "RECURRENCE-ID;VALUE=DATE:20260105\r\n") +
               allDay("20260113", "") + allDay("20260114", "Р"))
        << QStringList{"7 января 2026г. Рождество"}
        << QStringList{"10.01.2026", "11.01.2026", "12.01.2026", "13.01.2026", "14.01.2026"};
    QTest::newRow("repeats that end are dated, plain yearly ones are not")
        << ics(allDay("20000308", "Женский день", "RRULE:FREQ=YEARLY\r\n") +
               allDay("20200501", "Майский",
                      "RRULE:FREQ=YEARLY;COUNT=3\r\nEXDATE;VALUE=DATE:"
                      "20210501\r\nRDATE;VALUE=DATE:20300502\r\n") +
               allDay("20240101", "Пока", "RRULE:FREQ=YEARLY;UNTIL=20250101\r\n") +
               allDay("20241128", "Четверг", "RRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=4TH\r\n") +
               allDay("20240102", "Чётные", "RRULE:FREQ=YEARLY;INTERVAL=2\r\n") +
               allDay("20240103", "Неделя", "RRULE:FREQ=WEEKLY;COUNT=2\r\n") +
               allDay("20100612", "Россия", "RRULE:FREQ=YEARLY\r\nEXDATE;VALUE=DATE:20110612\r\n"))
        << QStringList{"8 марта  Женский день",  "1 мая 2020г. Майский",    "1 мая 2022г. Майский",
                       "2 мая 2030г. Майский",   "1 января 2024г. Пока",    "1 января 2025г. Пока",
                       "3 января 2024г. Неделя", "10 января 2024г. Неделя", "12 июня  Россия"}
        << QStringList{"28.11.2024", "02.01.2024", "12.06"};
    QTest::newRow("several days, and midnight to midnight")
        << ics(allDay("20260501", "Майские", "DTEND;VALUE=DATE:20260504\r\n") +
               allDay("20261230", "Каникулы", "DURATION:P3D\r\n") +
               "BEGIN:VEVENT\r\nUID:m\r\nDTSTART" + moscow + "20260610T000000\r\nDTEND" + moscow +
               "20260611T000000\r\nSUMMARY:Полночь\r\nEND:VEVENT\r\n"
               "BEGIN:VEVENT\r\nUID:f\r\nDTSTART:20260701T000000\r\nDTEND:20260701T235900\r\n"
               "X-MICROSOFT-CDO-ALLDAYEVENT:TRUE\r\nSUMMARY:Флаг\r\nEND:VEVENT\r\n")
        << QStringList{"1 мая 2026г. Майские",       "2 мая 2026г. Майские",
                       "3 мая 2026г. Майские",       "30 декабря 2026г. Каникулы",
                       "31 декабря 2026г. Каникулы", "1 января 2027г. Каникулы",
                       "10 июня 2026г. Полночь",     "1 июля 2026г. Флаг"}
        << QStringList();
    QTest::newRow("BOM, folded line break, two calendars, year 1")
        << "\xEF\xBB\xBF" + ics(allDay("20260601", "Дети\\nи\r\n  лето")) +
               ics(allDay("00010101", "Начало"))
        << QStringList{"1 июня 2026г. Дети и лето", "1 января 1г. Начало"} << QStringList();
    QTest::newRow("Windows-1251")
        << ics(allDay("20260107", "\xD0\xEE\xE6\xE4\xE5\xF1\xF2\xE2\xEE") +
               allDay("20260108", "\xC0\xE1\xE2\xE3"))
        << QStringList{"7 января 2026г. Рождество", "8 января 2026г. Абвг"} << QStringList();
    QTest::newRow("an overlong line stops its event only")
        << ics(allDay("20260301", QByteArray(70000, 'x')) + allDay("20260302", "Весна"))
        << QStringList{"2 марта 2026г. Весна"} << QStringList{"01.03.2026"};
    QTest::newRow("a file cut short inside an event")
        << ics(allDay("20260301", "Весна")).replace("END:VCALENDAR\r\n", "") +
               "BEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20260302\r\nSUMMARY:Обрыв"
        << QStringList{"1 марта 2026г. Весна"} << QStringList{"02.03.2026"};
    QTest::newRow("no events") << ics(QByteArray()) << QStringList() << QStringList();
    QTest::newRow("event without calendar")
        << allDay("20260101", "Новый год") << QStringList() << QStringList();
    QTest::newRow("not a calendar")
        << QByteArray("7 января 2005г. Рождество") << QStringList() << QStringList();
}

void HolidayDatesTest::iCalendarImport()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, notes);
    if (entries.isEmpty()) {
        QVERIFY_THROWS_EXCEPTION(DayrailError,
                                 holidaysFromICalendar(text, QStringLiteral("x"), rulesFor()));
        return;
    }
    const ICalendarImport imported = holidaysFromICalendar(text, QStringLiteral("x"), rulesFor());
    QCOMPARE(imported.entries, entries);
    QCOMPARE(imported.added, entries.size());
    QCOMPARE(datesOf(imported.notes), notes);
    QCOMPARE(imported.read1251, QTest::currentDataTag()[0] == 'W');
    for (const QString &entry : imported.entries)
        QVERIFY2(parseHolidayEntry(entry).has_value(), qPrintable(entry));
}

void HolidayDatesTest::iCalendarFullList()
{
    // The list fills up: reading stops there, and says so.
    QByteArray events;
    for (int day = 1; day <= 9; ++day)
        events += allDay("2026010" + QByteArray::number(day), "День");
    const ICalendarImport imported = holidaysFromICalendar(ics(events), QStringLiteral("x"),
                                                           rulesFor({"1 января 2026г. День"}, 4));
    QCOMPARE(imported.entries.size(), 4);
    QCOMPARE(datesOf(imported.notes), (QStringList{"01.01.2026", "05.01.2026"}));
    QVERIFY(imported.notes.last().reason.contains(QStringLiteral("заполнен")));
    // The day that did not fit and the four events after it.
    QCOMPARE(imported.notRead, 5);
    QCOMPARE(imported.notReadWhy, QStringLiteral("в профиле не больше 4 записей"));
}

namespace {

// Runs a script with python3 and its icalendar module (or the one script
// imports), the second reader; nothing when they are not installed (python3
// is looked for in /usr/bin too, for a PATH that finds one without the module).
std::optional<QString>
runSecondReader(const QString &script, const QString &path,
                const QString &header = "import sys\nfrom icalendar import *\n")
{
    for (const QStringList &paths : {QStringList(), QStringList{QStringLiteral("/usr/bin")}}) {
        QProcess process;
        process.start(QStandardPaths::findExecutable(QStringLiteral("python3"), paths),
                      {QStringLiteral("-c"), header + script, path});
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
    exportICalendar(path, {"7 января 2005г. Рождество", "29 февраля  Високос, лишь"}, {}, kStamp);
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
        importICalendar(written, rulesFor()).entries,
        (QStringList{"7 января 2005г. Рождество", "8 марта  Женский день",
                     "12 июня 2026г. День России; " + QStringList(6, "очень длинный").join(", ")}));

    // A second writer: a repeat that ends with an exclusion and an added
    // date, several days, midnight to midnight.
    const QString vobject = dir.filePath(QStringLiteral("vobject.ics"));
    if (!runSecondReader(
            QStringLiteral("c = vobject.iCalendar()\n"
                           "def ev(summary, start, **kw):\n"
                           "    e = c.add('vevent'); e.add('uid').value = summary\n"
                           "    e.add('summary').value = summary; e.add('dtstart').value = start\n"
                           "    for k, v in kw.items(): e.add(k).value = v\n"
                           "ev('Годовщина', date(2020, 9, 1), rrule='FREQ=YEARLY;COUNT=3',\n"
                           "   exdate=[date(2021, 9, 1)], rdate=[date(2030, 9, 2)])\n"
                           "ev('Отпуск', date(2026, 7, 31), dtend=date(2026, 8, 2))\n"
                           "ev('Полночь', datetime(2026, 10, 10), dtend=datetime(2026, 10, 11))\n"
                           "open(sys.argv[1], 'w').write(c.serialize())\n"),
            vobject, QStringLiteral("import sys, vobject\nfrom datetime import date, datetime\n")))
        QSKIP("python3 with the vobject module is not installed");
    QCOMPARE(importICalendar(vobject, rulesFor()).entries,
             (QStringList{"1 сентября 2020г. Годовщина", "1 сентября 2022г. Годовщина",
                          "2 сентября 2030г. Годовщина", "31 июля 2026г. Отпуск",
                          "1 августа 2026г. Отпуск", "10 октября 2026г. Полночь"}));
}

void HolidayDatesTest::iCalendarCalendarProgram()
{
    // A real calendar program imports every exported event.
    const QString calcurse = QStandardPaths::findExecutable(QStringLiteral("calcurse"));
    if (calcurse.isEmpty())
        QSKIP("calcurse is not installed");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.ics"));
    const QStringList entries{"7 января 2005г. Рождество", "29 февраля  Високос",
                              "1 января 1г. Начало", "8 марта  Женский день",
                              "31 декабря 2030г. Конец года"};
    const ICalendarExport written = exportICalendar(path, entries, {}, kStamp);
    QProcess process;
    process.start(calcurse, {QStringLiteral("-D"), dir.path(), QStringLiteral("-q"),
                             QStringLiteral("-i"), path});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 0);
    QFile apts(dir.filePath(QStringLiteral("apts")));
    QVERIFY(apts.open(QIODevice::ReadOnly));
    const QByteArray stored = apts.readAll();
    QCOMPARE(int(stored.count('\n')), written.events);
    QVERIFY2(stored.contains("01/07/2005 [1] Рождество"), stored.constData());

    // And back as it writes them: every event arrives or is listed.
    process.start(calcurse, {QStringLiteral("-D"), dir.path(), QStringLiteral("--export=ical")});
    QVERIFY(process.waitForFinished(30000));
    const ICalendarImport back = holidaysFromICalendar(process.readAllStandardOutput(),
                                                       QStringLiteral("calcurse"), rulesFor());
    QCOMPARE(back.added + back.notes.size(), written.events);
    QVERIFY(back.added >= written.events - 1); // it may write the year 1 as no date
    for (const QString &entry : back.entries)
        QVERIFY2(entries.contains(entry), qPrintable(entry));
}

void HolidayDatesTest::viewOptions_data()
{
    QTest::addColumn<QByteArray>("file"); // "-": no file
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
