// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a day of the official working year shows on a grid: the model works
// the marks out, the grids and the month calendars draw them.
#include "base/Colours.h"

#include <QString>

// Days off are written in it, as the toolkit's month calendars write weekends.
constexpr QColor weekendColour()
{
    return colours::red;
}

struct WorkDayMark {
    bool off = false;            // not a working day: weekend colour
    bool workingWeekend = false; // a weekend day made a working day
    bool shortDay = false;       // one hour shorter
    QString text;                // what the day is; empty for a plain weekend

    bool operator==(const WorkDayMark &o) const
    {
        return off == o.off && workingWeekend == o.workingWeekend && shortDay == o.shortDay &&
               text == o.text;
    }
    bool operator!=(const WorkDayMark &o) const { return !(*this == o); }
};
