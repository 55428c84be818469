#include "form/window/PresentationLayout.h"
#include "form/window/ControlTable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace ga::test {
namespace {

// On every screen a board or a desk may have, the layout and the bar fit side by side,
// the bar's buttons are touch targets, and the scale is the largest that fits: the stage
// reaches either the room's width or the bar.
TEST(PresentationLayoutTest, FillsTheRoomAndKeepsTheBarBelow) {
    struct Room {
        int width;
        int height;
    };
    const Room rooms[] = {{1920, 1040}, {3840, 2080}, {1366, 700},
                          {1080, 1880}, {800, 560},   {3840, 1000}};
    for (const Room& room : rooms) {
        SCOPED_TRACE(std::to_string(room.width) + "x" + std::to_string(room.height));
        const PresentationLayout l = presentationLayout(room.width, room.height);
        EXPECT_GE(l.buttonHeight, kTouchTargetPixels);
        EXPECT_EQ(l.bar.y + l.bar.height, room.height);
        EXPECT_EQ(l.bar.width, room.width);
        EXPECT_EQ(l.buttonHeight + 2 * l.margin, l.bar.height);
        EXPECT_GE(l.stage.x, 0);
        EXPECT_LE(l.stage.x + l.stage.width, room.width);
        EXPECT_LE(l.stage.y + l.stage.height, l.bar.y);
        // Centred across.
        EXPECT_LE(std::abs(l.stage.x - (room.width - l.stage.x - l.stage.width)), 1);
        // The stage is the client area at the scale, so nothing is cut or stretched.
        EXPECT_NEAR(l.stage.width, 724 * l.scale, 0.5);
        EXPECT_NEAR(l.stage.height, 564 * l.scale, 0.5);
        const bool fullWidth = room.width - l.stage.width <= 1;
        const bool fullHeight = l.bar.y - l.stage.height <= 1;
        EXPECT_TRUE(fullWidth || fullHeight);
    }
    // A room with no extent (a window not laid out yet) leaves the scale alone.
    EXPECT_EQ(presentationLayout(0, 0).scale, 1);
    EXPECT_EQ(presentationLayout(-5, 100).stage.width, 0);
}

// A circle's outline is one layout pixel wide, drawn at the scale: on a 4K screen it must
// come to at least three physical pixels, whether the desktop scales by 1 or by 2 (which
// leaves Qt a logical screen of half the size); the menu bar takes some height either way.
TEST(PresentationLayoutTest, LinesAreThickEnoughOnA4KScreen) {
    for (const int ratio : {1, 2}) {
        const PresentationLayout l = presentationLayout(3840 / ratio, (2160 - 60) / ratio);
        EXPECT_GE(l.scale * ratio, 3.0) << "pixel ratio " << ratio;
    }
}

// Scaled, two controls that touch in the layout still touch: no gap, no overlap.
TEST(PresentationLayoutTest, ScaledNeighboursStillTouch) {
    for (const double scale : {1.0, 1.5, 1.723, 2.0, 3.4371}) {
        SCOPED_TRACE(scale);
        for (const ControlRow& a : controlTable()) {
            const PixelRect d = designRect(a);
            const PixelRect s = scaleRect(d, scale);
            for (const ControlRow& b : controlTable()) {
                if (a.parent != b.parent) {
                    continue;
                }
                const PixelRect e = designRect(b);
                const PixelRect t = scaleRect(e, scale);
                if (d.x + d.width == e.x) {
                    EXPECT_EQ(s.x + s.width, t.x);
                }
                if (d.y + d.height == e.y) {
                    EXPECT_EQ(s.y + s.height, t.y);
                }
            }
        }
    }
}

// The speed buttons step along a ladder through the recommended 8, stop at its ends, and
// start from 8 when the box holds no usable speed.
TEST(PresentationLayoutTest, SpeedSteps) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double current;
        bool faster;
        double expected;
    };
    const Case cases[] = {
        {8, true, 16},      {8, false, 4},    {10, true, 16},      {10, false, 8},
        {2000, true, 2000}, {1, false, 1},    {5000, false, 2000}, {0.5, true, 1},
        {0.5, false, 0.5},  {0, true, 16},    {-3, false, 4},      {nan, true, 16},
        {1000, true, 2000}, {125, false, 60},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(nextSpeed(c.current, c.faster), c.expected)
            << c.current << (c.faster ? " faster" : " slower");
    }
}

} // namespace
} // namespace ga::test
