// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dates in holiday entries. An entry is free text; only the form the
// holiday page composes is read back as a date:
//   «7 января 2005г. Рождество»  (day, genitive month, year, caption)
//   «8 марта  Женский день»      (no year: two spaces before the caption)
// Anything else is not a dated entry. QtCore only.
#include <QDate>
#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

struct HolidayDate {
    int day = 0;
    int month = 0;           // 1 .. 12
    std::optional<int> year; // none: every year
    QString caption;         // as it stands in the entry, not trimmed

    bool operator==(const HolidayDate &other) const
    {
        return day == other.day && month == other.month && year == other.year &&
               caption == other.caption;
    }
};

// "января" .. "декабря" for 1 .. 12; empty otherwise.
QString genitiveMonthName(int month);

// The date of an entry in the composed form, or nothing. Days are checked
// against the month: 29 February needs a leap year when a year is given,
// and 30 or 31 February never is a date.
std::optional<HolidayDate> parseHolidayEntry(const QString &entry);

// The entry text the holiday page would compose for date (the inverse of
// parseHolidayEntry for every valid date).
QString composeHolidayEntry(const HolidayDate &date);

// Whether the entry falls on a day of year: an entry with a year marks that
// year only; 29 February without a year marks leap years only.
std::optional<QDate> holidayDateIn(const HolidayDate &date, int year);

// The holiday form's rule for a caption: empty when it takes it, else why not.
QString holidayCaptionProblem(const QString &caption);
// Empty when a profile can keep text as one entry exactly as it stands,
// else the reason in a few words.
QString holidayTextFault(const QString &text);

// The days of year that entries mark, each with the captions of its entries
// (trimmed, in list order, repeats left out) joined by line breaks; the days
// in more are marked too, their captions after the entries'.
QMap<QDate, QString> markedDays(const QStringList &entries, int year,
                                const QMap<QDate, QStringList> &more = {});
