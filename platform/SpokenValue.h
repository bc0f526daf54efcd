// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Value labels (the time line, the clock, the year) are named by the value
// they show, so that a screen reader reads the value; their heading goes
// into the accessible description.
#include <QString>

class QDate;
class QDateEdit;
class QLabel;
class QWidget;

// Names control by value and, when the name really changes, tells assistive
// technology once (a name-changed event).
void speakValue(QWidget *control, const QString &value);

// "todayPicker": date in a drop-down date field at (x, y), in Russian,
// named by its heading («Сегодня»), which labels it; readers speak its date
// as its value.
QDateEdit *placeTodayPicker(QWidget *parent, QLabel *heading, int x, int y, const QDate &date);
