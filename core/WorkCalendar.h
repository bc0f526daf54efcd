// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The official working year of Russia for a five-day week: non-working
// holidays, days off moved by decree or by the Labour Code, weekend days made
// working, days one hour shorter; and the counts and hour norms the official
// production calendar prints. QtCore only.
#include "base/WorkDayMark.h"

#include <QDate>
#include <QMap>
#include <QSet>
#include <QString>

struct WorkYear {
    int year = 0;
    bool decreed = false;              // false: by the Labour Code's rules, no decree yet
    QMap<QDate, QString> holidays;     // article 112 holidays, with their names
    QMap<QDate, QString> movedDaysOff; // with what the file says of them
    QSet<QDate> workingWeekends;
    QSet<QDate> shortDays;

    bool operator==(const WorkYear &o) const
    {
        return year == o.year && decreed == o.decreed && holidays == o.holidays &&
               movedDaysOff == o.movedDaysOff && workingWeekends == o.workingWeekends &&
               shortDays == o.shortDays;
    }
};

// The years a data file fixes.
using WorkYears = QMap<int, WorkYear>;

// year by the Labour Code alone: the holidays of its article 112, a holiday
// on a weekend moved to the next working day (not the New-Year ones: only a
// decree moves those), the working day before a holiday one hour shorter.
WorkYear labourCodeYear(int year);
// The file's year when it has one, else the rules' year.
WorkYear workYearOf(const WorkYears &years, int year);

bool isWorkingDay(const WorkYear &year, const QDate &date);

// Counts over a stretch of days, as the official tables give them.
struct WorkTotals {
    int calendarDays = 0;
    int workingDays = 0;
    int shortDays = 0; // working days one hour shorter
    int offDays() const { return calendarDays - workingDays; }
    // The norm of working hours for a week of weekHours, in tenths of an
    // hour: weekHours / 5 a day, an hour less on each short day.
    int normTenths(int weekHours) const { return workingDays * weekHours * 2 - shortDays * 10; }
    WorkTotals &operator+=(const WorkTotals &o);
};

// Days first..last, both included; nothing when last is before first.
WorkTotals countWorkDays(const WorkYears &years, const QDate &first, const QDate &last);

// What the grids show of every day of year that is not a plain working
// weekday: holidays with their names, moved days off, plain weekends,
// working weekend days and short days.
QMap<QDate, WorkDayMark> workDayMarks(const WorkYear &year);

// «1972», «1774,4»: a norm in tenths as the tables print it.
QString normText(int tenths);
