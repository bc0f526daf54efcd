// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Value controls (the time line, the clock, the year, today's date) are
// named by the value they show, so that a screen reader reads the value;
// their heading goes into the accessible description.
#include <QString>

class QWidget;

// Names control by value and, when the name really changes, tells assistive
// technology once (a name-changed event).
void speakValue(QWidget *control, const QString &value);
