// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Сравнение месяцев": two month calendars side by side, both at today.
#include <QDialog>

class CalendarModel;

class MonthCompareWindow : public QDialog {
    Q_OBJECT
public:
    explicit MonthCompareWindow(const CalendarModel &model, QWidget *parent = nullptr);
};
