// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SessionEnd.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The write end of the pipe into the event loop. A signal handler reaches
// nothing but process-wide state, so this one descriptor has to be it; it is
// set while a SessionEnd exists and -1 otherwise.
std::atomic<int> g_signalFd{-1};

extern "C" void onSignal(int signal)
{
    // Only async-signal-safe calls here: one write, errno kept.
    const int savedErrno = errno;
    const int fd = g_signalFd.load();
    if (fd >= 0) {
        const char byte = char(signal);
        [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
    }
    errno = savedErrno;
}

void setHandler(int signal, void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(signal, &action, nullptr);
}

} // namespace

QList<int> SessionEnd::handledSignals()
{
    QList<int> list = {SIGTERM, SIGHUP};
    // Ctrl+C in the terminal the program was started from ends it as the
    // close box does; without a terminal SIGINT keeps its usual meaning.
    if (::isatty(STDIN_FILENO))
        list << SIGINT;
    return list;
}

SessionEnd::SessionEnd(QObject *parent) : QObject(parent)
{
    Q_ASSERT(g_signalFd.load() < 0);
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, m_fds) == 0) {
        // A burst of signals must never block the handler.
        ::fcntl(m_fds[0], F_SETFL, ::fcntl(m_fds[0], F_GETFL) | O_NONBLOCK);
        ::fcntl(m_fds[1], F_SETFL, ::fcntl(m_fds[1], F_GETFL) | O_NONBLOCK);
        m_notifier = new QSocketNotifier(m_fds[1], QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &SessionEnd::readSignal);
        g_signalFd.store(m_fds[0]);
        for (int signal : handledSignals())
            setHandler(signal, onSignal);
    } else {
        qWarning("SessionEnd: no socket pair; signals end the program without saving");
    }
    // The save must be done when the handler returns: a direct call.
    if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        connect(
            app, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager &) { emit endRequested(Cause::Logout); }, Qt::DirectConnection);
}

SessionEnd::~SessionEnd()
{
    if (m_fds[0] < 0)
        return;
    for (int signal : handledSignals())
        setHandler(signal, SIG_DFL);
    g_signalFd.store(-1);
    ::close(m_fds[0]);
    ::close(m_fds[1]);
}

void SessionEnd::readSignal()
{
    // Several signals in a row ask for one end.
    char bytes[16];
    bool any = false;
    while (::read(m_fds[1], bytes, sizeof bytes) > 0)
        any = true;
    if (any)
        emit endRequested(Cause::Signal);
}
