// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tray icon as a live calendar: today's day number on the calendar
// icon's page, and the full date as its tooltip.
#include <QDate>
#include <QDateTime>
#include <QIcon>
#include <QImage>
#include <QString>
#include <array>

// The sizes notification areas ask for.
constexpr std::array<int, 5> kTrayIconSizes = {16, 22, 24, 32, 48};

// The calendar icon, size x size pixels, with day (1 .. 31) on its page.
// The icon comes from the program's resources, which must be registered.
QImage trayDayImage(int day, int size);
// Every size of kTrayIconSizes.
QIcon trayDayIcon(int day);

// «Dayrail — 7 декабря 2026 г.»
QString trayDayToolTip(const QDate &date);

// Milliseconds from now to the next midnight in now's time zone, at least 1. Coarse
// timers may fire early, so whoever waits this long should compare the date
// again when woken and wait once more if it has not changed.
qint64 msecsUntilNextDay(const QDateTime &now);
