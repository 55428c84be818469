#pragma once

#include "form/window/ControlTable.h"

namespace ga {

// A rectangle in logical pixels.
struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The smallest side of anything a finger has to hit: about 9 mm on an ordinary screen.
inline constexpr int kTouchTargetPixels = 44;

// The window filling a screen for the classroom board: the specified layout scaled by one
// factor, and under it a bar of touch buttons along the bottom edge.
struct PresentationLayout {
    double scale = 1;
    // Where the scaled client area goes: centred across, at the top.
    PixelRect stage;
    // The touch bar: the whole width, at the bottom.
    PixelRect bar;
    // The height of the bar's buttons and the gap around them.
    int buttonHeight = kTouchTargetPixels;
    int margin = 0;
};

// The layout for a room of `width` × `height` logical pixels (the window's area under its
// menu bar): the largest uniform scale at which the client area and the bar both fit. The
// bar is at least one touch target high, and grows with the scale so its captions stay as
// readable as the window's. A room with no extent gives scale 1 and no stage.
PresentationLayout presentationLayout(int width, int height);

// The rectangle `r` scaled by `scale`. Its edges are rounded, not its size, so controls
// that touch in the layout still touch and none overlaps its neighbour by a pixel.
PixelRect scaleRect(const PixelRect& r, double scale);

// A control's rectangle as specified, in logical pixels relative to its container.
PixelRect designRect(const ControlRow& row);

// The speeds the touch bar steps through: the next one faster or slower than `current`.
// A speed that gives no period of its own (zero, negative, not a number) counts as the
// recommended 8; beyond the ends the speed stays where it is.
double nextSpeed(double current, bool faster);

} // namespace ga
