// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The login entry of the reminder agent: while reminders are on, the
// desktop starts "dayrail-remind" at login from an XDG autostart entry, so
// that reminders come with the calendar's window closed.
#include <QByteArray>
#include <QString>

// The agent's executable beside the running program's.
QString reminderAgentPath();
// $XDG_CONFIG_HOME/autostart/org.dayrail.DayrailXP.Reminders.desktop.
QString reminderAutostartPath();
// The entry that starts agentPath; folder, when not empty, is the data
// folder of a portable copy, passed on as --folder.
QByteArray reminderAutostartText(const QString &agentPath, const QString &folder);
// Writes the entry atomically. Throws FileError.
void installReminderAutostart(const QString &agentPath, const QString &folder);
// Removes the entry if it is there. Throws FileError when it stays.
void removeReminderAutostart();
// Starts the agent now, detached, when its executable is there; false when
// it is not or did not start.
bool startReminderAgent(const QString &agentPath, const QString &folder);
