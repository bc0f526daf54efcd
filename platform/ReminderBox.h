// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The box that shows a reminder where the desktop has no notifications.
#include "base/ReminderChoice.h"

#include <QString>

// Shows text with the notification's own choices and returns the one taken;
// Escape or closing the box is ReminderChoice::Close.
ReminderChoice askAboutReminder(const QString &text);
