// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// The timer component: where and whether ticks arrive, its modes and its end.
#include "controls/TickTimer.h"
#include "tests/support/TestSupport.h"

#include <QThread>
#include <QTimer>
#include <QtTest>
#include <atomic>
#include <pthread.h>
#include <sched.h>

namespace {

constexpr int kShort = 15; // ms: a tick interval short enough to wait for several

// Counts ticks and remembers on which threads they ran.
struct TickLog {
    std::atomic<int> count{0};
    std::atomic<bool> offGuiThread{false};
    std::atomic<bool> onGuiThread{false};
    std::atomic<int> offGuiCount{0};
    std::atomic<QObject *> sender{nullptr};

    TickHandler handler()
    {
        return [this](QObject *from) {
            sender = from;
            if (QThread::currentThread() == QCoreApplication::instance()->thread()) {
                onGuiThread = true;
            } else {
                offGuiThread = true;
                ++offGuiCount;
            }
            ++count;
        };
    }
};

// A negative check needs a witness, not a pause: another timer of the same
// kind and interval ticking a few times is the span in which a tick of the
// timer under test would have come.
void waitOutTicks(bool threaded, int ticks = 4)
{
    TickLog witness;
    TickTimer timer;
    timer.setThreaded(threaded);
    timer.setInterval(kShort);
    timer.setTickHandler(witness.handler());
    QTRY_VERIFY(witness.count >= ticks);
}

} // namespace

class TickTimerTest : public QObject {
    Q_OBJECT
private slots:
    void ticksArriveWhereAsked_data();
    void ticksArriveWhereAsked();
    void nothingTicksWithoutAllConditions_data();
    void nothingTicksWithoutAllConditions();
    void disablingStopsAndEnablingResumes();
    void anotherHandlerKeepsThePeriod_data();
    void anotherHandlerKeepsThePeriod();
    void switchingThreadedBothWays();
    void destructionEndsTheWorkerWithoutAnotherTick_data();
    void destructionEndsTheWorkerWithoutAnotherTick();
    void timerDeletedByItsOwnTick_data();
    void timerDeletedByItsOwnTick();
    void handlerErrorsAreReportedAndTicksGoOn_data();
    void handlerErrorsAreReportedAndTicksGoOn();
    void refusedToolkitTimerRaises();
    void idlePriorityComesAndGoes();
};

void TickTimerTest::ticksArriveWhereAsked_data()
{
    QTest::addColumn<bool>("threaded");
    QTest::addColumn<bool>("sync");
    QTest::addColumn<bool>("onGui");
    QTest::newRow("worker, synchronised") << true << true << true;
    QTest::newRow("worker, not synchronised") << true << false << false;
    QTest::newRow("toolkit timer") << false << true << true;
    QTest::newRow("toolkit timer ignores synchronisation") << false << false << true;
}

void TickTimerTest::ticksArriveWhereAsked()
{
    QFETCH(bool, threaded);
    QFETCH(bool, sync);
    QFETCH(bool, onGui);
    TickLog log;
    TickTimer timer;
    timer.setThreaded(threaded);
    timer.setSynchronised(sync);
    timer.setInterval(kShort);
    QVERIFY(timer.isThreadSuspended()); // nothing runs before a handler exists
    timer.setTickHandler(log.handler());
    QTRY_VERIFY(log.count >= 4);
    QCOMPARE(log.onGuiThread.load(), onGui);
    QCOMPARE(log.offGuiThread.load(), !onGui);
    QCOMPARE(log.sender.load(), &timer);
    QCOMPARE(timer.hasGuiTimer(), !threaded);
}

void TickTimerTest::nothingTicksWithoutAllConditions_data()
{
    QTest::addColumn<bool>("threaded");
    QTest::addColumn<quint32>("interval");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("handler");
    for (bool threaded : {true, false}) {
        const char *mode = threaded ? "worker" : "toolkit";
        QTest::addRow("%s, interval 0", mode) << threaded << 0u << true << true;
        QTest::addRow("%s, disabled", mode) << threaded << quint32(kShort) << false << true;
        QTest::addRow("%s, no handler", mode) << threaded << quint32(kShort) << true << false;
    }
}

void TickTimerTest::nothingTicksWithoutAllConditions()
{
    QFETCH(bool, threaded);
    QFETCH(quint32, interval);
    QFETCH(bool, enabled);
    QFETCH(bool, handler);
    TickLog log;
    TickTimer timer;
    timer.setThreaded(threaded);
    timer.setTickHandler(log.handler());
    timer.setInterval(kShort);
    QTRY_VERIFY(log.count >= 1); // it did run before
    timer.setInterval(interval);
    timer.setEnabled(enabled);
    if (!handler)
        timer.setTickHandler(nullptr);
    QVERIFY(timer.isThreadSuspended());
    // A tick handed over before the change is dropped, not run.
    const int before = log.count;
    QCoreApplication::sendPostedEvents();
    waitOutTicks(threaded);
    QCOMPARE(log.count.load(), before);
}

void TickTimerTest::disablingStopsAndEnablingResumes()
{
    TickLog log;
    TickTimer timer;
    timer.setInterval(kShort);
    timer.setTickHandler(log.handler());
    QTRY_VERIFY(log.count >= 2);
    timer.setEnabled(false);
    const int stopped = log.count; // a synchronised tick is checked on the GUI thread
    waitOutTicks(true);
    QCOMPARE(log.count.load(), stopped);
    timer.setEnabled(true);
    QVERIFY(!timer.isThreadSuspended());
    QTRY_VERIFY(log.count >= stopped + 2);
}

void TickTimerTest::anotherHandlerKeepsThePeriod_data()
{
    QTest::addColumn<bool>("threaded");
    QTest::newRow("worker") << true;
    QTest::newRow("toolkit timer") << false;
}

void TickTimerTest::anotherHandlerKeepsThePeriod()
{
    // Handlers replaced faster than the interval: a restart on each
    // replacement would starve the ticks.
    QFETCH(bool, threaded);
    TickLog first, second;
    TickTimer timer;
    timer.setThreaded(threaded);
    timer.setInterval(4 * kShort);
    timer.setTickHandler(first.handler());
    QTimer swapper;
    connect(&swapper, &QTimer::timeout, &swapper, [&] { timer.setTickHandler(second.handler()); });
    swapper.start(kShort / 3);
    QTRY_VERIFY(second.count >= 2);
    swapper.stop();
    // The last handler set is the only one that ticks from now on: each tick
    // takes the handler when it runs.
    timer.setTickHandler(second.handler());
    const int firstCount = first.count;
    const int secondCount = second.count;
    QTRY_VERIFY(second.count >= secondCount + 2);
    QCOMPARE(first.count.load(), firstCount);
}

void TickTimerTest::switchingThreadedBothWays()
{
    TickLog log;
    TickTimer timer;
    timer.setInterval(kShort);
    timer.setSynchronised(false);
    timer.setTickHandler(log.handler());
    QTRY_VERIFY(log.offGuiThread);

    timer.setThreaded(false);
    QVERIFY(timer.isThreadSuspended());
    QVERIFY(timer.hasGuiTimer());
    // At most the tick under way on the worker still ends there.
    const int offGui = log.offGuiCount;
    const int before = log.count;
    QTRY_VERIFY(log.count >= before + 4);
    QVERIFY(log.onGuiThread);
    QVERIFY(log.offGuiCount <= offGui + 1);
    log.offGuiThread = false;

    timer.setThreaded(true);
    QVERIFY(!timer.hasGuiTimer());
    QVERIFY(!timer.isThreadSuspended());
    QTRY_VERIFY(log.offGuiThread);
}

void TickTimerTest::destructionEndsTheWorkerWithoutAnotherTick_data()
{
    QTest::addColumn<bool>("sync");
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("idle");
    // In the middle of a sleep of an hour: a join that waits it out hangs
    // the test.
    constexpr int kHour = 3600 * 1000;
    QTest::newRow("sleeping") << true << kHour << 50;
    // The worker has handed a tick over and waits for the GUI thread.
    QTest::newRow("tick handed over") << true << 5 << 60;
    QTest::newRow("sleeping, not synchronised") << false << kHour << 50;
}

void TickTimerTest::destructionEndsTheWorkerWithoutAnotherTick()
{
    QFETCH(bool, sync);
    QFETCH(int, interval);
    QFETCH(int, idle);
    auto log = std::make_unique<TickLog>();
    auto *timer = new TickTimer;
    timer->setSynchronised(sync);
    timer->setInterval(quint32(interval));
    timer->setTickHandler(log->handler());
    // Lets the worker reach the state the row names; no event processing
    // meanwhile, so no tick can run on this thread.
    QThread::msleep(ulong(idle));
    delete timer; // joins the worker: hangs if it does not end
    // The worker is gone: only a tick already posted could still run.
    QCoreApplication::sendPostedEvents();
    QCOMPARE(log->count.load(), 0);
}

void TickTimerTest::timerDeletedByItsOwnTick_data()
{
    QTest::addColumn<bool>("sync");
    QTest::newRow("on the GUI thread") << true;
    QTest::newRow("on the worker") << false;
}

void TickTimerTest::timerDeletedByItsOwnTick()
{
    QFETCH(bool, sync);
    std::atomic<int> ticks{0};
    std::atomic<bool> gone{false};
    auto *timer = new TickTimer;
    connect(timer, &QObject::destroyed, [&] { gone = true; });
    timer->setSynchronised(sync);
    timer->setInterval(kShort);
    timer->setTickHandler([&](QObject *sender) {
        ++ticks;
        delete sender;
    });
    QTRY_VERIFY(gone);
    // The timer ended its worker as it went: the worker ticks no more, and a
    // tick posted meanwhile went with the timer.
    QCoreApplication::sendPostedEvents();
    QCOMPARE(ticks.load(), 1);
}

void TickTimerTest::handlerErrorsAreReportedAndTicksGoOn_data()
{
    QTest::addColumn<bool>("threaded");
    QTest::addColumn<bool>("sync");
    QTest::newRow("worker, synchronised") << true << true;
    QTest::newRow("worker, not synchronised") << true << false;
    QTest::newRow("toolkit timer") << false << true;
}

void TickTimerTest::handlerErrorsAreReportedAndTicksGoOn()
{
    QFETCH(bool, threaded);
    QFETCH(bool, sync);
    std::atomic<int> ticks{0};
    TickTimer timer;
    QSignalSpy failed(&timer, &TickTimer::tickFailed);
    timer.setThreaded(threaded);
    timer.setSynchronised(sync);
    timer.setInterval(kShort);
    timer.setTickHandler([&](QObject *) {
        if (++ticks == 1)
            throw DayrailError(QStringLiteral("Сбой в обработчике"));
    });
    QTRY_VERIFY(ticks >= 3);
    QTRY_COMPARE(failed.size(), 1);
    QCOMPARE(failed.at(0).at(0).toString(), QStringLiteral("Сбой в обработчике"));
}

void TickTimerTest::refusedToolkitTimerRaises()
{
    TickLog log;
    TickTimer timer;
    timer.setThreaded(false);
    timer.setTickHandler(log.handler());
    QVERIFY_THROWS_EXCEPTION(ResourceError, timer.setInterval(0x80000000u));
    // The worker can sleep that long: no error there.
    timer.setThreaded(true);
    QVERIFY(!timer.isThreadSuspended());
}

void TickTimerTest::idlePriorityComesAndGoes()
{
    // The worker's scheduling class, as the worker itself sees it.
    std::atomic<int> policy{-1};
    TickTimer timer;
    timer.setSynchronised(false);
    timer.setInterval(kShort);
    timer.setTickHandler([&](QObject *) {
        sched_param param{};
        int now = -1;
        pthread_getschedparam(pthread_self(), &now, &param);
        policy = now;
    });
    QTRY_COMPARE(policy.load(), int(SCHED_OTHER));
    timer.setThreadPriority(TimerPriority::Idle);
    QTRY_COMPARE(policy.load(), int(SCHED_IDLE));
    timer.setThreadPriority(TimerPriority::Normal);
    QTRY_COMPARE(policy.load(), int(SCHED_OTHER));
}

QTEST_GUILESS_MAIN(TickTimerTest)
#include "tst_ticktimer.moc"
