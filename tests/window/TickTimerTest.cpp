#include "ui/qt/TickTimer.h"

#include <QCoreApplication>
#include <QTest>

#include <chrono>
#include <thread>

using ga::qt::TickTimer;

namespace {

// Lets a timer fall due several times over while the event loop is not running, as it
// does while a slow tick or paint is being handled.
void missPeriods(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
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
    void missedTicksComeAsOne_data() { bothClocks_data(); }
    void missedTicksComeAsOne();
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
    TickTimer timer(nullptr, clock);
    QCOMPARE(timer.clock(), clock);
    int ticks = 0;
    connect(&timer, &TickTimer::timeout, this, [&] { ++ticks; });

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
    QTest::qWait(30);
    QCOMPARE(ticks, atStop);
}

// "Durdur" pressed while a tick is already due: the tick must not run after the click,
// or the run would move on past the generation the user stopped at.
void TickTimerTest::stopForgetsADueTick() {
    QFETCH(TickTimer::Clock, clock);
    TickTimer timer(nullptr, clock);
    int ticks = 0;
    connect(&timer, &TickTimer::timeout, this, [&] { ++ticks; });
    timer.setInterval(1);
    timer.start();
    missPeriods(5);
    timer.stop();
    QTest::qWait(20);
    QCOMPARE(ticks, 0);
}

// After a long stall the timer gives one tick, not one for each period missed: a burst
// would freeze the window for as long again.
void TickTimerTest::missedTicksComeAsOne() {
    QFETCH(TickTimer::Clock, clock);
    TickTimer timer(nullptr, clock);
    int ticks = 0;
    connect(&timer, &TickTimer::timeout, this, [&] { ++ticks; });
    timer.setInterval(1);
    timer.start();
    missPeriods(40);
    QCoreApplication::processEvents();
    QCOMPARE(ticks, 1);
}

// The kernel reads a zero period as "disarmed"; the timer must still tick, as a QTimer
// with interval 0 does.
void TickTimerTest::zeroIntervalStillTicks() {
    QFETCH(TickTimer::Clock, clock);
    TickTimer timer(nullptr, clock);
    int ticks = 0;
    connect(&timer, &TickTimer::timeout, this, [&] { ++ticks; });
    timer.setInterval(0);
    timer.start();
    QTRY_VERIFY(ticks >= 2);
}

QTEST_MAIN(TickTimerTest)
#include "TickTimerTest.moc"
