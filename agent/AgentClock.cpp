// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "agent/AgentClock.h"

#include <QtGlobal>
#include <cmath>

AgentClock::AgentClock()
{
    const QString start = qEnvironmentVariable("DAYRAIL_REMIND_NOW");
    if (start.isEmpty())
        return;
    m_start = QDateTime::fromString(start, Qt::ISODate);
    bool ok = false;
    const double speed = qEnvironmentVariable("DAYRAIL_REMIND_SPEED").toDouble(&ok);
    if (ok && speed > 0)
        m_speed = speed;
    m_elapsed.start();
}

QDateTime AgentClock::now() const
{
    if (!m_start.isValid())
        return QDateTime::currentDateTime();
    return m_start.addMSecs(qint64(double(m_elapsed.elapsed()) * m_speed));
}

qint64 AgentClock::msecsUntil(const QDateTime &moment) const
{
    const qint64 ahead = now().msecsTo(moment);
    return ahead <= 0 ? 0 : qint64(std::ceil(double(ahead) / m_speed));
}
