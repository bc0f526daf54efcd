// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ends that do not come through the main window's close box: SIGTERM and
// SIGHUP (and SIGINT when started from a terminal) and the session manager's
// request to save at logout. Each becomes the Qt signal endRequested(), so
// that the program saves as its close box does.
#include <QObject>

class QSocketNotifier;

class SessionEnd : public QObject {
    Q_OBJECT
public:
    enum class Cause {
        Signal, // the process is asked to end: save, then quit
        Logout, // the session is ending: save now; the session manager ends the program
    };
    Q_ENUM(Cause)

    // Installs the signal handlers; only one object may exist at a time.
    explicit SessionEnd(QObject *parent = nullptr);
    // Restores the default handling of the signals.
    ~SessionEnd() override;

    // The signals that are turned into endRequested().
    static QList<int> handledSignals();

signals:
    void endRequested(SessionEnd::Cause cause);

private:
    void readSignal();

    int m_fds[2] = {-1, -1};
    QSocketNotifier *m_notifier = nullptr;
};
