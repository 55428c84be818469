#pragma once

#include "form/window/Batch.h"
#include "form/window/Controls.h"

#include <string>

namespace ga {

// The window as the program's logic meets it: it reads what the user typed, hands over
// what a handler changed as one batch, and reads the clock. Everything else of the
// program builds and runs without a toolkit, and tests see every effect.
class WindowOps {
  public:
    virtual ~WindowOps() = default;

    // The typed contents of a text box at the moment of reading.
    [[nodiscard]] virtual std::string text(Control box) const = 0;
    // Shows what one handler or tick changed. Buttons, the timer, message boxes, the beep
    // and closing take effect at once; what only shows the run may wait for the next frame.
    virtual void apply(const Batch& batch) = 0;
    // The seconds since midnight, for seeding the random generator.
    virtual float secondsSinceMidnight() = 0;
};

} // namespace ga
