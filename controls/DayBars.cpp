// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/DayBars.h"

#include "platform/ReadableText.h"

#include <QPainter>

QRect dayBarRect(const QRect &cell)
{
    // Today's frame takes the cell's outer pixel but one; the bar keeps inside it.
    return {cell.left() + 3, cell.bottom() - 3, qMax(1, cell.width() - 6), 2};
}

QColor barColourOn(const QColor &colour, const QColor &background)
{
    const bool darker = contrastRatio(background, Qt::black) < contrastRatio(colour, Qt::black);
    return darker ? readableOn(colour, background) : colour;
}

void drawDayBar(QPainter &painter, const QRect &cell, const QList<QColor> &colours,
                const QColor &background)
{
    if (colours.isEmpty())
        return;
    const QRect bar = dayBarRect(cell);
    const auto count = int(colours.size());
    for (int i = 0; i < count; ++i) {
        const int left = bar.left() + i * bar.width() / count;
        const int right = bar.left() + (i + 1) * bar.width() / count;
        painter.fillRect(QRect(left, bar.top(), qMax(1, right - left), bar.height()),
                         barColourOn(colours.at(i), background));
    }
}
