// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Value controls (the time line, the clock, the year, today's date) are
// named by the value they show, so that a screen reader reads the value;
// their heading goes into the accessible description.
#include <QString>

class QDate;
class QDateEdit;
class QLabel;
class QWidget;

// Names control by value and, when the name really changes, tells assistive
// technology once (a name-changed event).
void speakValue(QWidget *control, const QString &value);

// "todayPicker": date in a drop-down date field at (x, y), in Russian, named
// by the date it shows whenever that changes, described by its heading.
QDateEdit *placeTodayPicker(QWidget *parent, const QLabel *heading, int x, int y,
                            const QDate &date);
