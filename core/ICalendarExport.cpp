// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ICalendar.h"

#include "base/TextFile.h"
#include "core/HolidayDates.h"

#include <QCryptographicHash>
#include <QDate>
#include <QDateTime>
#include <QHash>
#include <memory>
#include <optional>

#include <libical/ical.h>

namespace {

const char kProductId[] = "-//Dayrail//Dayrail XP 1.0//RU";
// Yearly events start in a leap year, so that 29 February recurs (in leap
// years only, as iCalendar skips the dates a year does not have).
constexpr int kYearlyStartYear = 2000;
const char kCalendarEnd[] = "END:VCALENDAR\r\n";

using Component = std::unique_ptr<icalcomponent, void (*)(icalcomponent *)>;

// For an entry without an identity of its own: stable across exports, so
// that a calendar program updates the events it already has instead of
// doubling them; repeat tells equal entries apart.
QByteArray uidFor(const QString &entry, int repeat)
{
    const QByteArray hash =
        QCryptographicHash::hash(entry.toUtf8(), QCryptographicHash::Sha1).toHex().left(20);
    return "dayrail-" + hash + '-' + QByteArray::number(repeat);
}

QByteArray dateValue(const QDate &date)
{
    return QByteArray::number(date.year()).rightJustified(4, '0') +
           QByteArray::number(date.month()).rightJustified(2, '0') +
           QByteArray::number(date.day()).rightJustified(2, '0');
}

// libical writes no date after the year 3000 and drops VALUE=DATE before the
// year 1000, so the dates are written here, always as dates.
QByteArray dateLines(const QDate &first)
{
    QByteArray lines = "DTSTART;VALUE=DATE:" + dateValue(first) + "\r\n";
    // The end is exclusive: the next day. A start date alone means one day
    // too, which serves 31 December 9999.
    const QDate end = first.addDays(1);
    if (end.year() <= 9999)
        lines += "DTEND;VALUE=DATE:" + dateValue(end) + "\r\n";
    return lines;
}

// Readers drop a value's outer spaces: those, and '%' itself, are written
// percent-encoded.
QByteArray ownEntryValue(const QString &entry)
{
    QByteArray value = entry.toUtf8().replace("%", "%25");
    qsizetype lead = 0;
    while (lead < value.size() && value.at(lead) == ' ')
        ++lead;
    qsizetype trail = 0;
    while (trail < value.size() - lead && value.at(value.size() - 1 - trail) == ' ')
        ++trail;
    return QByteArray("%20").repeated(lead) + value.mid(lead, value.size() - lead - trail) +
           QByteArray("%20").repeated(trail);
}

QByteArray eventText(const QString &entry, const HolidayDate &date, const QByteArray &uid,
                     const icaltimetype &stamp)
{
    Component event(icalcomponent_new(ICAL_VEVENT_COMPONENT), icalcomponent_free);
    icalcomponent_add_property(event.get(), icalproperty_new_uid(uid.constData()));
    icalcomponent_add_property(event.get(), icalproperty_new_dtstamp(stamp));
    icalcomponent_add_property(event.get(),
                               icalproperty_new_summary(date.caption.toUtf8().constData()));
    // A holiday does not make anyone busy.
    icalcomponent_add_property(event.get(), icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    if (!date.year) {
        icalrecurrencetype rule;
        icalrecurrencetype_clear(&rule);
        rule.freq = ICAL_YEARLY_RECURRENCE;
        icalcomponent_add_property(event.get(), icalproperty_new_rrule(rule));
    }
    icalproperty *own = icalproperty_new_x(ownEntryValue(entry).constData());
    icalproperty_set_x_name(own, kEntryProperty);
    icalcomponent_add_property(event.get(), own);
    char *text = icalcomponent_as_ical_string_r(event.get());
    QByteArray result(text);
    icalmemory_free_buffer(text);
    const QByteArray begin = "BEGIN:VEVENT\r\n";
    if (result.startsWith(begin))
        result.insert(begin.size(),
                      dateLines(QDate(date.year.value_or(kYearlyStartYear), date.month, date.day)));
    return result;
}

// Why an entry without a date in the composed form is left out.
QString reasonWithoutDate(const QString &entry)
{
    // The composed form with day 1 instead of the entry's day: a date that
    // does not exist (31 April, 29 February of a common year).
    int digits = 0;
    while (digits < entry.size() && digits < 2 && entry.at(digits).isDigit())
        ++digits;
    if (digits > 0 && parseHolidayEntry(QLatin1Char('1') + entry.mid(digits)))
        return QStringLiteral("такого дня нет в календаре");
    return QStringLiteral("запись без даты");
}

QByteArray calendarHead()
{
    Component calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT), icalcomponent_free);
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid(kProductId));
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    char *head = icalcomponent_as_ical_string_r(calendar.get());
    QByteArray text(head);
    icalmemory_free_buffer(head);
    if (text.endsWith(kCalendarEnd))
        text.chop(qstrlen(kCalendarEnd));
    return text;
}

icaltimetype utcStamp(const QDateTime &stamp)
{
    return icaltime_from_timet_with_zone(static_cast<time_t>(stamp.toSecsSinceEpoch()), 0,
                                         icaltimezone_get_utc_timezone());
}

} // namespace

QByteArray entryToICalendar(const QString &entry, const QByteArray &uid, const QDateTime &stamp)
{
    const std::optional<HolidayDate> date = parseHolidayEntry(entry);
    if (!date)
        return {};
    return calendarHead() + eventText(entry, *date, uid, utcStamp(stamp)) + kCalendarEnd;
}

ICalendarExport holidaysToICalendar(const QStringList &entries, const QList<QByteArray> &uids,
                                    const QDateTime &stamp)
{
    ICalendarExport result;
    QByteArray text = calendarHead();
    const icaltimetype stampUtc = utcStamp(stamp);
    QHash<QString, int> repeats;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString &entry = entries.at(i);
        const std::optional<HolidayDate> date = parseHolidayEntry(entry);
        if (!date) {
            result.leftOut << ICalendarNote{{}, quoteForMessage(entry), reasonWithoutDate(entry)};
            continue;
        }
        const QByteArray uid = uids.value(i);
        const int repeat = repeats[entry]++;
        text += eventText(entry, *date, uid.isEmpty() ? uidFor(entry, repeat) : uid, stampUtc);
        ++result.events;
    }
    result.text = text + kCalendarEnd;
    return result;
}

ICalendarExport exportICalendar(const QString &path, const QStringList &entries,
                                const QList<QByteArray> &uids, const QDateTime &stamp)
{
    ICalendarExport result = holidaysToICalendar(entries, uids, stamp);
    writeFileAtomically(path, result.text);
    return result;
}
