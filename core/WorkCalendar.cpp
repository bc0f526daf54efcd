// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/WorkCalendar.h"

#include <QStringList>

namespace {

struct FixedHoliday {
    int month;
    int day;
    const char *name;
};

// Article 112 of the Labour Code, as the official calendars name the days.
constexpr FixedHoliday kHolidays[] = {
    {1, 1, "Новогодние каникулы"},
    {1, 2, "Новогодние каникулы"},
    {1, 3, "Новогодние каникулы"},
    {1, 4, "Новогодние каникулы"},
    {1, 5, "Новогодние каникулы"},
    {1, 6, "Новогодние каникулы"},
    {1, 7, "Рождество Христово"},
    {1, 8, "Новогодние каникулы"},
    {2, 23, "День защитника Отечества"},
    {3, 8, "Международный женский день"},
    {5, 1, "Праздник Весны и Труда"},
    {5, 9, "День Победы"},
    {6, 12, "День России"},
    {11, 4, "День народного единства"},
};

bool isWeekend(const QDate &date)
{
    return date.dayOfWeek() >= Qt::Saturday;
}

// Only a decree moves the New-Year days that fall on a weekend.
bool isNewYearHoliday(const QDate &date)
{
    return date.month() == 1 && date.day() <= 8;
}

QString movedFromText(const QDate &from)
{
    return QStringLiteral("перенесённый выходной (с %1)")
        .arg(from.toString(QStringLiteral("dd.MM")));
}

} // namespace

WorkYear labourCodeYear(int year)
{
    WorkYear result;
    result.year = year;
    for (const FixedHoliday &h : kHolidays)
        result.holidays.insert(QDate(year, h.month, h.day), QString::fromUtf8(h.name));
    for (auto it = result.holidays.cbegin(); it != result.holidays.cend(); ++it) {
        if (!isWeekend(it.key()) || isNewYearHoliday(it.key()))
            continue;
        QDate moved = it.key().addDays(1);
        while (isWeekend(moved) || result.holidays.contains(moved) ||
               result.movedDaysOff.contains(moved))
            moved = moved.addDays(1);
        result.movedDaysOff.insert(moved, movedFromText(it.key()));
    }
    // 31 December goes before 1 January of the next year.
    QList<QDate> eves;
    for (const QDate &holiday : result.holidays.keys())
        eves << holiday.addDays(-1);
    eves << QDate(year, 12, 31);
    for (const QDate &eve : eves)
        if (eve.year() == year && isWorkingDay(result, eve))
            result.shortDays.insert(eve);
    return result;
}

WorkYear workYearOf(const WorkYears &years, int year)
{
    const auto it = years.constFind(year);
    return it != years.cend() ? *it : labourCodeYear(year);
}

bool isWorkingDay(const WorkYear &year, const QDate &date)
{
    if (year.workingWeekends.contains(date))
        return true;
    return !isWeekend(date) && !year.holidays.contains(date) && !year.movedDaysOff.contains(date);
}

WorkTotals &WorkTotals::operator+=(const WorkTotals &o)
{
    calendarDays += o.calendarDays;
    workingDays += o.workingDays;
    shortDays += o.shortDays;
    return *this;
}

WorkTotals countWorkDays(const WorkYears &years, const QDate &first, const QDate &last)
{
    WorkTotals totals;
    if (!first.isValid() || !last.isValid())
        return totals;
    for (int y = first.year(); y <= last.year(); ++y) {
        const WorkYear year = workYearOf(years, y);
        const QDate from = qMax(first, QDate(y, 1, 1)), to = qMin(last, QDate(y, 12, 31));
        for (QDate day = from; day <= to; day = day.addDays(1)) {
            ++totals.calendarDays;
            if (isWorkingDay(year, day)) {
                ++totals.workingDays;
                if (year.shortDays.contains(day))
                    ++totals.shortDays;
            }
        }
    }
    return totals;
}

QMap<QDate, WorkDayMark> workDayMarks(const WorkYear &year)
{
    QMap<QDate, WorkDayMark> marks;
    const QDate last(year.year, 12, 31);
    for (QDate day(year.year, 1, 1); day <= last; day = day.addDays(1)) {
        WorkDayMark mark;
        mark.off = !isWorkingDay(year, day);
        QStringList text;
        if (const auto holiday = year.holidays.constFind(day); holiday != year.holidays.cend())
            text << *holiday;
        if (const auto moved = year.movedDaysOff.constFind(day); moved != year.movedDaysOff.cend())
            text << (moved->isEmpty() ? QStringLiteral("перенесённый выходной") : *moved);
        if (!mark.off && isWeekend(day)) {
            mark.workingWeekend = true;
            text << (day.dayOfWeek() == Qt::Saturday ? QStringLiteral("рабочая суббота")
                                                     : QStringLiteral("рабочее воскресенье"));
        }
        if (!mark.off && year.shortDays.contains(day)) {
            mark.shortDay = true;
            text << QStringLiteral("сокращённый день");
        }
        mark.text = text.join(QStringLiteral(", "));
        if (mark.off || !mark.text.isEmpty())
            marks.insert(day, mark);
    }
    return marks;
}

QString normText(int tenths)
{
    const QString whole = QString::number(tenths / 10);
    return tenths % 10 ? whole + QLatin1Char(',') + QString::number(tenths % 10) : whole;
}
