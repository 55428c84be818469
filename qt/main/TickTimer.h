#pragma once

#include <QObject>
#include <QTimer>

#include <cstdint>

class QSocketNotifier;

namespace ga::qt {

// Timer1: a periodic timer whose ticks keep their phase to the nanosecond.
//
// Qt's own timers round every wait up to a whole millisecond, so at a 1 ms period a tick
// that is handled a little late pushes the next one past its time, and about one tick in
// ten is lost. On Linux this timer waits on a kernel timerfd instead, whose expirations
// stay on the grid of the period. Otherwise (or if the kernel timer cannot be made) it is
// a precise QTimer, which drops every missed tick.
//
// Periods shorter than a frame come in bursts: the timer wakes once per frame-long span of
// whole periods and delivers that span's ticks together. The window shows a run once per
// frame at most, and waking the program a thousand times a second would cost more than the
// generations themselves. Ticks missed while the program could not run (a slow paint, a
// busy machine) are made up, one span's worth at most, so the speed the user chose holds;
// beyond that they are dropped, so a long stall never turns into a burst that would hold
// up the window, and at periods of a frame or more a late tick comes alone. As with QTimer,
// changing the interval of a running timer starts its period afresh.
class TickTimer : public QObject {
    Q_OBJECT

  public:
    enum class Clock { Kernel, Qt };

    // About one frame: shorter periods are delivered in bursts of this span.
    static constexpr int kSpanMs = 16;

    explicit TickTimer(QObject* parent = nullptr, Clock wanted = Clock::Kernel);
    ~TickTimer() override;
    TickTimer(const TickTimer&) = delete;
    TickTimer& operator=(const TickTimer&) = delete;

    void setInterval(int milliseconds);
    [[nodiscard]] int interval() const { return interval_; }
    [[nodiscard]] bool isActive() const { return active_; }
    // The clock actually in use, which is Qt's when the kernel timer could not be made.
    [[nodiscard]] Clock clock() const { return fd_ >= 0 ? Clock::Kernel : Clock::Qt; }

    void start();
    void stop();

  signals:
    void timeout();
    // After the ticks of one wake-up.
    void delivered();

  private:
    void arm(bool running);
    void onExpired();
    // Emits the ticks of `wakes` expirations, as far as they may be made up.
    void deliver(std::uint64_t wakes);
    // How many periods one wake-up delivers.
    [[nodiscard]] int periodsPerWake() const;

    int interval_ = 0;
    bool active_ = false;
    // Counts every start, stop and interval change, so that ticks owed from before one
    // are not delivered after it.
    std::uint64_t armings_ = 0;
    int fd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    QTimer fallback_;
};

} // namespace ga::qt
