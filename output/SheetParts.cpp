// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SheetParts.h"

#include "CalendarModel.h"

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

QString monthCaption(int month)
{
    static const char *const names[12] = {"Январь",   "Февраль", "Март",   "Апрель",
                                          "Май",      "Июнь",    "Июль",   "Август",
                                          "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"};
    return QString::fromUtf8(names[month - 1]);
}

StoredColour pageColour(const Background &background)
{
    return background.colourMode ? background.colour : clSkyBlue;
}
