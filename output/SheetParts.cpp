// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/SheetParts.h"

#include "controls/MonthGrid.h"
#include "core/CalendarModel.h"

// The pictures live in a static library: a window built without the whole
// program around it must still find them.
static void registerPictures()
{
    Q_INIT_RESOURCE(resources);
}

QImage calendarIcon()
{
    registerPictures();
    return QImage(QStringLiteral(":/icons/calendar32.png"));
}

void showYearOnGrids(const std::array<MonthGrid *, 12> &grids, const CalendarModel &model)
{
    for (int k = 0; k < 12; ++k) {
        grids[k]->setDate(model.chosenDate(k + 1));
        grids[k]->setStartOfWeek(model.startOfWeek());
        grids[k]->setToday(model.markedToday());
        grids[k]->setHolidays(model.markedHolidays());
        grids[k]->setWorkDays(model.markedWorkDays());
        grids[k]->setWeekNumbersShown(model.weekNumbersShown());
    }
}
