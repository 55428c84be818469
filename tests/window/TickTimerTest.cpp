#include "qt/main/TickTimer.h"
#include "tests/window/WindowTestMain.h"

#include <QCoreApplication>
#include <QTest>

#include <chrono>
#include <functional>
#include <thread>

using ga::qt::TickTimer;

namespace {

// Lets a timer fall due several times over while the event loop is not running, as it
// does while a slow tick or paint is being handled.
void missPeriods(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

// A timer that counts its ticks; onTick runs after the count, as the window's handler
// would.
struct CountingTimer {
    explicit CountingTimer(TickTimer::Clock clock) : timer(nullptr, clock) {
        QObject::connect(&timer, &TickTimer::timeout, [this] {
            ++ticks;
            if (onTick) {
                onTick();
            }
        });
    }

    // Starts the timer, keeps the event loop away for `stall` ms, then lets whatever is
    // owed arrive in one pass of the loop.
    void startAndStall(int interval, int stall) {
        timer.setInterval(interval);
        timer.start();
        missPeriods(stall);
        QCoreApplication::processEvents();
    }

    TickTimer timer;
    int ticks = 0;
    std::function<void()> onTick;
};

// Runs the event loop until a second timer has ticked `periods` times at 1 ms: long
// enough for a timer that should stay quiet to have shown itself if it ticked.
void letPeriodsPass(int periods) {
    CountingTimer reference(TickTimer::Clock::Qt);
    reference.timer.setInterval(1);
    reference.timer.start();
    QTRY_VERIFY(reference.ticks >= periods);
}

} // namespace

class TickTimerTest : public QObject {
    Q_OBJECT

  private slots:
    void bothClocks_data();
    void startsAndStops_data() { bothClocks_data(); }
    void startsAndStops();
    void stopForgetsADueTick_data() { bothClocks_data(); }
    void stopForgetsADueTick();
    void missedTicksAreMadeUpWithinAFrame_data();
    void missedTicksAreMadeUpWithinAFrame();
    void aTickThatStopsOrRestartsTheTimerEndsTheCatchUp();
    void zeroIntervalStillTicks_data() { bothClocks_data(); }
    void zeroIntervalStillTicks();
};

void TickTimerTest::bothClocks_data() {
    QTest::addColumn<TickTimer::Clock>("clock");
    QTest::newRow("kernel") << TickTimer::Clock::Kernel;
    QTest::newRow("qt") << TickTimer::Clock::Qt;
}

// Both clocks answer as the window expects of Timer1: idle until started, an interval
// change never starts or stops it, and ticks arrive while it runs and not after.
void TickTimerTest::startsAndStops() {
    QFETCH(TickTimer::Clock, clock);
    CountingTimer counting(clock);
    TickTimer& timer = counting.timer;
    const int& ticks = counting.ticks;
    QCOMPARE(timer.clock(), clock);

    timer.setInterval(2);
    QVERIFY(!timer.isActive());
    QCOMPARE(timer.interval(), 2);

    timer.start();
    QVERIFY(timer.isActive());
    QTRY_VERIFY(ticks >= 3);

    timer.setInterval(3);
    QVERIFY(timer.isActive());
    QCOMPARE(timer.interval(), 3);
    const int before = ticks;
    QTRY_VERIFY(ticks > before);

    timer.stop();
    QVERIFY(!timer.isActive());
    const int atStop = ticks;
    letPeriodsPass(20);
    QCOMPARE(ticks, atStop);
}

// "Durdur" pressed while a tick is already due: the tick must not run after the click,
// or the run would move on past the generation the user stopped at.
void TickTimerTest::stopForgetsADueTick() {
    QFETCH(TickTimer::Clock, clock);
    CountingTimer counting(clock);
    counting.timer.setInterval(1);
    counting.timer.start();
    missPeriods(5);
    counting.timer.stop();
    letPeriodsPass(10);
    QCOMPARE(counting.ticks, 0);
}

void TickTimerTest::missedTicksAreMadeUpWithinAFrame_data() {
    QTest::addColumn<TickTimer::Clock>("clock");
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("stall");
    QTest::addColumn<int>("expected");
    // Short periods come a frame's span at a time (16 ticks at 1 ms, 3 at 5 ms); the
    // kernel clock makes up one missed span, Qt's clock none; at a period of a frame or
    // more a late tick comes alone.
    QTest::newRow("kernel, 1 ms") << TickTimer::Clock::Kernel << 1 << 40 << 32;
    QTest::newRow("kernel, 5 ms") << TickTimer::Clock::Kernel << 5 << 40 << 6;
    QTest::newRow("kernel, 20 ms") << TickTimer::Clock::Kernel << 20 << 70 << 1;
    QTest::newRow("qt, 1 ms") << TickTimer::Clock::Qt << 1 << 40 << 16;
}

// After a stall (a slow paint, a busy machine) the ticks owed are made up so the chosen
// speed holds, but never more than one span more: a long burst would hold up the window.
void TickTimerTest::missedTicksAreMadeUpWithinAFrame() {
    QFETCH(TickTimer::Clock, clock);
    QFETCH(int, interval);
    QFETCH(int, stall);
    QFETCH(int, expected);
    CountingTimer counting(clock);
    counting.startAndStall(interval, stall);
    QCOMPARE(counting.ticks, expected);
}

// A tick that stops the timer (the run reached its target) gets no ticks after it, even
// when more were owed; nor do ticks owed to a period that a tick has since restarted.
void TickTimerTest::aTickThatStopsOrRestartsTheTimerEndsTheCatchUp() {
    CountingTimer stopping(TickTimer::Clock::Kernel);
    stopping.onTick = [&] {
        if (stopping.ticks == 3) {
            stopping.timer.stop();
        }
    };
    stopping.startAndStall(1, 40);
    letPeriodsPass(10);
    QCOMPARE(stopping.ticks, 3);
    QVERIFY(!stopping.timer.isActive());

    CountingTimer restarting(TickTimer::Clock::Kernel);
    restarting.onTick = [&] {
        restarting.timer.stop();
        restarting.timer.start();
    };
    restarting.startAndStall(1, 40);
    QCOMPARE(restarting.ticks, 1);
    QVERIFY(restarting.timer.isActive());
}

// The kernel reads a zero period as "disarmed"; the timer must still tick, as a QTimer
// with interval 0 does.
void TickTimerTest::zeroIntervalStillTicks() {
    QFETCH(TickTimer::Clock, clock);
    CountingTimer counting(clock);
    counting.timer.setInterval(0);
    counting.timer.start();
    QTRY_VERIFY(counting.ticks >= 2);
}

GA_WINDOW_TEST(TickTimerTest)
#include "TickTimerTest.moc"
