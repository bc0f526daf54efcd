// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ReminderDue.h"

#include <QSet>

#include <algorithm>

bool WorkingDays::isWorking(const QDate &day)
{
    auto year = m_read.find(day.year());
    if (year == m_read.end())
        year = m_read.insert(day.year(), workYearOf(m_years, day.year()));
    return isWorkingDay(*year, day);
}

QDate WorkingDays::before(const QDate &day, int count)
{
    QDate at = day;
    while (count > 0 && at.isValid()) {
        at = at.addDays(-1);
        if (at.isValid() && isWorking(at))
            --count;
    }
    return at;
}

QDate reminderDueDay(const ReminderRule &rule, const QDate &day, WorkingDays &workingDays)
{
    return rule.workingDays ? workingDays.before(day, rule.daysBefore)
                            : day.addDays(-rule.daysBefore);
}

QList<DueReminder> dueReminders(const QStringList &entries, const ReminderSettings &settings,
                                const WorkYears &years, const QDateTime &from, const QDateTime &to)
{
    QList<DueReminder> due;
    if (!from.isValid() || !to.isValid() || from >= to)
        return due;
    WorkingDays workingDays(years);
    QSet<QString> seen;
    for (const QString &entry : entries) {
        if (seen.contains(entry))
            continue;
        seen.insert(entry);
        const std::optional<ReminderRule> rule = reminderRuleFor(settings, entry);
        const std::optional<HolidayDate> date = rule ? parseHolidayEntry(entry) : std::nullopt;
        if (!date)
            continue;
        // A day is never before its reminder; a lead of working days spans
        // at most about twice as many calendar days.
        const int lastYear = to.date().year() + 1 + rule->daysBefore * 2 / 365;
        for (int year = from.date().year(); year <= lastYear; ++year) {
            const std::optional<QDate> day = reminderDateIn(*date, rule->yearly, year);
            if (!day)
                continue;
            const QDate dueDay = reminderDueDay(*rule, *day, workingDays);
            const QDateTime at(dueDay, rule->time);
            if (dueDay.isValid() && at >= from && at < to)
                due << DueReminder{entry, *day, at,
                                   reminderText(*date, rule->yearly, *day, dueDay)};
        }
    }
    std::stable_sort(due.begin(), due.end(), [](const DueReminder &a, const DueReminder &b) {
        return a.due != b.due ? a.due < b.due : a.date < b.date;
    });
    return due;
}
