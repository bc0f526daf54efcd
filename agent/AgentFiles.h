// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the agent reads of the program's folder: the active profile's
// entries, their reminders and the working years. Read only, no lock.
#include "core/Reminder.h"
#include "core/WorkCalendar.h"

#include <QString>
#include <QStringList>

struct AgentFiles {
    QStringList entries;
    ReminderSettings settings;
    WorkYears years;
    // The files read and the folders they are in, to watch for changes.
    QStringList watched;
};

// Never throws: what cannot be read gives no reminders, said on stderr.
AgentFiles readAgentFiles(const QString &folder);
