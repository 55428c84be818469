#include "form/window/ChartMath.h"

#include <cmath>
#include <limits>

namespace ga {

std::optional<PixelCircle> mapCircle(const ChartScale& scale, double x, double y, double radius,
                                     double pixelWidth, double pixelHeight) {
    // A system with no extent, or an infinite one, maps nothing into the box.
    const bool usable = scale.width != 0 && scale.height != 0 && std::isfinite(scale.width) &&
                        std::isfinite(scale.height) && std::isfinite(scale.left) &&
                        std::isfinite(scale.top);
    if (!usable) {
        return std::nullopt;
    }
    const double sx = pixelWidth / scale.width;
    const double sy = pixelHeight / scale.height;
    PixelCircle c{(x - scale.left) * sx, (y - scale.top) * sy, std::abs(radius * sx)};
    if (!std::isfinite(c.cx) || !std::isfinite(c.cy) || !std::isfinite(c.radius)) {
        return std::nullopt;
    }
    return c;
}

std::optional<float> toSingle(double x) {
    if (!std::isfinite(x) || std::abs(x) > std::numeric_limits<float>::max()) {
        return std::nullopt;
    }
    return static_cast<float>(x);
}

} // namespace ga
