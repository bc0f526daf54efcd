// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/EventStore.h"

#include "base/Errors.h"
#include "base/TextFile.h"
#include "core/ICalendar.h"
#include "core/ICalendarEvents.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <memory>

#include <libical/ical.h>

namespace {

using Component = std::unique_ptr<icalcomponent, void (*)(icalcomponent *)>;

// A rule is followed this many steps at most for one year's marks.
constexpr int kMostSteps = 100000;
// An occurrence marks this many days at most.
constexpr int kLongestEvent = 400;

bool isLine(QByteArrayView line, const char *text)
{
    return line.trimmed().compare(text, Qt::CaseInsensitive) == 0;
}

Component parsed(const QByteArray &ics)
{
    return Component(icalparser_parse_string(ics.constData()), icalcomponent_free);
}

// The day of a time as the event means it: a time in UTC on this computer's
// clock, any other in its own zone.
QDate dayOf(const icaltimetype &time)
{
    if (icaltime_is_null_time(time) || time.year < 1 || time.year > 9999)
        return {};
    const QDate date(time.year, time.month, time.day);
    if (time.is_date || !icaltime_is_utc(time))
        return date;
    return QDateTime(date, QTime(time.hour, time.minute, time.second), Qt::UTC)
        .toLocalTime()
        .date();
}

bool isMidnight(const icaltimetype &time)
{
    return time.is_date || (time.hour == 0 && time.minute == 0 && time.second == 0);
}

// How many days one occurrence of event touches: an end at midnight is exclusive.
int daysOf(icalcomponent *event, const QDate &first)
{
    const bool hasEnd = icalcomponent_get_first_property(event, ICAL_DTEND_PROPERTY) ||
                        icalcomponent_get_first_property(event, ICAL_DURATION_PROPERTY);
    if (!hasEnd)
        return 1;
    const icaltimetype end = icalcomponent_get_dtend(event);
    const QDate last = dayOf(end);
    if (!last.isValid())
        return 1;
    const qint64 days = first.daysTo(last) + (isMidnight(end) ? 0 : 1);
    return int(qBound<qint64>(1, days, qint64(kLongestEvent)));
}

QList<QDate> datesOf(icalcomponent *event, icalproperty_kind kind)
{
    QList<QDate> dates;
    for (icalproperty *p = icalcomponent_get_first_property(event, kind); p;
         p = icalcomponent_get_next_property(event, kind)) {
        icaltimetype time = icaltime_null_time();
        if (kind == ICAL_EXDATE_PROPERTY) {
            time = icalproperty_get_exdate(p);
        } else if (kind == ICAL_RECURRENCEID_PROPERTY) {
            time = icalproperty_get_recurrenceid(p);
        } else {
            const icaldatetimeperiodtype value = icalproperty_get_rdate(p);
            time = icaltime_is_null_time(value.time) ? value.period.start : value.time;
        }
        if (const QDate date = dayOf(time); date.isValid())
            dates << date;
    }
    return dates;
}

// The start days of the event's occurrences from first to last.
QList<QDate> startsOf(icalcomponent *event, const QDate &first, const QDate &last,
                      const QList<QDate> &moved)
{
    const icaltimetype start = icalcomponent_get_dtstart(event);
    QList<QDate> starts = datesOf(event, ICAL_RDATE_PROPERTY);
    icalproperty *rule = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY);
    if (!rule) {
        starts.prepend(dayOf(start));
    } else if (const icalrecurrencetype recurrence = icalproperty_get_rrule(rule);
               icalrecur_iterator *steps = icalrecur_iterator_new(recurrence, start)) {
        // Straight to the window; a count has to be walked from the start.
        icaltimetype from = start;
        from.year = first.year();
        from.month = first.month();
        from.day = first.day();
        if (recurrence.count == 0 && icaltime_compare(from, start) > 0)
            icalrecur_iterator_set_start(steps, from);
        for (int i = 0; i < kMostSteps; ++i) {
            const icaltimetype next = icalrecur_iterator_next(steps);
            const QDate day = dayOf(next);
            if (!day.isValid() || day > last)
                break;
            if (day >= first && (starts.isEmpty() || starts.last() != day))
                starts << day;
        }
        icalrecur_iterator_free(steps);
    }
    const QList<QDate> excluded = datesOf(event, ICAL_EXDATE_PROPERTY) + moved;
    QList<QDate> kept;
    for (const QDate &day : starts)
        if (day.isValid() && day >= first && day <= last && !excluded.contains(day))
            kept << day;
    return kept;
}

void markEvents(const QByteArray &ics, int year, QMap<QDate, QStringList> &marks)
{
    const Component calendar = parsed(ics);
    const QList<icalcomponent *> events = eventsOf(calendar.get());
    QList<QDate> moved; // occurrences an override of the same item replaces
    for (icalcomponent *event : events)
        moved += datesOf(event, ICAL_RECURRENCEID_PROPERTY);
    const QDate yearStart(year, 1, 1), yearEnd(year, 12, 31);
    for (icalcomponent *event : events) {
        if (icalcomponent_get_status(event) == ICAL_STATUS_CANCELLED)
            continue;
        const QDate start = dayOf(icalcomponent_get_dtstart(event));
        if (!start.isValid())
            continue;
        const int days = daysOf(event, start);
        const bool override = icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY);
        const QList<QDate> starts =
            override ? QList<QDate>{start}
                     : startsOf(event, yearStart.addDays(1 - days), yearEnd, moved);
        const QString caption = QString::fromUtf8(icalcomponent_get_summary(event)).simplified();
        for (const QDate &first : starts)
            for (int i = 0; i < days; ++i)
                if (const QDate day = first.addDays(i); day.year() == year) {
                    QStringList &onDay = marks[day];
                    if (!onDay.contains(caption))
                        onDay << caption;
                }
    }
}

} // namespace

QString storedEventsPathFor(const QString &profilePath)
{
    return profilePath + QStringLiteral(".events.ics");
}

QByteArray calendarEventUid(const QByteArray &ics)
{
    const Component calendar = parsed(ics);
    const QList<icalcomponent *> events = eventsOf(calendar.get());
    const char *uid = events.isEmpty() ? nullptr : icalcomponent_get_uid(events.first());
    return uid ? QByteArray(uid) : QByteArray();
}

QByteArray storedCalendarText(const QByteArray &ics)
{
    qsizetype begin = -1, end = -1;
    for (qsizetype at = 0; at < ics.size();) {
        qsizetype next = ics.indexOf('\n', at);
        next = next < 0 ? ics.size() : next + 1;
        const QByteArrayView line = QByteArrayView(ics).sliced(at, next - at);
        if (begin < 0 && isLine(line, "BEGIN:VCALENDAR"))
            begin = at;
        else if (begin >= 0 && isLine(line, "END:VCALENDAR"))
            end = next;
        at = next;
    }
    if (begin < 0 || end < 0)
        return {};
    const QByteArray text = ics.mid(begin, end - begin);
    return text.endsWith('\n') ? text : text + "\r\n";
}

QByteArray storedEventsFileText(const CalendarItems &events)
{
    QByteArray text;
    for (const CalendarItem &event : events)
        text += storedCalendarText(event.ics);
    return text;
}

void writeStoredEvents(const QString &path, const CalendarItems &events)
{
    writeFileAtomically(path, storedEventsFileText(events));
}

StoredEventsRead parseStoredEvents(const QByteArray &text)
{
    StoredEventsRead read;
    QSet<QByteArray> uids;
    const auto take = [&](const QByteArray &ics) {
        const QByteArray uid = calendarEventUid(ics);
        if (uid.isEmpty() || uids.contains(uid)) {
            read.clean = false;
            return;
        }
        uids.insert(uid);
        read.events.append({uid, ics});
    };
    qsizetype begin = -1;
    for (qsizetype at = 0; at < text.size();) {
        qsizetype next = text.indexOf('\n', at);
        next = next < 0 ? text.size() : next + 1;
        const QByteArrayView line = QByteArrayView(text).sliced(at, next - at);
        if (begin < 0 && isLine(line, "BEGIN:VCALENDAR")) {
            begin = at;
        } else if (begin >= 0 && isLine(line, "END:VCALENDAR")) {
            take(storedCalendarText(text.mid(begin, next - begin)));
            begin = -1;
        } else if (begin < 0 && !line.trimmed().isEmpty()) {
            read.clean = false;
        }
        at = next;
    }
    if (begin >= 0)
        read.clean = false; // cut short
    return read;
}

StoredEventsRead readStoredEvents(const QString &path)
{
    if (!QFileInfo::exists(path))
        return {};
    QFile file(path);
    if (!fileExists(path) || QFileInfo(path).size() > kLargestICalendarFile ||
        !file.open(QIODevice::ReadOnly))
        throw FileError(QStringLiteral("Не удалось прочитать файл событий \"%1\"")
                            .arg(quotePathForMessage(path)));
    return parseStoredEvents(file.read(kLargestICalendarFile));
}

const QMap<QDate, QStringList> &StoredEventDays::update(const CalendarItems &events, int year)
{
    // Events only added at the end (a sync's puts) are read alone.
    bool added = year == m_year && events.size() >= m_events.size();
    for (qsizetype i = 0; added && i < m_events.size(); ++i)
        added = events.at(i) == m_events.at(i);
    if (year != m_year)
        m_read.clear();
    if (!added) {
        m_days.clear();
        m_seen.clear();
    }
    m_year = year;
    QHash<QByteArray, Read> read;
    for (qsizetype i = added ? m_events.size() : 0; i < events.size(); ++i) {
        const CalendarItem &event = events.at(i);
        Read days = m_read.take(event.uid);
        if (days.ics != event.ics || days.ics.isNull()) {
            days.ics = event.ics;
            days.days.clear();
            if (year >= 1 && year <= 9999)
                markEvents(event.ics, year, days.days);
        }
        add(days);
        read.insert(event.uid, days);
    }
    if (added)
        m_read.insert(read);
    else
        m_read = read;
    m_events = events;
    return m_days;
}

void StoredEventDays::add(const Read &read)
{
    for (auto it = read.days.cbegin(); it != read.days.cend(); ++it) {
        QStringList &onDay = m_days[it.key()];
        QSet<QString> &seen = m_seen[it.key()];
        for (const QString &caption : it.value())
            if (!seen.contains(caption)) {
                seen.insert(caption);
                onDay << caption;
            }
    }
}
