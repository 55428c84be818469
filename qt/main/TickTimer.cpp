#include "qt/main/TickTimer.h"

#include <QSocketNotifier>

#include <algorithm>
#include <cstdint>

#ifdef __linux__
#include <sys/timerfd.h>
#include <unistd.h>
#endif

namespace ga::qt {

TickTimer::TickTimer(QObject* parent, Clock wanted) : QObject(parent) {
    fallback_.setTimerType(Qt::PreciseTimer);
    connect(&fallback_, &QTimer::timeout, this, [this] { deliver(1); });
#ifdef __linux__
    if (wanted == Clock::Kernel) {
        fd_ = ::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    }
    if (fd_ >= 0) {
        notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, &TickTimer::onExpired);
    }
#else
    (void)wanted;
#endif
}

TickTimer::~TickTimer() {
#ifdef __linux__
    if (fd_ >= 0) {
        // The notifier must let go of the descriptor before it is closed.
        delete notifier_;
        ::close(fd_);
    }
#endif
}

void TickTimer::setInterval(int milliseconds) {
    interval_ = std::max(0, milliseconds);
    if (active_) {
        arm(true);
    }
}

void TickTimer::start() {
    active_ = true;
    arm(true);
}

void TickTimer::stop() {
    active_ = false;
    arm(false);
}

int TickTimer::periodsPerWake() const {
    return interval_ > 0 ? std::max(1, kSpanMs / interval_) : 1;
}

void TickTimer::arm(bool running) {
    ++armings_;
    if (fd_ < 0) {
        if (running) {
            fallback_.start(interval_ * periodsPerWake());
        } else {
            fallback_.stop();
        }
        return;
    }
#ifdef __linux__
    // A zero interval would disarm the kernel timer; QTimer reads it as "as soon as
    // possible", which a nanosecond comes closest to.
    const std::int64_t ns =
        std::max<std::int64_t>(1, std::int64_t{interval_} * periodsPerWake() * 1'000'000);
    itimerspec spec{};
    if (running) {
        spec.it_interval.tv_sec = static_cast<time_t>(ns / 1'000'000'000);
        spec.it_interval.tv_nsec = static_cast<long>(ns % 1'000'000'000);
        spec.it_value = spec.it_interval;
    }
    // Setting the timer also forgets expirations not yet read, so a stopped or restarted
    // timer never delivers a tick from before.
    ::timerfd_settime(fd_, 0, &spec, nullptr);
#endif
}

void TickTimer::onExpired() {
#ifdef __linux__
    std::uint64_t expirations = 0;
    const ssize_t got = ::read(fd_, &expirations, sizeof expirations);
    if (got != static_cast<ssize_t>(sizeof expirations)) {
        return;
    }
    deliver(expirations);
#endif
}

void TickTimer::deliver(std::uint64_t wakes) {
    // One span is due, and at short periods one more missed span is made up.
    const auto perWake = static_cast<std::uint64_t>(periodsPerWake());
    const std::uint64_t limit = perWake > 1 ? 2 * perWake : 1;
    const std::uint64_t ticks = std::min(wakes * perWake, limit);
    // A tick may stop or restart the timer (the run reached its target); the ticks still
    // owed belong to the old period and are dropped.
    const std::uint64_t arming = armings_;
    for (std::uint64_t i = 0; i < ticks && armings_ == arming; ++i) {
        emit timeout();
    }
    emit delivered();
}

} // namespace ga::qt
