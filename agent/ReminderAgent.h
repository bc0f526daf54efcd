// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sleeps on one timer until the next reminder is due, shows it, and
// remembers that it did: what fell due while it was not running is shown
// once at its next start (back to a week), never twice.
#include "agent/AgentClock.h"
#include "agent/AgentFiles.h"
#include "agent/AgentState.h"
#include "base/TimeChange.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <optional>

class Notifier;
struct DueReminder;

class ReminderAgent : public QObject {
    Q_OBJECT
public:
    ReminderAgent(const QString &folder, const QString &statePath, const AgentClock &clock,
                  Notifier &notifier, QObject *parent = nullptr);
    void start();

private slots:
    void sleeping(bool beforeSleep);

private:
    void reload();
    void check();
    void deliverSnoozes(const QDateTime &upTo);
    std::optional<QString> wordingOn(const QString &entry, const QDate &day,
                                     const QDate &shownOn) const;
    void act(const DueReminder &reminder, const QString &action);
    void save();

    QString m_folder;
    QString m_statePath;
    const AgentClock &m_clock;
    Notifier &m_notifier;
    AgentFiles m_files;
    AgentState m_state;
    QTimer m_due;    // the one timer: the next reminder or snooze
    QTimer m_settle; // lets a burst of file changes end before reading
    QFileSystemWatcher m_watcher;
    SystemTimeWatcher m_timeSet;
};
