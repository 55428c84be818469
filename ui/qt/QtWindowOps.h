#pragma once

#include "ui/Random.h"
#include "ui/WindowOps.h"

#include <array>

class QTimer;
class QWidget;

namespace ga::qt {

// The window operations over real Qt widgets. It converts between the logic's UTF-8
// strings and colours and Qt's, and does nothing else: the rules stay in the logic.
class QtWindowOps final : public WindowOps {
  public:
    using Widgets = std::array<QWidget*, kControlCount>;

    // `window` is the top-level window (its caption titles the message boxes); `timer`
    // stands for Timer1.
    QtWindowOps(QWidget& window, const Widgets& widgets, QTimer& timer);

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
    template <class T> T* widget(Control c) const;

    QWidget& window_;
    Widgets widgets_;
    QTimer& timer_;
    Random random_;
};

} // namespace ga::qt
