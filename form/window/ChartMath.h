#pragma once

#include <optional>

namespace ga {

// A picture box's user coordinate system: the user coordinates of its top-left corner
// and its extent. A negative height makes y grow upwards.
struct ChartScale {
    double left = 0;
    double top = 0;
    double width = 1;
    double height = 1;
};

// A circle in the pixels of the drawing area.
struct PixelCircle {
    double cx = 0;
    double cy = 0;
    double radius = 0;
};

// Where a circle given in user units lands on a drawing area of the given size in
// pixels; the radius is measured in horizontal units. Nothing when the system has no
// extent in either direction or the result is not finite.
std::optional<PixelCircle> mapCircle(const ChartScale& scale, double x, double y, double radius,
                                     double pixelWidth, double pixelHeight);

// The single-precision value of x, or nothing when x is not finite or lies beyond
// single precision (a cast would be undefined there).
std::optional<float> toSingle(double x);

} // namespace ga
