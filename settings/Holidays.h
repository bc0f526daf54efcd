// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Holiday entries as text: what a profile file (Windows-1251, one entry per
// line) can keep. Entries are composed in core. No widgets here.
#include <QString>

// The year field's key rule: digits and the editing control characters.
bool isYearKey(QChar key);

// The holiday form's rule for a caption: empty when it takes it, else why not.
QString holidayCaptionProblem(const QString &caption);

// Empty when the text can be kept in a profile exactly as shown; otherwise
// the message for the user.
QString holidayTextProblem(const QString &text);
// The same reason in a few words, for a list of refused entries.
QString holidayTextFault(const QString &text);
// The same for the list as a whole growing to count entries.
QString holidayCountProblem(int count);
