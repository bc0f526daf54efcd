// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// When reminders fall due: a pure function of the entries, their rules, the
// official working years and a span of time. QtCore only.
#include "core/Reminder.h"
#include "core/WorkCalendar.h"

#include <QDateTime>
#include <QHash>
#include <QList>

struct DueReminder {
    QString entry; // the entry's text as the profile holds it
    QDate date;    // the day reminded of
    QDateTime due; // local time
    QString text;  // for the user

    bool operator==(const DueReminder &o) const
    {
        return entry == o.entry && date == o.date && due == o.due && text == o.text;
    }
};

// Steps over the official working year, reading each year once.
class WorkingDays {
public:
    explicit WorkingDays(const WorkYears &years) : m_years(years) {}
    bool isWorking(const QDate &day);
    // The count-th working day before day (day itself when count is 0);
    // invalid when that runs out of the calendar.
    QDate before(const QDate &day, int count);

private:
    const WorkYears &m_years;
    QHash<int, WorkYear> m_read;
};

// The day a reminder of day by rule is due.
QDate reminderDueDay(const ReminderRule &rule, const QDate &day, WorkingDays &workingDays);

// Every reminder due in [from, to), by due time, then by day, then in the
// order of the entries. An entry that is there twice reminds once.
QList<DueReminder> dueReminders(const QStringList &entries, const ReminderSettings &settings,
                                const WorkYears &years, const QDateTime &from, const QDateTime &to);
