#pragma once

#include "ui/Random.h"
#include "ui/WindowOps.h"
#include "ui/qt/TickTimer.h"

#include <QColor>
#include <QTimer>

#include <array>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace ga::qt {

// The window operations over real Qt widgets. It converts between the logic's UTF-8
// strings and colours and Qt's, and does nothing else: the rules stay in the logic.
//
// What only shows the run (the population lists, the read-only result boxes, the colour
// squares, the charts and the log) reaches the screen at most once a frame: at the fastest
// speed a tick comes every millisecond, and showing each one would cost far more than the
// tick. The logic never reads those controls back, and the owner flushes at the end of
// every click so that a click shows its effect at once.
class QtWindowOps final : public WindowOps {
  public:
    using Widgets = std::array<QWidget*, kControlCount>;

    // About one screen refresh.
    static constexpr int kFrameIntervalMs = 16;

    // `window` is the top-level window (its caption titles the message boxes); `timer`
    // stands for Timer1.
    QtWindowOps(QWidget& window, const Widgets& widgets, TickTimer& timer);

    // Shows every change that is still waiting for the next frame.
    void flushDisplay();

    std::string text(Control box) const override;
    void setText(Control box, std::string_view text) override;
    void setCaption(Control label, std::string_view caption) override;
    void addItem(Control list, std::string_view line) override;
    void clear(Control list) override;
    void setEnabled(Control control, bool enabled) override;
    void setInterval(Control timer, int milliseconds) override;
    void scale(Control picture, double x1, double y1, double x2, double y2) override;
    void setScaleTop(Control picture, float y) override;
    void cls(Control picture) override;
    void refresh(Control picture) override;
    void circle(Control picture, float x, float y, double radius, Colour colour) override;
    void setBackColor(Control square, Colour colour) override;
    void setSquareDigit(Control square, std::string_view digit) override;
    void msgBox(std::string_view text) override;
    void beep() override;
    void unload() override;
    float secondsSinceMidnight() override;
    float rnd() override;
    void randomize(float seed) override;

  private:
    // What waits for the next frame is kept as the logic's UTF-8 and turned into Qt's
    // strings only when shown: a frame at the fastest speed spans some sixteen ticks, and
    // only the last one's lines and texts are shown. The entries and their buffers stay
    // from frame to frame; `waiting` says whether one holds something.

    // The lines a list box is to get: after a Clear they replace its contents, otherwise
    // they follow them.
    struct PendingList {
        Control list;
        bool waiting = false;
        bool cleared = false;
        std::vector<std::string> lines; // the first `count` are in use
        std::size_t count = 0;
    };
    struct PendingText {
        Control box;
        bool waiting = false;
        std::string text;
    };
    struct PendingSquare {
        Control square;
        bool waiting = false;
        std::optional<QColor> colour;
        bool hasDigit = false;
        std::string digit;
    };

    template <class T> T* widget(Control c) const;
    void scheduleFlush();
    PendingList& pendingList(Control list);
    PendingText& pendingText(Control box);
    PendingSquare& pendingSquare(Control square);
    void showList(const PendingList& pending);

    QWidget& window_;
    Widgets widgets_;
    TickTimer& timer_;
    Random random_;
    QTimer frameTimer_;
    std::vector<PendingList> pendingLists_;
    std::vector<PendingText> pendingTexts_;
    std::vector<PendingSquare> pendingSquares_;
};

} // namespace ga::qt
