// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a day of subscribed calendars shows on a grid: the subscriptions work
// the days out, the grids draw a bar in each calendar's colour.
#include <QColor>
#include <QList>
#include <QString>

struct SubscribedDay {
    QList<QColor> colours; // one per calendar marking the day, in list order
    QString text;          // each calendar's name and captions, one per line

    bool operator==(const SubscribedDay &o) const { return colours == o.colours && text == o.text; }
    bool operator!=(const SubscribedDay &o) const { return !(*this == o); }
};
