// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One event as a calendar server keeps it: its identity and its whole text.
// The profile's entries and the events they cannot hold are both handed to
// synchronisation in this shape.
#include <QByteArray>
#include <QList>

struct CalendarItem {
    QByteArray uid;
    // A whole VCALENDAR holding one VEVENT (with any overrides of it): UTF-8, CR LF.
    QByteArray ics;

    bool operator==(const CalendarItem &o) const { return uid == o.uid && ics == o.ics; }
};

using CalendarItems = QList<CalendarItem>;
