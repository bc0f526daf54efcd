// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Events from a calendar elsewhere kept whole beside the profile: those the
// holiday list cannot hold (a time, a rule, several days), and the events
// behind entries they became, so that what the server keeps of them comes
// back unchanged. "Дом.cpr" keeps them in "Дом.cpr.events.ics": each event's
// own calendar exactly as it came, one after another (an iCalendar stream,
// UTF-8). QtCore and libical only.
#include "core/CalendarItem.h"

#include <QDate>
#include <QHash>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

QString storedEventsPathFor(const QString &profilePath);

// The uid of the first event of a calendar's text; empty when the text is
// no calendar holding an event.
QByteArray calendarEventUid(const QByteArray &ics);

// The calendar as the store keeps it: from its "BEGIN:VCALENDAR" line to the
// line break after "END:VCALENDAR" (a missing one added), so that calendars
// kept one after another part again exactly.
QByteArray storedCalendarText(const QByteArray &ics);

QByteArray storedEventsFileText(const CalendarItems &events);
// Throws FileError when the file cannot be written; the previous one stays whole.
void writeStoredEvents(const QString &path, const CalendarItems &events);

struct StoredEventsRead {
    CalendarItems events; // in the file's order, each under its event's uid
    // False when something was left out: text between calendars, a
    // calendar without an event or cut short, a second one for a uid.
    bool clean = true;
};

StoredEventsRead parseStoredEvents(const QByteArray &text);
// No file: no events, clean. Throws FileError when the file is there but
// cannot be read, or is larger than an import reads.
StoredEventsRead readStoredEvents(const QString &path);

// The days of year the events mark (every day an occurrence touches, in the
// event's own time), each with the events' captions in order. Rules are
// followed no further than a bounded number of occurrences. Each event is
// read again only when its text or the year changed, and events only added
// at the end are read alone: a sync puts them one at a time into a store of
// thousands.
class StoredEventDays {
public:
    const QMap<QDate, QStringList> &update(const CalendarItems &events, int year);
    const QMap<QDate, QStringList> &days() const { return m_days; }

private:
    struct Read {
        QByteArray ics;
        QMap<QDate, QStringList> days;
    };
    void add(const Read &read);

    int m_year = 0;
    CalendarItems m_events;         // as last given
    QHash<QByteArray, Read> m_read; // by uid
    QMap<QDate, QStringList> m_days;
    QHash<QDate, QSet<QString>> m_seen; // m_days' captions, to find repeats by hash
};
