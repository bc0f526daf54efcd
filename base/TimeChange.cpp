// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/TimeChange.h"

#include <QSocketNotifier>
#include <cerrno>
#include <ctime>
#include <sys/timerfd.h>
#include <unistd.h>

// A wall-clock timer set far ahead that the kernel cancels whenever the
// clock is set: no polling, no wake-ups in between.
SystemTimeWatcher::SystemTimeWatcher(QObject *parent)
    : QObject(parent), m_fd(timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC))
{
    if (m_fd < 0)
        return;
    arm();
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SystemTimeWatcher::readable);
}

SystemTimeWatcher::~SystemTimeWatcher()
{
    delete m_notifier;
    if (m_fd >= 0)
        close(m_fd);
}

void SystemTimeWatcher::arm()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    itimerspec when{};
    when.it_value.tv_sec = now.tv_sec + 365 * 24 * 3600;
    timerfd_settime(m_fd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &when, nullptr);
}

void SystemTimeWatcher::readable()
{
    quint64 expirations = 0;
    const bool set = read(m_fd, &expirations, sizeof expirations) < 0 && errno == ECANCELED;
    arm();
    if (set)
        emit changed();
}
