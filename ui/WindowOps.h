#pragma once

#include "ui/Controls.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ga {

// A colour as the program computes it: 0x00BBGGRR.
using Colour = std::uint32_t;

// Everything the program's logic does to its window, its clock and its random
// generator goes through this interface, so that the logic builds and runs without
// a toolkit and tests can script every input and see every effect.
class WindowOps {
  public:
    virtual ~WindowOps() = default;

    // Text boxes: the typed contents at the moment of reading; writing replaces them.
    virtual std::string text(Control box) const = 0;
    virtual void setText(Control box, std::string_view text) = 0;
    // Labels (the status line).
    virtual void setCaption(Control label, std::string_view caption) = 0;

    // List boxes: append one line at the end; remove every line.
    virtual void addItem(Control list, std::string_view line) = 0;
    virtual void clear(Control list) = 0;

    // Buttons and the timer: a disabled button ignores clicks, a disabled timer does not tick.
    virtual void setEnabled(Control control, bool enabled) = 0;
    // The timer's period in milliseconds (always 1 or more).
    virtual void setInterval(Control timer, int milliseconds) = 0;

    // Picture boxes: a user coordinate system with (x1, y1) at the top-left corner and
    // (x2, y2) at the bottom-right one; a negative height makes y grow upwards.
    virtual void scale(Control picture, double x1, double y1, double x2, double y2) = 0;
    // Moves the top edge to y; the width and height stay.
    virtual void setScaleTop(Control picture, float y) = 0;
    virtual void cls(Control picture) = 0;
    virtual void refresh(Control picture) = 0;
    // An outline centred at (x, y) in user units, the radius in horizontal units.
    virtual void circle(Control picture, float x, float y, double radius, Colour colour) = 0;
    // Fills a colour square.
    virtual void setBackColor(Control square, Colour colour) = 0;
    // Tells a screen reader which digit a colour square shows; empty when it shows none.
    virtual void setSquareDigit(Control square, std::string_view digit) = 0;

    // A modal message box with one OK button, titled with the window's caption.
    virtual void msgBox(std::string_view text) = 0;
    virtual void beep() = 0;
    // Closes the only window, which ends the program.
    virtual void unload() = 0;

    virtual float secondsSinceMidnight() = 0;
    // The next uniform number in [0, 1).
    virtual float rnd() = 0;
    virtual void randomize(float seed) = 0;
};

} // namespace ga
