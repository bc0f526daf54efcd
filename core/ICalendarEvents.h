// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One parsed iCalendar event as the days it marks, for the import.
#include "core/HolidayDates.h"

#include <QDate>
#include <QList>
#include <QString>
#include <functional>

#include <QSet>
#include <optional>

#include <libical/ical.h>

// "07.01" or "07.01.2005": a day as the import's summary names it; a year
// of 0 is left out.
QString dateText(int day, int month, int year = 0);

// The VEVENTs of a calendar, or the component itself when it is one.
QList<icalcomponent *> eventsOf(icalcomponent *calendar);

// The days a reading looks at. Marks on a span of days take what a list of
// entries cannot hold (events with a time, repeats without an end), followed
// only as far as the span.
struct EventSpan {
    QDate first;
    QDate last;
};

// The event must outlive the object: its repeats are followed when asked for.
class EventDays {
public:
    // Without a span, the days as the import takes them.
    explicit EventDays(icalcomponent *event, const std::optional<EventSpan> &span = std::nullopt);

    // For the summary: the start ("07.01.2026", "08.03" every year) and caption.
    const QString &date() const { return m_date; }
    const QString &caption() const { return m_caption; }
    // Non-empty: the event is left out whole, for this reason.
    const QString &refusal() const { return m_refusal; }
    // Non-empty: the event is taken, but not quite as it stands, for this reason.
    const QString &change() const { return m_change; }

    // Calls take for every day the event marks, in order, with the entry for
    // it, until take returns false; false then.
    bool forEachDay(const std::function<bool(const HolidayDate &, const QString &)> &take) const;

private:
    void readDates(icalcomponent *event);
    void readRepeats(icalcomponent *event);
    QString entryFor(const HolidayDate &day) const;
    // Moves a repeat's iterator on to day.
    void skipTo(icalrecur_iterator *dates, const QDate &day) const;

    QString m_date;
    QString m_caption;
    QString m_refusal;
    QString m_change;
    QString m_ownEntry;
    std::optional<HolidayDate> m_ownDate;
    QDate m_start;
    int m_days = 1;                 // days each occurrence lasts
    bool m_everyYear = false;       // the days recur every year on the same dates
    QList<QDate> m_occurrences;     // the start, or the dates added to a repeat
    icalproperty *m_rule = nullptr; // a repeat that ends
    icaltimetype m_startTime{};
    QSet<QDate> m_excluded;
    std::optional<EventSpan> m_span;
};
