// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One running copy per data folder. The first copy holds a lock file in the
// folder and listens on a local socket named after the folder; a second copy
// finds the lock taken, asks the first to come to the front and ends without
// touching any file.
#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

class QSocketNotifier;

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString &dataFolder, QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this copy is now the only one for the folder (it keeps the
    // lock until it is destroyed). False when another copy runs: that copy
    // has been asked to show itself, and this one should end at once.
    // A lock left by a copy that was killed does not count.
    bool tryBecomePrimary();
    // After tryBecomePrimary() returned false: whether the running copy took
    // the request (false when it could not be reached, say another user's).
    bool handedOver() const { return m_handedOver; }

    // The socket name this folder's copy listens on, in the temporary folder.
    static QString serverName(const QString &dataFolder);
    static QString lockFileName() { return QStringLiteral(".dayrail.lock"); }

signals:
    // Another start in the same folder asked the running copy to show itself.
    void activationRequested();

private:
    QString socketPath() const;
    void listen();
    void takeConnection();
    void readRequest(int fd, QSocketNotifier *notifier);
    bool askPrimaryToActivate() const;

    QString m_folder;
    QLockFile m_lock;
    int m_listenFd = -1;
    bool m_handedOver = false;
};
