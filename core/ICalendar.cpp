// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ICalendar.h"

#include "Errors.h"
#include "HolidayDates.h"
#include "TextFile.h"

#include <QCryptographicHash>
#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QHash>
#include <memory>
#include <optional>
#include <vector>

#include <libical/ical.h>

namespace {

const char kProductId[] = "-//Dayrail//Dayrail XP 1.0//RU";
// Yearly events start in a leap year, so that 29 February recurs (in leap
// years only, as iCalendar skips the dates a year does not have).
constexpr int kYearlyStartYear = 2000;
// An entry's year has at most four digits.
constexpr int kLastEntryYear = 9999;
// A calendar file is read whole; beyond this it is not one this program can use.
constexpr qint64 kLargestFile = 64 * 1024 * 1024;

using Component = std::unique_ptr<icalcomponent, void (*)(icalcomponent *)>;

icaltimetype icalDate(const QDate &date)
{
    icaltimetype time = icaltime_null_date();
    time.year = date.year();
    time.month = date.month();
    time.day = date.day();
    return time;
}

// Stable across exports, so that a calendar program updates the events it
// already has instead of doubling them; repeat tells equal entries apart.
QByteArray uidFor(const QString &entry, int repeat)
{
    const QByteArray hash =
        QCryptographicHash::hash(entry.toUtf8(), QCryptographicHash::Sha1).toHex().left(20);
    return "dayrail-" + hash + '-' + QByteArray::number(repeat);
}

// Nothing for a date libical cannot write (it stops at the year 3000).
icalcomponent *newEvent(const HolidayDate &date, const QByteArray &uid, const icaltimetype &stamp)
{
    const QDate first(date.year.value_or(kYearlyStartYear), date.month, date.day);
    const icaltimetype start = icalDate(first);
    if (!icaltime_is_valid_time(start))
        return nullptr;
    icalcomponent *event = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    icalcomponent_add_property(event, icalproperty_new_uid(uid.constData()));
    icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp));
    icalcomponent_add_property(event, icalproperty_new_dtstart(start));
    // The end is exclusive: the next day. A start date alone means one day
    // too, which serves the last day libical can write.
    const icaltimetype end = icalDate(first.addDays(1));
    if (icaltime_is_valid_time(end))
        icalcomponent_add_property(event, icalproperty_new_dtend(end));
    icalcomponent_add_property(event, icalproperty_new_summary(date.caption.toUtf8().constData()));
    // A holiday does not make anyone busy.
    icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    if (!date.year) {
        icalrecurrencetype rule;
        icalrecurrencetype_clear(&rule);
        rule.freq = ICAL_YEARLY_RECURRENCE;
        icalcomponent_add_property(event, icalproperty_new_rrule(rule));
    }
    return event;
}

bool isEmpty(const short *list)
{
    return list[0] == ICAL_RECURRENCE_ARRAY_MAX;
}

bool isEmptyOr(const short *list, int value)
{
    return isEmpty(list) || (list[0] == value && list[1] == ICAL_RECURRENCE_ARRAY_MAX);
}

// Every year on the start's day and month, and nothing else.
bool isPlainYearly(icalcomponent *event, const icaltimetype &start)
{
    icalproperty *property = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY);
    if (!property)
        return false;
    const icalrecurrencetype rule = icalproperty_get_rrule(property);
    const bool gregorian = !rule.rscale || qstricmp(rule.rscale, "GREGORIAN") == 0;
    return rule.freq == ICAL_YEARLY_RECURRENCE && rule.interval <= 1 && gregorian &&
           isEmpty(rule.by_day) && isEmpty(rule.by_year_day) && isEmpty(rule.by_week_no) &&
           isEmpty(rule.by_set_pos) && isEmptyOr(rule.by_month, start.month) &&
           isEmptyOr(rule.by_month_day, start.day);
}

// An entry is one line of a profile: line breaks and other control
// characters of a summary become spaces.
QString captionFrom(const char *summary)
{
    QString caption = QString::fromUtf8(summary);
    for (QChar &c : caption)
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    return caption;
}

std::optional<QString> entryForEvent(icalcomponent *event)
{
    // A cancelled event, or one that only moves an occurrence of another.
    if (icalcomponent_get_status(event) == ICAL_STATUS_CANCELLED ||
        icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY))
        return std::nullopt;
    if (!icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY))
        return std::nullopt;
    const icaltimetype start = icalcomponent_get_dtstart(event);
    if (icaltime_is_null_time(start) || !icaltime_is_date(start))
        return std::nullopt;
    if (start.year < 1 || start.year > kLastEntryYear ||
        !QDate::isValid(start.year, start.month, start.day))
        return std::nullopt;
    HolidayDate date;
    date.day = start.day;
    date.month = start.month;
    if (!isPlainYearly(event, start))
        date.year = start.year;
    date.caption = captionFrom(icalcomponent_get_summary(event));
    return composeHolidayEntry(date);
}

std::vector<icalcomponent *> calendarsIn(icalcomponent *root)
{
    std::vector<icalcomponent *> calendars;
    if (!root)
        return calendars;
    if (icalcomponent_isa(root) == ICAL_VCALENDAR_COMPONENT) {
        calendars.push_back(root);
    } else if (icalcomponent_isa(root) == ICAL_XROOT_COMPONENT) {
        // Several calendars one after another in one file.
        for (icalcomponent *c = icalcomponent_get_first_component(root, ICAL_VCALENDAR_COMPONENT);
             c; c = icalcomponent_get_next_component(root, ICAL_VCALENDAR_COMPONENT))
            calendars.push_back(c);
    }
    return calendars;
}

DayrailError unreadable(const QString &name)
{
    return DayrailError(
        QStringLiteral("Не удаётся прочитать календарь iCalendar из файла \"%1\".").arg(name));
}

} // namespace

QByteArray holidaysToICalendar(const QStringList &entries, int *count)
{
    Component calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT), icalcomponent_free);
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid(kProductId));
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    const icaltimetype stamp =
        icaltime_from_timet_with_zone(static_cast<time_t>(QDateTime::currentSecsSinceEpoch()), 0,
                                      icaltimezone_get_utc_timezone());
    QHash<QString, int> repeats;
    int events = 0;
    for (const QString &entry : entries) {
        const std::optional<HolidayDate> date = parseHolidayEntry(entry);
        if (!date)
            continue;
        if (icalcomponent *event = newEvent(*date, uidFor(entry, repeats[entry]++), stamp)) {
            icalcomponent_add_component(calendar.get(), event);
            ++events;
        }
    }
    if (count)
        *count = events;
    char *text = icalcomponent_as_ical_string_r(calendar.get());
    const QByteArray result(text);
    icalmemory_free_buffer(text);
    return result;
}

int exportICalendar(const QString &path, const QStringList &entries)
{
    int count = 0;
    writeFileAtomically(path, holidaysToICalendar(entries, &count));
    return count;
}

QStringList holidaysFromICalendar(const QByteArray &text, const QString &name)
{
    QByteArray data = text;
    if (data.startsWith("\xEF\xBB\xBF"))
        data.remove(0, 3);
    Component root(icalparser_parse_string(data.constData()), icalcomponent_free);
    const std::vector<icalcomponent *> calendars = calendarsIn(root.get());
    if (calendars.empty())
        throw unreadable(name);
    QStringList entries;
    for (icalcomponent *calendar : calendars)
        for (icalcomponent *event =
                 icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
             event; event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT))
            if (const std::optional<QString> entry = entryForEvent(event))
                entries << *entry;
    if (entries.isEmpty())
        throw DayrailError(QStringLiteral("В файле \"%1\" нет событий на целый день.").arg(name));
    return entries;
}

QStringList importICalendar(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(
            QStringLiteral("Не удаётся открыть файл \"%1\": %2").arg(path, file.errorString()));
    if (file.size() > kLargestFile)
        throw unreadable(path);
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileError(
            QStringLiteral("Ошибка чтения файла \"%1\": %2").arg(path, file.errorString()));
    return holidaysFromICalendar(data, path);
}
