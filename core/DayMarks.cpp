// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/DayMarks.h"

#include "core/ChangedValue.h"
#include "core/HolidayDates.h"

DayMarks::DayMarks(const ViewOptions &options, const QDate &today)
    : m_today(options.markToday ? today : QDate()), m_weekNumbers(options.weekNumbers)
{}

bool DayMarks::update(const ViewOptions &options, const QDate &today, const QStringList &entries,
                      int year, const QMap<QDate, QStringList> &eventDays)
{
    bool changed = assignChanged(m_today, options.markToday ? today : QDate());
    changed = assignChanged(m_holidays, options.markHolidays ? markedDays(entries, year, eventDays)
                                                             : QMap<QDate, QString>()) ||
              changed;
    return assignChanged(m_weekNumbers, options.weekNumbers) || changed;
}

bool DayMarks::updateWorkDays(const ViewOptions &options,
                              const std::function<QMap<QDate, WorkDayMark>()> &workYearMarks)
{
    return assignChanged(m_workDays,
                         options.workCalendar ? workYearMarks() : QMap<QDate, WorkDayMark>());
}

bool DayMarks::updateSubscribed(const QMap<QDate, SubscribedDay> &days)
{
    return assignChanged(m_subscribed, days);
}
