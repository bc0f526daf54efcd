#include "TickTimer.h"

#include "Dialogs.h"
#include "Handler.h"

#include <QSocketNotifier>
#include <QTimerEvent>
#include <chrono>
#include <climits>
#include <condition_variable>
#include <pthread.h>
#include <sched.h>
#include <sys/eventfd.h>
#include <unistd.h>

// Everything the worker shares with the GUI thread, guarded by one mutex.
// Held by a shared pointer so that a tick being delivered, or a worker left
// running by a timer that deleted itself from its own tick, never outlives it.
struct TickTimer::Worker {
    Worker() : wakeFd(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}
    ~Worker()
    {
        if (wakeFd >= 0)
            close(wakeFd);
    }
    Worker(const Worker &) = delete;
    Worker &operator=(const Worker &) = delete;

    void run();
    // Wakes the GUI thread; what it should do is in the shared state.
    void knock() const
    {
        const quint64 one = 1;
        [[maybe_unused]] const ssize_t written = write(wakeFd, &one, sizeof one);
    }
    bool mayRun() const { return terminated || (!suspended && owner); }

    std::mutex mutex;
    std::condition_variable wake;
    TickTimer *owner = nullptr; // cleared only when the timer goes while its worker runs on
    bool suspended = true;
    bool terminated = false;
    quint32 interval = 1000;
    bool tickPending = false; // a synchronised tick waits for the GUI thread
    bool errorPending = false;
    QString lastError; // from a tick run on the worker
    const int wakeFd;
};

void TickTimer::Worker::run()
{
    std::unique_lock<std::mutex> lock(mutex);
    for (;;) {
        wake.wait(lock, [this] { return mayRun(); });
        if (terminated)
            break;
        // A plain sleep: suspending meanwhile only holds the tick back, and
        // a new interval applies from the next sleep on.
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(interval);
        if (wake.wait_until(lock, deadline, [this] { return terminated; }))
            break;
        wake.wait(lock, [this] { return mayRun(); });
        if (terminated)
            break;
        TickTimer *timer = owner;
        if (!timer->m_enabled)
            continue;
        if (timer->m_syncEvent) {
            tickPending = true;
            knock();
            wake.wait(lock, [this] { return terminated || !tickPending; });
            tickPending = false;
            continue;
        }
        lock.unlock();
        QString error;
        try {
            timer->Timer();
        } catch (const DayrailError &e) {
            error = e.text();
        } catch (const std::exception &e) {
            error = QString::fromLocal8Bit(e.what());
        }
        lock.lock();
        if (!error.isEmpty()) {
            // Reported on the GUI thread; the worker goes on ticking.
            lastError = error;
            errorPending = true;
            knock();
        }
    }
}

// The toolkit timer's window in message mode.
class TickTimer::MessageWindow : public QObject {
public:
    explicit MessageWindow(TickTimer *owner) : m_owner(owner) {}
    bool start(quint32 interval)
    {
        if (interval > quint32(INT_MAX))
            return false;
        m_id = startTimer(std::chrono::milliseconds(interval));
        return m_id != 0;
    }
    void stop()
    {
        if (m_id != 0)
            killTimer(m_id);
        m_id = 0;
    }

protected:
    void timerEvent(QTimerEvent *event) override
    {
        if (event->timerId() == m_id)
            runHandler([this] { m_owner->Timer(); });
    }

private:
    TickTimer *m_owner;
    int m_id = 0;
};

namespace {

// The scheduler of this platform knows no graded priorities for ordinary
// threads without privileges; only the idle class is really different.
void applyPriority(std::thread &thread, TimerPriority priority)
{
    sched_param param{};
    param.sched_priority = 0;
    pthread_setschedparam(thread.native_handle(), priority == tpIdle ? SCHED_IDLE : SCHED_OTHER,
                          &param);
}

} // namespace

TickTimer::TickTimer(QObject *owner) : QObject(owner), m_worker(std::make_shared<Worker>())
{
    m_worker->owner = this;
    if (m_worker->wakeFd >= 0) {
        m_wake = new QSocketNotifier(m_worker->wakeFd, QSocketNotifier::Read, this);
        std::shared_ptr<Worker> worker = m_worker;
        connect(m_wake, &QSocketNotifier::activated, this, [worker] { deliver(worker); });
    }
    std::shared_ptr<Worker> worker = m_worker;
    m_thread = std::thread([worker] { worker->run(); });
}

TickTimer::~TickTimer()
{
    m_destroying = true;
    m_enabled = false;
    {
        std::lock_guard<std::mutex> guard(m_handlerMutex);
        m_onTimer = nullptr;
    }
    const bool onWorker = m_thread.get_id() == std::this_thread::get_id();
    {
        std::lock_guard<std::mutex> guard(m_worker->mutex);
        m_worker->terminated = true;
        m_worker->suspended = false;
        if (onWorker)
            m_worker->owner = nullptr;
    }
    m_worker->wake.notify_all();
    // The sleep is interruptible, so the worker ends at once, a tick handler
    // that runs on it at the latest when the handler returns.
    if (onWorker)
        m_thread.detach();
    else
        m_thread.join();
    if (m_window)
        m_window->stop();
    m_window.reset();
}

void TickTimer::deliver(const std::shared_ptr<Worker> &worker)
{
    quint64 knocks = 0;
    [[maybe_unused]] const ssize_t got = read(worker->wakeFd, &knocks, sizeof knocks);
    TickTimer *timer = nullptr;
    QString error;
    {
        std::lock_guard<std::mutex> guard(worker->mutex);
        if (worker->errorPending)
            error = worker->lastError;
        worker->errorPending = false;
        // A tick held back by a suspension since it was handed over is dropped.
        if (worker->tickPending && !worker->suspended && !worker->terminated)
            timer = worker->owner;
    }
    if (!error.isEmpty())
        dialogs().error(error);
    // The handler may delete the timer; only the shared state is used after it.
    if (timer)
        runHandler([timer] { timer->Timer(); });
    {
        std::lock_guard<std::mutex> guard(worker->mutex);
        worker->tickPending = false;
    }
    worker->wake.notify_all();
}

void TickTimer::Timer()
{
    if (!m_enabled || m_destroying)
        return;
    TickHandler handler;
    {
        std::lock_guard<std::mutex> guard(m_handlerMutex);
        handler = m_onTimer;
    }
    if (handler)
        handler(this);
}

void TickTimer::SetEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    UpdateTimer();
}

void TickTimer::SetInterval(quint32 interval)
{
    if (interval == m_interval)
        return;
    m_interval = interval;
    UpdateTimer();
}

void TickTimer::SetThreaded(bool threaded)
{
    if (threaded == m_threaded)
        return;
    m_threaded = threaded;
    UpdateTimer();
}

void TickTimer::SetThreadPriority(TimerPriority priority)
{
    if (priority == m_priority)
        return;
    m_priority = priority;
    if (m_threaded)
        UpdateTimer();
}

bool TickTimer::HasOnTimer() const
{
    std::lock_guard<std::mutex> guard(m_handlerMutex);
    return bool(m_onTimer);
}

void TickTimer::SetOnTimer(TickHandler handler)
{
    const bool assigned = bool(handler);
    bool wasAssigned = false;
    {
        std::lock_guard<std::mutex> guard(m_handlerMutex);
        wasAssigned = bool(m_onTimer);
        m_onTimer = std::move(handler);
    }
    // Swapping one handler for another keeps the period running.
    if (assigned != wasAssigned)
        UpdateTimer();
}

bool TickTimer::threadSuspended() const
{
    std::lock_guard<std::mutex> guard(m_worker->mutex);
    return m_worker->suspended;
}

bool TickTimer::ticking() const
{
    return m_interval != 0 && m_enabled && HasOnTimer();
}

void TickTimer::UpdateTimer()
{
    if (m_threaded) {
        if (m_window)
            m_window->stop();
        m_window.reset();
        const bool resume = ticking();
        {
            // Suspend, take the interval, resume: the worker sees only the result.
            std::lock_guard<std::mutex> guard(m_worker->mutex);
            m_worker->suspended = true;
            m_worker->interval = m_interval;
            if (resume) {
                applyPriority(m_thread, m_priority);
                m_worker->suspended = false;
            }
        }
        m_worker->wake.notify_all();
        return;
    }
    {
        std::lock_guard<std::mutex> guard(m_worker->mutex);
        m_worker->suspended = true;
    }
    if (m_window)
        m_window->stop();
    else
        m_window = std::make_unique<MessageWindow>(this);
    if (ticking() && !m_window->start(m_interval))
        throw ResourceError(QStringLiteral("Недостаточно свободных таймеров"));
}
