// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TickTimer: calls its tick handler every interval, on a timer of the GUI
// thread. A handler's failure is sent out as tickFailed and the ticks go on:
// the owner decides how to report it.
#include "base/Errors.h"

#include <QObject>
#include <QtGlobal>
#include <functional>

class QTimer;

// A handler that receives the object that raised the event.
using TickHandler = std::function<void(QObject *sender)>;

// The toolkit refused to start a timer.
class ResourceError : public DayrailError {
public:
    using DayrailError::DayrailError;
};

class TickTimer : public QObject {
    Q_OBJECT
public:
    explicit TickTimer(QObject *owner = nullptr);
    ~TickTimer() override;

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    // Milliseconds; 0 means no ticks.
    quint32 interval() const { return m_interval; }
    void setInterval(quint32 interval);
    bool hasTickHandler() const { return bool(m_tickHandler); }
    // Replacing one handler by another keeps the period running.
    void setTickHandler(TickHandler handler);

signals:
    // A tick handler threw.
    void tickFailed(const QString &text);

protected:
    // One tick; descendants may override it.
    virtual void tick();

private:
    void applySettings();
    bool ticking() const;
    // Runs one tick, sending a failure out as tickFailed.
    void tickReporting();

    bool m_enabled = true;
    quint32 m_interval = 1000;
    TickHandler m_tickHandler;
    QTimer *m_timer = nullptr;
};
