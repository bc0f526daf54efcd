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
// followed no further than a bounded number of occurrences.
QMap<QDate, QStringList> storedEventDays(const CalendarItems &events, int year);
