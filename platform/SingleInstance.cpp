// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <unistd.h>

namespace {

const QByteArray kActivate = QByteArrayLiteral("activate\n");
constexpr int kWaitMs = 1000;
// The running copy takes its lock a moment before it listens: a second start
// in that moment tries again.
constexpr int kConnectAttempts = 5;
constexpr int kRetryMs = 100;

} // namespace

SingleInstance::SingleInstance(const QString &dataFolder, QObject *parent)
    : QObject(parent), m_folder(dataFolder), m_lock(QDir(dataFolder).filePath(lockFileName()))
{
    // A copy may run for weeks: its lock never goes stale by age, only when
    // the process that wrote it is gone.
    m_lock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::serverName(const QString &dataFolder)
{
    const QDir dir(dataFolder);
    QString folder = dir.canonicalPath();
    if (folder.isEmpty())
        folder = dir.absolutePath();
    // Local sockets share one temporary folder: the user is part of the name
    // so that another user's socket never stands in the way.
    const QByteArray key = folder.toUtf8() + '\0' + QByteArray::number(::getuid());
    const QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex();
    return QStringLiteral("dayrail-") + QString::fromLatin1(hash.left(24));
}

bool SingleInstance::tryBecomePrimary()
{
    if (m_lock.isLocked())
        return true;
    if (m_lock.tryLock(0)) {
        listen();
        return true;
    }
    if (m_lock.error() == QLockFile::LockFailedError) {
        m_handedOver = askPrimaryToActivate();
        return false;
    }
    // No lock can be made here (a folder that cannot be written): nothing
    // could be saved into it either, so two copies have nothing to overwrite.
    return true;
}

void SingleInstance::listen()
{
    const QString name = serverName(m_folder);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // The lock is ours, so a socket of this name was left by a copy that was
    // killed.
    QLocalServer::removeServer(name);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::takeConnection);
    // Without the socket the program still runs; only a second start cannot
    // bring it to the front.
    if (!m_server->listen(name))
        qWarning("SingleInstance: cannot listen on %s: %s", qPrintable(name),
                 qPrintable(m_server->errorString()));
}

void SingleInstance::takeConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
        readRequest(socket);
    }
}

void SingleInstance::readRequest(QLocalSocket *socket)
{
    if (!socket->canReadLine()) {
        // A request is one short line; anything longer is no request of ours.
        if (socket->bytesAvailable() > kActivate.size())
            socket->abort();
        return;
    }
    const QByteArray request = socket->readLine(kActivate.size() + 1);
    socket->disconnectFromServer();
    if (request == kActivate)
        emit activationRequested();
}

bool SingleInstance::askPrimaryToActivate() const
{
    for (int attempt = 0; attempt < kConnectAttempts; ++attempt) {
        if (attempt > 0)
            QThread::msleep(kRetryMs);
        QLocalSocket socket;
        socket.connectToServer(serverName(m_folder));
        if (!socket.waitForConnected(kWaitMs))
            continue;
        socket.write(kActivate);
        const bool sent = socket.waitForBytesWritten(kWaitMs) || socket.bytesToWrite() == 0;
        socket.disconnectFromServer();
        return sent;
    }
    return false;
}
