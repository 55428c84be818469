#pragma once

#include "form/window/Batch.h"
#include "form/window/WindowOps.h"
#include "qt/main/TickTimer.h"

#include <QElapsedTimer>
#include <QTimer>

#include <array>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace ga::qt {

// The window operations over real Qt widgets. It turns the logic's UTF-8 texts and colours
// into Qt's and does nothing else: the rules stay in the logic.
//
// What only shows the run (the population lists, the read-only boxes, the status line, the
// colour squares, the charts and the log) reaches the screen on one display clock, at most
// thirty times a second (every other frame of a common screen): at the fastest speed a
// tick comes every millisecond, showing each one would cost far more than the tick, and
// nobody reads lists that change more often than that. Batches that arrive within a frame are
// merged: the lists and texts show the last state, the log catches up with Form1's log and the
// charts get every drawing, in order. Buttons, the timer and message boxes act at once, and the
// owner flushes after every click so that a click shows its effect at once.
class QtWindowOps final : public WindowOps {
  public:
    using Widgets = std::array<QWidget*, kControlCount>;

    // Thirty frames a second.
    static constexpr int kFrameIntervalMs = 33;

    // `window` is the top-level window (its caption titles the message boxes); `timer`
    // stands for Timer1.
    QtWindowOps(QWidget& window, const Widgets& widgets, TickTimer& timer);

    [[nodiscard]] std::string text(Control box) const override;
    void apply(const Batch& batch) override;
    float secondsSinceMidnight() override;

    // Shows every change that is still waiting for the next frame.
    void flushDisplay();
    // Shows what waits if a display frame has passed since the last showing: a burst of
    // ticks that ends on the frame shows its result without waking the program once more.
    void flushIfDue();
    // Whether something waits for the next frame.
    [[nodiscard]] bool displayPending() const { return frameClock_.isActive(); }

  private:
    // The lines a population list is to get: after a Clear they replace its contents,
    // otherwise they follow them. The buffers stay from frame to frame.
    struct PendingList {
        bool waiting = false;
        bool cleared = false;
        std::vector<std::string> lines; // the first `count` are in use
        std::size_t count = 0;
    };
    struct PendingSquare {
        Control square = Control::Count;
        Colour colour = 0;
        std::string digit;
    };

    template <class T> T* widget(Control c) const;
    void actNow(const Batch& batch);
    void mergeDisplay(const Batch& batch);
    void showList(Control list, const PendingList& pending);
    void showMessage(const std::string& text);

    QWidget& window_;
    Widgets widgets_;
    TickTimer& timer_;
    QTimer frameClock_;
    QElapsedTimer sinceFlush_;

    std::array<PendingList, 3> lists_;
    std::array<std::optional<std::string>, kControlCount> texts_;
    std::vector<PendingSquare> squares_;
    std::vector<ChartCommand> chart_;
};

} // namespace ga::qt
