// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bar along the foot of a day's cell that shows subscribed calendars:
// one stretch in each calendar's colour. It stays clear of the day's number,
// its marks and today's frame.
#include <QColor>
#include <QList>
#include <QRect>

class QPainter;

// The bar's place in a cell: two pixels high, above today's frame.
QRect dayBarRect(const QRect &cell);
// colour as it shows on background: lightened on a background darker than
// itself (a dark palette's base), as it is on light ones.
QColor barColourOn(const QColor &colour, const QColor &background);
void drawDayBar(QPainter &painter, const QRect &cell, const QList<QColor> &colours,
                const QColor &background);
