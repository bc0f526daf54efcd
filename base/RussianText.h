// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dates and times always in Russian, whatever the machine's locale.
#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

const QLocale &russianLocale();
// «7 декабря 2026 г.»
QString longDateText(const QDate &date);
// «14:05:09»
QString longTimeText(const QTime &time);
// «Январь» .. «Декабрь» for months 1..12: the captions over the month grids.
QString monthName(int month);
// Short weekday heading for Qt's day number 1 (Monday) .. 7 (Sunday): «Пн».
QString shortDayName(int qtDayOfWeek);
