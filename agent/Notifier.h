// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shows reminders as desktop notifications with actions to snooze or open
// the day. Without a notification service the program shows the reminder in
// a box with the same choices; where neither can be shown (no display) a
// reminder goes to stderr and is shown once a service appears.
#include "core/ReminderDue.h"

#include <QHash>
#include <QList>
#include <QObject>

class QDBusServiceWatcher;
class QProcess;

// The program installed beside the agent.
QString dayrailProgram();

namespace notifyaction {
inline const char *const kSnooze10 = "snooze-10m";
inline const char *const kSnoozeHour = "snooze-1h";
inline const char *const kSnoozeTomorrow = "snooze-tomorrow";
inline const char *const kOpen = "open";
} // namespace notifyaction

class Notifier : public QObject {
    Q_OBJECT
public:
    explicit Notifier(QObject *parent = nullptr);
    void show(const DueReminder &reminder);

signals:
    void actionInvoked(const DueReminder &reminder, const QString &action);

private slots:
    void onActionInvoked(uint id, const QString &action);
    void onClosed(uint id, uint reason);

private:
    void holdBack(const DueReminder &reminder);
    void waitForService(const DueReminder &reminder);
    void serviceAppeared();
    void askNext();
    void asked(bool answered, int code);

    QList<DueReminder> m_asking; // for the program's box, one at a time
    QProcess *m_box = nullptr;

    QHash<uint, DueReminder> m_shown;
    QList<DueReminder> m_waiting; // not shown for want of a service
    QDBusServiceWatcher *m_watcher = nullptr;
};
