// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QSysInfo>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

// A plain local socket: the toolkit's network module would cost more memory
// at every start than the whole rest of this feature.

namespace {

const QByteArray kActivate = QByteArrayLiteral("activate\n");
// "date YYYY-MM-DD\n": as long as a request may be.
const QByteArray kDateRequest = QByteArrayLiteral("date ");
const QString kDateFormat = QStringLiteral("yyyy-MM-dd");
// The running copy takes its lock a moment before it listens: a second start
// in that moment tries again.
constexpr int kConnectAttempts = 5;
constexpr int kRetryMs = 100;

// False when the path does not fit a socket address.
bool makeAddress(const QString &path, sockaddr_un &address)
{
    const QByteArray name = QFile::encodeName(path);
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (name.size() >= int(sizeof address.sun_path))
        return false;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    return true;
}

// Whether a process holds the lock file at path: the toolkit's lock keeps an
// flock() on its file while it is held.
bool isHeldByAProcess(const QString &path)
{
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    const bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return held;
}

// A lock file that names this computer but that no process holds: the
// toolkit's lock keeps an flock() on its file while it is held, so a lock
// copied along with its folder, or left by a copy of another user that has
// ended, is held by nobody. It is taken over. A link, a folder, a damaged
// lock or one from another computer is never taken over here.
bool takeUnheldLock(QLockFile &lock)
{
    struct stat status = {};
    if (::lstat(QFile::encodeName(lock.fileName()).constData(), &status) != 0 ||
        !S_ISREG(status.st_mode))
        return false;
    qint64 pid = 0;
    QString host;
    QString program;
    if (!lock.getLockInfo(&pid, &host, &program) || host != QSysInfo::machineHostName())
        return false;
    return lock.removeStaleLockFile() && lock.tryLock(0);
}

} // namespace

SingleInstance::SingleInstance(const QString &dataFolder, QObject *parent)
    : QObject(parent), m_folder(dataFolder), m_lock(QDir(dataFolder).filePath(lockFileName())),
      m_request(kActivate)
{
    // A copy may run for weeks: its lock never goes stale by age, only when
    // the process that wrote it is gone.
    m_lock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance()
{
    if (m_listenFd < 0)
        return;
    ::close(m_listenFd);
    ::unlink(QFile::encodeName(socketPath()).constData());
}

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

QString SingleInstance::socketPath() const
{
    return QDir::tempPath() + QLatin1Char('/') + serverName(m_folder);
}

void SingleInstance::setDateToShow(const QDate &date)
{
    m_request =
        date.isValid() ? kDateRequest + date.toString(kDateFormat).toLatin1() + '\n' : kActivate;
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
        if (!m_handedOver && takeUnheldLock(m_lock)) {
            listen();
            return true;
        }
        return false;
    }
    // No lock can be made here (a folder that cannot be written): nothing
    // could be saved into it either, so two copies have nothing to overwrite.
    return true;
}

QString SingleInstance::lockDescription() const
{
    const QString path = m_lock.fileName();
    const QFileInfo info(path);
    qint64 pid = 0;
    QString host;
    QString program;
    QString what;
    if (info.isSymLink())
        what =
            QStringLiteral("вместо файла блокировки — ссылка на \"%1\"").arg(info.symLinkTarget());
    else if (info.isDir())
        what = QStringLiteral("вместо файла блокировки — папка");
    else if (info.size() == 0)
        what = QStringLiteral("файл блокировки пуст");
    else if (!m_lock.getLockInfo(&pid, &host, &program))
        what = QStringLiteral("файл блокировки повреждён или не читается");
    const QString unknown = QStringLiteral("неизвестно");
    QString text = QStringLiteral("Папка \"%1\" занята другой копией программы, которая не "
                                  "отвечает.\n\nКомпьютер: %2\nПроцесс: %3")
                       .arg(QDir::toNativeSeparators(m_folder), host.isEmpty() ? unknown : host,
                            pid > 0 ? QStringLiteral("%1 (%2)").arg(pid).arg(program) : unknown);
    // Another user's copy cannot be reached from here.
    if (info.exists() && !info.isSymLink() && info.ownerId() != ::getuid())
        text += QStringLiteral("\nПользователь: %1").arg(info.owner());
    if (!what.isEmpty())
        text += QStringLiteral("\n(%1: \"%2\")").arg(what, path);
    return text;
}

bool SingleInstance::takeOverLock()
{
    m_lock.removeStaleLockFile();
    // A link is removed, never followed.
    const QByteArray path = QFile::encodeName(m_lock.fileName());
    struct stat status = {};
    if (::lstat(path.constData(), &status) == 0 && S_ISLNK(status.st_mode))
        ::unlink(path.constData());
    if (!m_lock.tryLock(0))
        return false;
    listen();
    return true;
}

void SingleInstance::listen()
{
    sockaddr_un address;
    const QString path = socketPath();
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    bool listening = fd >= 0 && makeAddress(path, address);
    if (listening) {
        // The lock is ours, so a socket of this name was left by a copy that
        // was killed.
        ::unlink(address.sun_path);
        // Only this user may connect.
        const mode_t previous = ::umask(0077);
        listening = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
        ::umask(previous);
        listening = listening && ::listen(fd, 4) == 0;
    }
    // Without the socket the program still runs; only a second start cannot
    // bring it to the front.
    if (!listening) {
        qWarning("SingleInstance: cannot listen on %s: %s", qPrintable(path), std::strerror(errno));
        if (fd >= 0)
            ::close(fd);
        return;
    }
    m_listenFd = fd;
    auto *notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &SingleInstance::takeConnection);
}

void SingleInstance::takeConnection()
{
    int fd;
    while ((fd = ::accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) >= 0) {
        auto *notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this,
                [this, fd, notifier] { readRequest(fd, notifier); });
    }
}

void SingleInstance::readRequest(int fd, QSocketNotifier *notifier)
{
    // A request is one short line sent at once; anything else is no request
    // of ours. Each connection is read once and closed.
    char buffer[16];
    const ssize_t got = ::recv(fd, buffer, sizeof buffer, 0);
    if (got < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    notifier->setEnabled(false);
    notifier->deleteLater();
    ::close(fd);
    const QByteArray request(buffer, got > 0 ? int(got) : 0);
    if (request == kActivate) {
        emit activationRequested();
    } else if (request.startsWith(kDateRequest) && request.endsWith('\n')) {
        const QDate date = QDate::fromString(
            QString::fromLatin1(request.mid(kDateRequest.size()).chopped(1)), kDateFormat);
        if (date.isValid())
            emit dateRequested(date);
    }
}

bool SingleInstance::askPrimaryToActivate() const
{
    sockaddr_un address;
    if (!makeAddress(socketPath(), address))
        return false;
    // Only a lock that a process holds can belong to a copy about to listen.
    const int attempts = isHeldByAProcess(m_lock.fileName()) ? kConnectAttempts : 1;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        if (attempt > 0)
            QThread::msleep(kRetryMs);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0)
            return false;
        bool sent = ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
        sent = sent && ::send(fd, m_request.constData(), size_t(m_request.size()), MSG_NOSIGNAL) ==
                           m_request.size();
        ::close(fd);
        if (sent)
            return true;
    }
    return false;
}

QString ProfileLock::lockPath(const QString &profilePath)
{
    const QFileInfo profile(profilePath);
    return profile.absolutePath() + QStringLiteral("/.") + profile.fileName() +
           QStringLiteral(".lock");
}

bool ProfileLock::follow(const QString &path)
{
    if (m_lock && QFileInfo(path).absoluteFilePath() == QFileInfo(m_path).absoluteFilePath())
        return true;
    m_lock.reset();
    m_path = path;
    auto lock = std::make_unique<QLockFile>(lockPath(path));
    lock->setStaleLockTime(0);
    if (lock->tryLock(0) || takeUnheldLock(*lock))
        m_lock = std::move(lock);
    else if (lock->error() == QLockFile::LockFailedError)
        return false;
    return true;
}

bool ProfileLock::isHeld(const QString &path)
{
    QLockFile probe(lockPath(path));
    probe.setStaleLockTime(0);
    if (probe.tryLock(0)) {
        probe.unlock();
        return false;
    }
    return probe.error() == QLockFile::LockFailedError;
}
