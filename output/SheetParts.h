// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pieces the year sheet, the cube template and the background window share.
#include "base/Colours.h"

#include <QImage>
#include <array>

class CalendarModel;
class MonthGrid;

// The calendar icon: beside every month and in the background window.
QImage calendarIcon();

// A sheet's twelve grids show the chosen days and the week start, with the
// marks the user switched on for the main window.
void showYearOnGrids(const std::array<MonthGrid *, 12> &grids, const CalendarModel &model);
