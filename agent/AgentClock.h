// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The agent's one source of the time. For tests, DAYRAIL_REMIND_NOW (local
// time, ISO form) starts it at a chosen moment and DAYRAIL_REMIND_SPEED runs
// it that many times faster; otherwise it is the system's clock.
#include <QDateTime>
#include <QElapsedTimer>

class AgentClock {
public:
    AgentClock();
    QDateTime now() const;
    // Real milliseconds until moment comes by this clock; 0 when it has.
    qint64 msecsUntil(const QDateTime &moment) const;

private:
    QDateTime m_start; // invalid: the system's clock
    double m_speed = 1;
    QElapsedTimer m_elapsed;
};
