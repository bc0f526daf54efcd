// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ICalendarEvents.h"

#include "core/ICalendar.h"

#include <QSet>
#include <optional>

#include <libical/ical.h>

namespace {

// A rule that ends is followed no further than this many dates (the list
// fills up long before).
constexpr int kMostRepeats = 20000;
constexpr int kLastYear = 9999;

bool isEmpty(const short *list)
{
    return list[0] == ICAL_RECURRENCE_ARRAY_MAX;
}

bool isEmptyOr(const short *list, int value)
{
    return isEmpty(list) || (list[0] == value && list[1] == ICAL_RECURRENCE_ARRAY_MAX);
}

// Every year on the start's day and month, and nothing else.
bool isPlainYearly(const icalrecurrencetype &rule, const QDate &start)
{
    const bool gregorian = !rule.rscale || qstricmp(rule.rscale, "GREGORIAN") == 0;
    return rule.freq == ICAL_YEARLY_RECURRENCE && rule.interval <= 1 && gregorian &&
           isEmpty(rule.by_day) && isEmpty(rule.by_year_day) && isEmpty(rule.by_week_no) &&
           isEmpty(rule.by_set_pos) && isEmptyOr(rule.by_month, start.month()) &&
           isEmptyOr(rule.by_month_day, start.day());
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

std::optional<QDate> dateOf(const icaltimetype &time)
{
    if (icaltime_is_null_time(time) || time.year < 1 || time.year > kLastYear)
        return std::nullopt;
    const QDate date(time.year, time.month, time.day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

bool isMidnight(const icaltimetype &time)
{
    return time.is_date || (time.hour == 0 && time.minute == 0 && time.second == 0);
}

// The all-day flag one family of programs writes on events stored as
// midnight to midnight.
bool hasAllDayFlag(icalcomponent *event)
{
    for (icalproperty *p = icalcomponent_get_first_property(event, ICAL_X_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_X_PROPERTY)) {
        const char *name = icalproperty_get_x_name(p);
        const char *value = icalproperty_get_x(p);
        if (name && value && qstricmp(name, "X-MICROSOFT-CDO-ALLDAYEVENT") == 0 &&
            qstricmp(value, "TRUE") == 0)
            return true;
    }
    return false;
}

QString ownEntryOf(icalcomponent *event)
{
    for (icalproperty *p = icalcomponent_get_first_property(event, ICAL_X_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_X_PROPERTY)) {
        const char *name = icalproperty_get_x_name(p);
        if (name && qstricmp(name, kEntryProperty) == 0)
            return QString::fromUtf8(QByteArray::fromPercentEncoding(icalproperty_get_x(p)));
    }
    return {};
}

QString ruleText(icalrecurrencetype rule)
{
    char *text = icalrecurrencetype_as_string_r(&rule);
    const QString result = QString::fromUtf8(text);
    icalmemory_free_buffer(text);
    return result;
}

} // namespace

QList<icalcomponent *> eventsOf(icalcomponent *calendar)
{
    QList<icalcomponent *> events;
    if (!calendar)
        return events;
    if (icalcomponent_isa(calendar) == ICAL_VEVENT_COMPONENT)
        return {calendar};
    for (icalcomponent *c = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); c;
         c = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT))
        events << c;
    return events;
}

QString dateText(int day, int month, int year)
{
    QString text = QStringLiteral("%1.%2")
                       .arg(day, 2, 10, QLatin1Char('0'))
                       .arg(month, 2, 10, QLatin1Char('0'));
    if (year > 0)
        text += QStringLiteral(".%1").arg(year, 4, 10, QLatin1Char('0'));
    return text;
}

EventDays::EventDays(icalcomponent *event, const std::optional<EventSpan> &span) : m_span(span)
{
    m_caption = captionFrom(icalcomponent_get_summary(event));
    m_ownEntry = ownEntryOf(event);
    m_ownDate = parseHolidayEntry(m_ownEntry);
    readDates(event);
    if (m_refusal.isEmpty())
        readRepeats(event);
}

void EventDays::readDates(icalcomponent *event)
{
    if (!icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY)) {
        m_refusal = QStringLiteral("у события нет даты");
        return;
    }
    const icaltimetype start = icalcomponent_get_dtstart(event);
    if (icaltime_is_null_time(start)) {
        m_refusal = QStringLiteral("дата события не читается");
        return;
    }
    m_date = dateText(start.day, start.month, start.year);
    if (icalcomponent_get_status(event) == ICAL_STATUS_CANCELLED) {
        m_refusal = QStringLiteral("событие отменено");
        return;
    }
    if (icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY)) {
        m_refusal = QStringLiteral("перенос одного повторения другого события не учтён");
        return;
    }
    const std::optional<QDate> first = dateOf(start);
    if (!first) {
        m_refusal = QStringLiteral("дата вне 1–9999 годов или её нет в календаре");
        return;
    }
    m_start = *first;
    const bool hasEnd = icalcomponent_get_first_property(event, ICAL_DTEND_PROPERTY) ||
                        icalcomponent_get_first_property(event, ICAL_DURATION_PROPERTY);
    const icaltimetype end = hasEnd ? icalcomponent_get_dtend(event) : icaltime_null_time();
    const std::optional<QDate> last = dateOf(end);
    if (last) {
        // An end at midnight is exclusive; any later time still marks its day.
        m_days = int(qMin<qint64>(m_start.daysTo(*last) + (isMidnight(end) ? 0 : 1), INT_MAX));
        m_days = qMax(1, m_days);
    }
    // Midnight to midnight a whole number of days later is all-day too.
    const bool allDay = start.is_date || hasAllDayFlag(event) ||
                        (isMidnight(start) && last && isMidnight(end) && m_start < *last);
    if (!allDay && !m_span)
        m_refusal = QStringLiteral("событие со временем, не на целый день");
}

void EventDays::readRepeats(icalcomponent *event)
{
    QSet<QDate> excluded;
    for (icalproperty *p = icalcomponent_get_first_property(event, ICAL_EXDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_EXDATE_PROPERTY))
        if (const std::optional<QDate> date = dateOf(icalproperty_get_exdate(p)))
            excluded.insert(*date);
    QList<QDate> added;
    for (icalproperty *p = icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_RDATE_PROPERTY)) {
        const icaldatetimeperiodtype value = icalproperty_get_rdate(p);
        const icaltimetype time =
            icaltime_is_null_time(value.time) ? value.period.start : value.time;
        if (const std::optional<QDate> date = dateOf(time); date && !excluded.contains(*date))
            added << *date;
    }
    icalproperty *property = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY);
    if (!property) {
        if (!excluded.contains(m_start))
            m_occurrences << m_start;
        m_occurrences += added;
        return;
    }
    const icalrecurrencetype rule = icalproperty_get_rrule(property);
    const bool ends = rule.count > 0 || !icaltime_is_null_time(rule.until);
    if (!ends && !m_span) {
        if (!isPlainYearly(rule, m_start)) {
            m_refusal =
                QStringLiteral("повторение без конца, которое список не хранит: ") + ruleText(rule);
            return;
        }
        m_everyYear = true;
        m_date = dateText(m_start.day(), m_start.month());
        m_occurrences = added;
        if (!excluded.isEmpty())
            m_change = QStringLiteral("исключённые даты (%1) не учтены: запись без года "
                                      "отмечает день в каждом году")
                           .arg(excluded.size());
        return;
    }
    icalrecur_iterator *dates = icalrecur_iterator_new(rule, icalcomponent_get_dtstart(event));
    if (!dates) {
        m_refusal = QStringLiteral("правило повторения не читается: ") + ruleText(rule);
        return;
    }
    icalrecur_iterator_free(dates);
    // Followed only when the days are asked for: a refused event costs nothing.
    m_rule = property;
    m_startTime = icalcomponent_get_dtstart(event);
    m_excluded = excluded;
    m_occurrences = added;
}

QString EventDays::entryFor(const HolidayDate &day) const
{
    // The entry's own text, unless another program changed the event (a
    // summary's outer spaces do not survive every writer).
    if (m_ownDate) {
        HolidayDate trimmed = *m_ownDate;
        trimmed.caption = m_ownDate->caption.trimmed();
        HolidayDate taken = day;
        taken.caption = day.caption.trimmed();
        if (trimmed == taken)
            return m_ownEntry;
    }
    return composeHolidayEntry(day);
}

void EventDays::skipTo(icalrecur_iterator *dates, const QDate &day) const
{
    // Only forward from the start: a repeat begun years ago is not walked from there.
    if (day <= m_start)
        return;
    icaltimetype start = m_startTime;
    start.year = day.year();
    start.month = day.month();
    start.day = day.day();
    icalrecur_iterator_set_start(dates, start);
}

bool EventDays::forEachDay(
    const std::function<bool(const HolidayDate &, const QString &)> &take) const
{
    auto takeDays = [&](const QDate &first, bool dated) {
        // A span's days only: a long event starting before it is not walked day by day.
        const qint64 from = m_span && dated ? qMax<qint64>(0, first.daysTo(m_span->first)) : 0;
        for (qint64 i = from; i < m_days; ++i) {
            const QDate day = first.addDays(i);
            if (!day.isValid() || day.year() > kLastYear || (m_span && dated && day > m_span->last))
                break;
            HolidayDate date;
            date.day = day.day();
            date.month = day.month();
            if (dated)
                date.year = day.year();
            date.caption = m_caption;
            if (!take(date, entryFor(date)))
                return false;
        }
        return true;
    };
    if (m_everyYear && !takeDays(m_start, false))
        return false;
    if (m_rule) {
        const icalrecurrencetype rule = icalproperty_get_rrule(m_rule);
        icalrecur_iterator *dates = icalrecur_iterator_new(rule, m_startTime);
        if (dates && m_span && rule.count == 0)
            skipTo(dates, m_span->first.addDays(1 - m_days));
        bool more = true;
        for (int i = 0; dates && more && i < kMostRepeats; ++i) {
            const icaltimetype next = icalrecur_iterator_next(dates);
            if (icaltime_is_null_time(next))
                break;
            if (m_span && dateOf(next) > m_span->last)
                break;
            if (const std::optional<QDate> date = dateOf(next); date && !m_excluded.contains(*date))
                more = takeDays(*date, true);
        }
        if (dates)
            icalrecur_iterator_free(dates);
        if (!more)
            return false;
    }
    for (const QDate &date : m_occurrences)
        if (!takeDays(date, true))
            return false;
    return true;
}
