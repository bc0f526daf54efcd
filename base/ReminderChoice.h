// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where no notification service runs, the reminder agent asks the program to
// show a reminder in a box ("dayrail --show-reminder TEXT"); the program's
// exit code is the user's answer.
enum class ReminderChoice {
    Close = 0,
    Snooze10 = 10,
    SnoozeHour = 11,
    SnoozeTomorrow = 12,
    Open = 20,
};

inline constexpr const char *kShowReminderOption = "--show-reminder";
