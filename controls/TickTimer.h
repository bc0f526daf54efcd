// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TickTimer: calls its tick handler every interval. By default a worker
// thread sleeps the interval and has each tick run on the GUI thread, waiting
// until it has run; it can also tick on the worker itself, or on a QTimer of
// the GUI thread instead of the worker. A handler's failure is sent out as
// tickFailed and the ticks go on: the owner decides how to report it.
#include "base/Errors.h"

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

    bool isEnabled() const { return m_enabled.load(); }
    void setEnabled(bool enabled);
    // Milliseconds; 0 means no ticks.
    quint32 interval() const { return m_interval; }
    void setInterval(quint32 interval);
    // Worker mode: run the handler on the GUI thread (true) or on the worker.
    // Takes effect at the next tick.
    bool isSynchronised() const { return m_synchronised.load(); }
    void setSynchronised(bool sync) { m_synchronised = sync; }
    // The worker thread (true) or a QTimer of the GUI thread.
    bool isThreaded() const { return m_threaded; }
    void setThreaded(bool threaded);
    TimerPriority threadPriority() const { return m_priority; }
    void setThreadPriority(TimerPriority priority);
    bool hasTickHandler() const;
    // Replacing one handler by another keeps the period running.
    void setTickHandler(TickHandler handler);

    // Whether the worker is held (no sleeping, no ticks) and whether the GUI
    // thread's timer exists: what the last change left.
    bool isThreadSuspended() const;
    bool hasGuiTimer() const { return m_guiTimer != nullptr; }

signals:
    // A tick handler threw; always sent on the GUI thread.
    void tickFailed(const QString &text);

protected:
    // One tick; descendants may override it.
    virtual void tick();

private:
    struct Shared;
    class Worker;

    void applySettings();
    void applyToWorker();
    void applyToGuiTimer();
    bool ticking() const;
    // Runs one tick on the GUI thread, sending a failure out as tickFailed.
    void tickReporting();
    static void deliver(const std::shared_ptr<Shared> &shared);

    std::atomic<bool> m_enabled{true};
    std::atomic<bool> m_synchronised{true};
    std::atomic<bool> m_destroying{false};
    quint32 m_interval = 1000;
    bool m_threaded = true;
    TimerPriority m_priority = TimerPriority::Normal;
    mutable std::mutex m_handlerMutex; // the worker reads the handler when not synchronised
    TickHandler m_tickHandler;

    std::shared_ptr<Shared> m_shared;
    Worker *m_worker = nullptr;   // started when it first has to tick
    QTimer *m_guiTimer = nullptr; // only while not threaded
};
