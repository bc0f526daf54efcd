#pragma once
// TickTimer: calls OnTimer every Interval milliseconds. By default a worker
// thread of its own sleeps the interval and hands each tick to the GUI thread,
// waiting until it has run; it can also tick on the worker itself or on a
// toolkit timer of the GUI thread.
#include "Errors.h"

#include <QObject>
#include <QtGlobal>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

class QSocketNotifier;

// A handler that receives the object that raised the event.
using TickHandler = std::function<void(QObject *sender)>;

enum TimerPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

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
    // Threaded mode: run OnTimer on the GUI thread (true) or on the worker.
    bool SyncEvent() const { return m_syncEvent.load(); }
    void SetSyncEvent(bool sync) { m_syncEvent = sync; }
    bool Threaded() const { return m_threaded; }
    void SetThreaded(bool threaded);
    TimerPriority ThreadPriority() const { return m_priority; }
    void SetThreadPriority(TimerPriority priority);
    bool HasOnTimer() const;
    void SetOnTimer(TickHandler handler);

    // Whether the worker is held (no sleeping, no ticks) and whether the
    // toolkit timer's window exists: what the last update left.
    bool threadSuspended() const;
    bool hasMessageWindow() const { return m_window != nullptr; }

protected:
    // One tick; descendants may override it.
    virtual void Timer();

private:
    struct Worker;
    class MessageWindow;

    void UpdateTimer();
    static void deliver(const std::shared_ptr<Worker> &worker);
    bool ticking() const;

    std::atomic<bool> m_enabled{true};
    std::atomic<bool> m_syncEvent{true};
    std::atomic<bool> m_destroying{false};
    quint32 m_interval = 1000;
    bool m_threaded = true;
    TimerPriority m_priority = tpNormal;
    mutable std::mutex m_handlerMutex; // the worker reads OnTimer when not synchronised
    TickHandler m_onTimer;

    std::shared_ptr<Worker> m_worker;
    std::thread m_thread;
    QSocketNotifier *m_wake = nullptr; // the worker's knock on the GUI thread
    std::unique_ptr<MessageWindow> m_window;
};
