// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One running copy per data folder. The first copy holds a lock file in the
// folder and listens on a local socket named after the folder; a second copy
// finds the lock taken, asks the first to come to the front and ends without
// touching any file.
#include <QByteArray>
#include <QDate>
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
    // lock until it is destroyed). A lock left by a copy that was killed on
    // this computer does not count. False when another copy holds the lock:
    // see handedOver().
    bool tryBecomePrimary();
    // Before tryBecomePrimary(): a running copy is asked to show this day
    // rather than only itself.
    void setDateToShow(const QDate &date);
    // After tryBecomePrimary() returned false: whether a running copy of this
    // folder answered and has been asked to show itself (this one should
    // then end at once). When it did not, nothing proves that copy live (a
    // lock from another computer, a copied folder, another user's copy, a
    // lock that is not a lock file): ask the user with lockDescription().
    bool handedOver() const { return m_handedOver; }
    // For the user: the folder, the computer and the process the lock names,
    // or what the lock is when it names none.
    QString lockDescription() const;
    // "Open anyway": the lock is replaced by this copy's. False when it cannot
    // be (a folder in its place): the copy then runs without a lock.
    bool takeOverLock();

    // The socket name this folder's copy listens on, in the temporary folder.
    static QString serverName(const QString &dataFolder);
    static QString lockFileName() { return QStringLiteral(".dayrail.lock"); }

signals:
    // Another start in the same folder asked the running copy to show itself.
    void activationRequested();
    // Another start asked the running copy to show this day.
    void dateRequested(const QDate &date);

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
    QByteArray m_request;
};

// The active profile's lock, beside the profile as ".<name>.lock": two running
// copies (a copied folder still naming the original's profile) never write
// one profile file.
class ProfileLock {
public:
    // Locks path, releasing the profile locked before; false when another
    // running copy holds it. A profile whose folder takes no lock counts as
    // free: nothing could be saved there either.
    bool follow(const QString &path);
    // Whether a running copy holds the profile at path: ask for a profile
    // other than this copy's own, which it holds itself.
    static bool isHeld(const QString &path);

    static QString lockPath(const QString &profilePath);

private:
    std::unique_ptr<QLockFile> m_lock;
    QString m_path;
};
