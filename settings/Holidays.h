// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Holiday entries as text: what a profile file (Windows-1251, one entry per
// line) can keep. Entries are composed in core. No widgets here.
#include "core/HolidayDates.h"

#include <QString>

// The year field's key rule: digits and the editing control characters.
bool isYearKey(QChar key);

// Empty when the text can be kept in a profile exactly as shown; otherwise
// the message for the user.
QString holidayTextProblem(const QString &text);
// (The same reason in a few words, and the caption's rule, are in core:
// synchronisation keeps to them too.)
// The message for the list as a whole growing to count entries.
QString holidayCountProblem(int count);
