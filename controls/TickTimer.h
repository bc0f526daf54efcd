// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TickTimer: calls OnTimer every Interval milliseconds. By default a worker
// thread sleeps the interval and has each tick run on the GUI thread, waiting
// until it has run; it can also tick on the worker itself, or on a QTimer of
// the GUI thread instead of the worker.
#include "Errors.h"

#include <QObject>
#include <QtGlobal>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

class QTimer;

// A handler that receives the object that raised the event.
using TickHandler = std::function<void(QObject *sender)>;

// The worker's priority. Linux grades no priorities for ordinary threads
// without privileges: only Idle really differs from the rest.
enum class TimerPriority { Idle, Lowest, Lower, Normal, Higher, Highest, TimeCritical };

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

    bool Enabled() const { return m_enabled.load(); }
    void SetEnabled(bool enabled);
    // Milliseconds; 0 means no ticks.
    quint32 Interval() const { return m_interval; }
    void SetInterval(quint32 interval);
    // Worker mode: run OnTimer on the GUI thread (true) or on the worker.
    // Takes effect at the next tick.
    bool SyncEvent() const { return m_syncEvent.load(); }
    void SetSyncEvent(bool sync) { m_syncEvent = sync; }
    // The worker thread (true) or a QTimer of the GUI thread.
    bool Threaded() const { return m_threaded; }
    void SetThreaded(bool threaded);
    TimerPriority ThreadPriority() const { return m_priority; }
    void SetThreadPriority(TimerPriority priority);
    bool HasOnTimer() const;
    // Replacing one handler by another keeps the period running.
    void SetOnTimer(TickHandler handler);

    // Whether the worker is held (no sleeping, no ticks) and whether the GUI
    // thread's timer exists: what the last change left.
    bool threadSuspended() const;
    bool hasMessageWindow() const { return m_messageTimer != nullptr; }

protected:
    // One tick; descendants may override it.
    virtual void Timer();

private:
    struct Shared;
    class Worker;

    void applySettings();
    void applyToWorker();
    void applyToMessageTimer();
    bool ticking() const;
    static void deliver(const std::shared_ptr<Shared> &shared);

    std::atomic<bool> m_enabled{true};
    std::atomic<bool> m_syncEvent{true};
    std::atomic<bool> m_destroying{false};
    quint32 m_interval = 1000;
    bool m_threaded = true;
    TimerPriority m_priority = TimerPriority::Normal;
    mutable std::mutex m_handlerMutex; // the worker reads OnTimer when not synchronised
    TickHandler m_onTimer;

    std::shared_ptr<Shared> m_shared;
    Worker *m_worker = nullptr;       // started when it first has to tick
    QTimer *m_messageTimer = nullptr; // only while not threaded
};
