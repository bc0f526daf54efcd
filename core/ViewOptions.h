// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "view.cal": how the main window's grids look. Three lines, TRUE or FALSE:
// mark today, mark holidays, show week numbers. Windows-1251, CR LF.
#include <QString>

struct ViewOptions {
    bool markToday = true;
    bool markHolidays = true;
    bool weekNumbers = false;

    bool operator==(const ViewOptions &other) const
    {
        return markToday == other.markToday && markHolidays == other.markHolidays &&
               weekNumbers == other.weekNumbers;
    }
    bool operator!=(const ViewOptions &other) const { return !(*this == other); }
};

// Never fails and never asks: a missing or unreadable file gives the
// defaults, and a line that is missing or neither TRUE nor FALSE gives that
// option's default. damaged, when given, tells whether the file was there
// but not three clean lines (worth a backup before it is overwritten).
ViewOptions readViewOptions(const QString &path, bool *damaged = nullptr);

// Throws FileError; a failure leaves the previous file whole.
void writeViewOptions(const QString &path, const ViewOptions &options);
