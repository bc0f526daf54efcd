// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The active profile seen as a calendar, for synchronisation with one
// elsewhere: every entry with a date is an event under its identity, and
// what the list cannot hold is kept whole beside the profile and handed back
// unchanged. QtCore and libical only.
#include "core/CalendarItem.h"

#include <QString>

class CalendarModel;

// The entry an event becomes: its own text when it carries one, else the
// text an import makes. Empty when the list cannot hold it exactly (a time,
// a rule other than every year, several days, overrides, a caption or text
// the holiday form refuses): such an event is kept whole.
QString entryOfEvent(const QByteArray &ics);

class ProfileCalendar {
public:
    explicit ProfileCalendar(CalendarModel &model);

    // The entries with a date in list order, then the events kept whole.
    // An unchanged entry gives the same text on every call; an event that
    // came from elsewhere comes back as it came until the entry is edited here.
    CalendarItems items() const;
    // A new or changed event from elsewhere, by its uid: it becomes or
    // replaces the entry with that uid when the list can hold it (and has
    // room), else it is kept whole and the entry, if any, goes. Throws
    // DayrailError when item.ics is no calendar holding an event. Returns the
    // text items() gives for it from now on.
    QByteArray put(const CalendarItem &item);
    // Removed elsewhere: the entry or the kept event with uid goes.
    void remove(const QByteArray &uid);

private:
    CalendarModel &m_model;
};
