// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tells when the system's wall clock is set (by the user or a time service),
// so that clocks can redraw and re-check their alarms at once.
#include <QObject>

class QSocketNotifier;

class SystemTimeWatcher : public QObject {
    Q_OBJECT
public:
    // The application owns the program's one watcher and hands it to what
    // follows the clock.
    explicit SystemTimeWatcher(QObject *parent = nullptr);
    ~SystemTimeWatcher() override;

    // Reports a change as if the clock had been set.
    void notifyChanged() { emit changed(); }

signals:
    void changed();

private:
    void arm();
    void readable();

    int m_fd = -1;
    QSocketNotifier *m_notifier = nullptr;
};
