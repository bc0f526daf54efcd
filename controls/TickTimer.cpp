// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/TickTimer.h"

#include <QPointer>
#include <QTimer>
#include <climits>
#include <optional>

TickTimer::TickTimer(QObject *owner) : QObject(owner), m_timer(new QTimer(this))
{
    connect(m_timer, &QTimer::timeout, this, &TickTimer::tickReporting);
}

TickTimer::~TickTimer() = default;

void TickTimer::tick()
{
    if (!m_enabled)
        return;
    // A copy: the handler may replace itself, or delete this timer.
    const TickHandler handler = m_tickHandler;
    if (handler)
        handler(this);
}

void TickTimer::tickReporting()
{
    const QPointer<TickTimer> alive(this);
    const std::optional<QString> failure = failureOf([this] { tick(); });
    if (failure && alive)
        emit tickFailed(*failure);
}

void TickTimer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    applySettings();
}

void TickTimer::setInterval(quint32 interval)
{
    if (interval == m_interval)
        return;
    m_interval = interval;
    applySettings();
}

void TickTimer::setTickHandler(TickHandler handler)
{
    const bool wasAssigned = bool(m_tickHandler);
    m_tickHandler = std::move(handler);
    if (bool(m_tickHandler) != wasAssigned)
        applySettings();
}

bool TickTimer::ticking() const
{
    return m_interval != 0 && m_enabled && m_tickHandler;
}

void TickTimer::applySettings()
{
    m_timer->stop();
    if (!ticking())
        return;
    if (m_interval <= quint32(INT_MAX))
        m_timer->start(int(m_interval));
    if (!m_timer->isActive())
        throw ResourceError(QStringLiteral("Недостаточно свободных таймеров"));
}
