// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reminders of holiday entries: how long before a day to remind of it, and
// what the reminder says. Rules attach to an entry by its exact text; one
// rule may serve every entry that has none of its own. QtCore only.
#include "core/HolidayDates.h"

#include <QDate>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTime>
#include <optional>

constexpr int kMaxReminderDays = 366; // the longest lead a rule takes

struct ReminderRule {
    int daysBefore = 0;       // 0: on the day itself
    bool workingDays = false; // count working days of the official year, not calendar days
    QTime time{9, 0};         // the time of day the reminder is due
    // An entry with a year comes back every year, counting the years since.
    bool yearly = true;

    bool operator==(const ReminderRule &o) const
    {
        return daysBefore == o.daysBefore && workingDays == o.workingDays && time == o.time &&
               yearly == o.yearly;
    }
};

struct ReminderSettings {
    // The rule of every entry without its own; none: only those are reminded of.
    std::optional<ReminderRule> common;
    // An entry's own rule by its text; none: not reminded of at all.
    QMap<QString, std::optional<ReminderRule>> entries;

    bool operator==(const ReminderSettings &o) const
    {
        return common == o.common && entries == o.entries;
    }
};

// The rule that applies to entry, if any.
std::optional<ReminderRule> reminderRuleFor(const ReminderSettings &settings, const QString &entry);

// The program changed an entry's text from oldText to newText: its own rule
// follows it. When entriesAfter still holds oldText (the entry was there
// twice) the rule stays with that one too.
void carryReminder(ReminderSettings &settings, const QString &oldText, const QString &newText,
                   const QStringList &entriesAfter);

// The day of date in year, if it falls in year at all: an entry with a year
// falls in that year, or in it and every later year when yearly. 29 February
// falls on 28 February in a common year, as a change of year moves the grids.
std::optional<QDate> reminderDateIn(const HolidayDate &date, bool yearly, int year);

// «1 год», «3 года», «11 лет»: n with the noun's form for it.
QString countText(int n, const char *one, const char *few, const char *many);

// What a reminder of date's day on day says, given on dueDay:
// «День рождения Маши: 41 год (7 января, через 3 дня)». The count of years
// shows for a yearly entry with a year from its first return on.
QString reminderText(const HolidayDate &date, bool yearly, const QDate &day, const QDate &dueDay);
