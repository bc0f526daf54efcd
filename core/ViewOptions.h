// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "view.cal": how the main window's grids look. Lines of TRUE or FALSE:
// mark today, mark holidays, show week numbers, and a fourth, the official
// working year, written only while it is on: with it off the file is the
// three lines it always was. Windows-1251, CR LF.
#include <QString>

struct ViewOptions {
    bool markToday = true;
    bool markHolidays = true;
    bool weekNumbers = false;
    bool workCalendar = false;

    bool operator==(const ViewOptions &other) const
    {
        return markToday == other.markToday && markHolidays == other.markHolidays &&
               weekNumbers == other.weekNumbers && workCalendar == other.workCalendar;
    }
    bool operator!=(const ViewOptions &other) const { return !(*this == other); }
};

// Never fails and never asks: a missing or unreadable file gives the
// defaults, and a line that is missing or neither TRUE nor FALSE gives that
// option's default. damaged, when given, tells whether the file was there
// but not three or four clean lines (worth a backup before it is overwritten).
ViewOptions readViewOptions(const QString &path, bool *damaged = nullptr);

// Throws FileError; a failure leaves the previous file whole.
void writeViewOptions(const QString &path, const ViewOptions &options);
