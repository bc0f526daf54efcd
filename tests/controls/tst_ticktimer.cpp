// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// The timer component: whether ticks arrive, and its end.
#include "controls/TickTimer.h"
#include "tests/support/TestSupport.h"

#include <QTimer>
#include <QtTest>

namespace {

constexpr int kShort = 15; // ms: a tick interval short enough to wait for several

// Counts ticks and remembers who raised them.
struct TickLog {
    int count = 0;
    QObject *sender = nullptr;

    TickHandler handler()
    {
        return [this](QObject *from) {
            sender = from;
            ++count;
        };
    }
};

// A negative check needs a witness, not a pause: another timer of the same
// interval ticking a few times is the span in which a tick of the timer under
// test would have come.
void waitOutTicks(int ticks = 4)
{
    TickLog witness;
    TickTimer timer;
    timer.setInterval(kShort);
    timer.setTickHandler(witness.handler());
    QTRY_VERIFY(witness.count >= ticks);
}

} // namespace

class TickTimerTest : public QObject {
    Q_OBJECT
private slots:
    void ticksArriveFromTheTimer();
    void nothingTicksWithoutAllConditions_data();
    void nothingTicksWithoutAllConditions();
    void anotherHandlerKeepsThePeriod();
    void timerDeletedByItsOwnTick();
    void handlerErrorsAreReportedAndTicksGoOn();
    void refusedToolkitTimerRaises();
};

void TickTimerTest::ticksArriveFromTheTimer()
{
    TickLog log;
    TickTimer timer;
    timer.setInterval(kShort);
    timer.setTickHandler(log.handler());
    QTRY_VERIFY(log.count >= 4);
    QCOMPARE(log.sender, &timer);
}

void TickTimerTest::nothingTicksWithoutAllConditions_data()
{
    QTest::addColumn<quint32>("interval");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("handler");
    QTest::newRow("interval 0") << 0u << true << true;
    QTest::newRow("disabled") << quint32(kShort) << false << true;
    QTest::newRow("no handler") << quint32(kShort) << true << false;
}

void TickTimerTest::nothingTicksWithoutAllConditions()
{
    QFETCH(quint32, interval);
    QFETCH(bool, enabled);
    QFETCH(bool, handler);
    TickLog log;
    TickTimer timer;
    timer.setTickHandler(log.handler());
    timer.setInterval(kShort);
    QTRY_VERIFY(log.count >= 1); // it did run before
    timer.setInterval(interval);
    timer.setEnabled(enabled);
    if (!handler)
        timer.setTickHandler(nullptr);
    const int before = log.count;
    waitOutTicks();
    QCOMPARE(log.count, before);
    // Everything back: the ticks resume.
    timer.setInterval(kShort);
    timer.setEnabled(true);
    timer.setTickHandler(log.handler());
    QTRY_VERIFY(log.count >= before + 2);
}

void TickTimerTest::anotherHandlerKeepsThePeriod()
{
    // Handlers replaced faster than the interval: a restart on each
    // replacement would starve the ticks.
    TickLog first, second;
    TickTimer timer;
    timer.setInterval(4 * kShort);
    timer.setTickHandler(first.handler());
    QTimer swapper;
    connect(&swapper, &QTimer::timeout, &swapper, [&] { timer.setTickHandler(second.handler()); });
    swapper.start(kShort / 3);
    QTRY_VERIFY(second.count >= 2);
    swapper.stop();
    const int firstCount = first.count;
    QTRY_VERIFY(second.count >= 4);
    QCOMPARE(first.count, firstCount);
}

void TickTimerTest::timerDeletedByItsOwnTick()
{
    int ticks = 0;
    bool gone = false;
    auto *timer = new TickTimer;
    connect(timer, &QObject::destroyed, [&] { gone = true; });
    timer->setInterval(kShort);
    timer->setTickHandler([&](QObject *sender) {
        ++ticks;
        delete sender;
    });
    QTRY_VERIFY(gone);
    waitOutTicks();
    QCOMPARE(ticks, 1);
}

void TickTimerTest::handlerErrorsAreReportedAndTicksGoOn()
{
    int ticks = 0;
    TickTimer timer;
    QSignalSpy failed(&timer, &TickTimer::tickFailed);
    timer.setInterval(kShort);
    timer.setTickHandler([&](QObject *) {
        if (++ticks == 1)
            throw DayrailError(QStringLiteral("Сбой в обработчике"));
    });
    QTRY_VERIFY(ticks >= 3);
    QCOMPARE(failed.size(), 1);
    QCOMPARE(failed.at(0).at(0).toString(), QStringLiteral("Сбой в обработчике"));
}

void TickTimerTest::refusedToolkitTimerRaises()
{
    TickLog log;
    TickTimer timer;
    timer.setTickHandler(log.handler());
    QVERIFY_THROWS_EXCEPTION(ResourceError, timer.setInterval(0x80000000u));
}

QTEST_GUILESS_MAIN(TickTimerTest)
#include "tst_ticktimer.moc"
