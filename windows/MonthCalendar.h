// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The month calendar control of the small date dialogs: one month with
// navigation, a selected date and optional week numbers. Assistive
// technology reads it as the toolkit's table of days, named by the month shown
// («Декабрь 2026»), with named month arrows.
#include <QCalendarWidget>

QCalendarWidget *makeMonthCalendar(QWidget *parent, const char *name, const QRect &geometry,
                                   bool weekNumbers);
