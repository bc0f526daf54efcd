// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for start-up: a bare Qt program showing an 817 x 626 window
// with twelve stock month calendars.
#include "bench/FirstPaint.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(817, 626);
    for (int k = 0; k < 12; ++k) {
        auto *calendar = new QCalendarWidget(&window);
        calendar->setGeometry(8 + (k % 4) * 200, 129 + (k / 4) * 160, 193, 150);
        calendar->setCurrentPage(QDate::currentDate().year(), k + 1);
    }
    new FirstPaintProbe(&window);
    window.show();
    return QApplication::exec();
}
