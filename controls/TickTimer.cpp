// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/TickTimer.h"

#include <QPointer>
#include <QThread>
#include <QTimer>
#include <chrono>
#include <climits>
#include <condition_variable>
#include <optional>
#include <pthread.h>
#include <sched.h>

// What the worker shares with the GUI thread, guarded by one mutex. Held by
// shared pointers, so that a tick on its way to the GUI thread, or a worker
// whose timer was deleted by its own tick, never outlives it.
struct TickTimer::Shared {
    bool mayRun() const { return terminated || !suspended; }

    std::mutex mutex;
    std::condition_variable wake;
    TickTimer *owner = nullptr; // cleared when the timer goes
    bool suspended = true;
    bool terminated = false;
    quint32 interval = 1000;
    TimerPriority priority = TimerPriority::Normal;
    bool tickPending = false; // a synchronised tick waits for the GUI thread
};

class TickTimer::Worker : public QThread {
public:
    explicit Worker(std::shared_ptr<Shared> shared) : m_shared(std::move(shared)) {}

protected:
    void run() override;

private:
    void tick(std::unique_lock<std::mutex> &lock, TickTimer *timer);
    std::shared_ptr<Shared> m_shared;
};

namespace {

void applyPriority(TimerPriority priority)
{
    sched_param param{};
    param.sched_priority = 0;
    pthread_setschedparam(pthread_self(),
                          priority == TimerPriority::Idle ? SCHED_IDLE : SCHED_OTHER, &param);
}

} // namespace

void TickTimer::Worker::run()
{
    Shared &shared = *m_shared;
    std::unique_lock<std::mutex> lock(shared.mutex);
    TimerPriority applied = TimerPriority::Normal;
    for (;;) {
        shared.wake.wait(lock, [&] { return shared.mayRun(); });
        if (shared.terminated)
            return;
        if (shared.priority != applied) {
            applyPriority(shared.priority);
            applied = shared.priority;
        }
        // A plain sleep: a suspension meanwhile only holds the tick back, and
        // a new interval applies from the next sleep on.
        const auto period = std::chrono::milliseconds(shared.interval);
        if (shared.wake.wait_for(lock, period, [&] { return shared.terminated; }))
            return;
        shared.wake.wait(lock, [&] { return shared.mayRun(); });
        if (shared.terminated)
            return;
        if (shared.owner->m_enabled)
            tick(lock, shared.owner);
    }
}

void TickTimer::Worker::tick(std::unique_lock<std::mutex> &lock, TickTimer *timer)
{
    Shared &shared = *m_shared;
    if (timer->m_synchronised) {
        // Posted to the timer: a timer deleted meanwhile takes the tick with it.
        shared.tickPending = true;
        std::shared_ptr<Shared> state = m_shared;
        QMetaObject::invokeMethod(
            timer, [state] { deliver(state); }, Qt::QueuedConnection);
        shared.wake.wait(lock, [&] { return shared.terminated || !shared.tickPending; });
        shared.tickPending = false;
        return;
    }
    // The handler may delete the timer; only the shared state is used after it.
    lock.unlock();
    const std::optional<QString> failure = failureOf([timer] { timer->tick(); });
    lock.lock();
    if (failure && !shared.terminated) {
        // Sent on the GUI thread, unless the timer is gone by then; the
        // worker goes on ticking.
        TickTimer *owner = shared.owner;
        QMetaObject::invokeMethod(
            owner, [owner, text = *failure] { emit owner->tickFailed(text); },
            Qt::QueuedConnection);
    }
}

TickTimer::TickTimer(QObject *owner) : QObject(owner), m_shared(std::make_shared<Shared>())
{
    m_shared->owner = this;
}

TickTimer::~TickTimer()
{
    m_destroying = true;
    m_enabled = false;
    {
        std::lock_guard<std::mutex> guard(m_handlerMutex);
        m_tickHandler = nullptr;
    }
    {
        std::lock_guard<std::mutex> guard(m_shared->mutex);
        m_shared->terminated = true;
        m_shared->owner = nullptr;
    }
    m_shared->wake.notify_all();
    if (!m_worker)
        return;
    if (QThread::currentThread() == m_worker) {
        // Deleted by its own tick on the worker: the thread ends once the tick
        // returns, and its object goes after it.
        connect(m_worker, &QThread::finished, m_worker, &QObject::deleteLater);
        return;
    }
    // Every wait of the worker also ends on termination, so this is prompt.
    m_worker->wait();
    // The worker's last step was to let go of the shared state; taking it
    // once more orders that before the frees below for race checkers too,
    // which cannot see into the toolkit's own join.
    {
        std::lock_guard<std::mutex> guard(m_shared->mutex);
    }
    delete m_worker;
}

void TickTimer::deliver(const std::shared_ptr<Shared> &shared)
{
    TickTimer *timer = nullptr;
    {
        std::lock_guard<std::mutex> guard(shared->mutex);
        // A tick held back by a suspension since it was handed over is dropped.
        if (shared->tickPending && !shared->suspended && !shared->terminated)
            timer = shared->owner;
    }
    if (timer)
        timer->tickReporting();
    {
        std::lock_guard<std::mutex> guard(shared->mutex);
        shared->tickPending = false;
    }
    shared->wake.notify_all();
}

void TickTimer::tick()
{
    if (!m_enabled || m_destroying)
        return;
    TickHandler handler;
    {
        std::lock_guard<std::mutex> guard(m_handlerMutex);
        handler = m_tickHandler;
    }
    if (handler)
        handler(this);
}

void TickTimer::tickReporting()
{
    // The tick may delete its own timer.
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

void TickTimer::setThreaded(bool threaded)
{
    if (threaded == m_threaded)
        return;
    m_threaded = threaded;
    applySettings();
}

void TickTimer::setThreadPriority(TimerPriority priority)
{
    if (priority == m_priority)
        return;
    m_priority = priority;
    if (m_threaded)
        applySettings();
}

bool TickTimer::hasTickHandler() const
{
    std::lock_guard<std::mutex> guard(m_handlerMutex);
    return bool(m_tickHandler);
}

void TickTimer::setTickHandler(TickHandler handler)
{
    const bool assigned = bool(handler);
    bool wasAssigned = false;
    {
        std::lock_guard<std::mutex> guard(m_handlerMutex);
        wasAssigned = bool(m_tickHandler);
        m_tickHandler = std::move(handler);
    }
    if (assigned != wasAssigned)
        applySettings();
}

bool TickTimer::isThreadSuspended() const
{
    std::lock_guard<std::mutex> guard(m_shared->mutex);
    return m_shared->suspended;
}

bool TickTimer::ticking() const
{
    return m_interval != 0 && m_enabled && hasTickHandler();
}

void TickTimer::applySettings()
{
    if (m_threaded)
        applyToWorker();
    else
        applyToGuiTimer();
}

void TickTimer::applyToWorker()
{
    delete m_guiTimer;
    m_guiTimer = nullptr;
    const bool resume = ticking();
    {
        // Suspend, take the interval, resume: the worker sees only the result.
        std::lock_guard<std::mutex> guard(m_shared->mutex);
        m_shared->interval = m_interval;
        m_shared->priority = m_priority;
        m_shared->suspended = !resume;
    }
    m_shared->wake.notify_all();
    if (resume && !m_worker) {
        m_worker = new Worker(m_shared);
        m_worker->setObjectName(QStringLiteral("TickTimer"));
        m_worker->start();
    }
}

void TickTimer::applyToGuiTimer()
{
    {
        std::lock_guard<std::mutex> guard(m_shared->mutex);
        m_shared->suspended = true;
    }
    if (!m_guiTimer) {
        m_guiTimer = new QTimer(this);
        connect(m_guiTimer, &QTimer::timeout, this, &TickTimer::tickReporting);
    }
    m_guiTimer->stop();
    if (!ticking())
        return;
    if (m_interval <= quint32(INT_MAX))
        m_guiTimer->start(int(m_interval));
    if (!m_guiTimer->isActive())
        throw ResourceError(QStringLiteral("Недостаточно свободных таймеров"));
}
