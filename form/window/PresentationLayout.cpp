#include "form/window/PresentationLayout.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace ga {

namespace {

// The bar's height per unit of scale: a button a little taller than the layout's own, so
// that its caption in the scaled font has room.
constexpr double kBarDesignHeight = 40;
constexpr double kMarginDesign = 4;
constexpr int kMinimumMargin = 6;
constexpr double kRecommendedSpeed = 8;
constexpr std::array kSpeeds{1.0,  2.0,   4.0,   8.0,   16.0,   32.0,
                             60.0, 125.0, 250.0, 500.0, 1000.0, 2000.0};

int margin(double scale) {
    return std::max(kMinimumMargin, static_cast<int>(std::lround(kMarginDesign * scale)));
}

int barHeight(double scale) {
    const int minimum = kTouchTargetPixels + 2 * margin(scale);
    return std::max(minimum, static_cast<int>(std::floor(kBarDesignHeight * scale)));
}

} // namespace

PresentationLayout presentationLayout(int width, int height) {
    PresentationLayout layout;
    if (width <= 0 || height <= 0) {
        return layout;
    }
    const double designWidth = toPixels(kClientWidthTwips);
    const double designHeight = toPixels(kClientHeightTwips);
    // The bar grows with the scale and the scale depends on the room the bar leaves: first
    // as if the bar were in proportion, then once more with the bar's real height.
    double scale = std::min(width / designWidth, height / (designHeight + kBarDesignHeight));
    int bar = barHeight(scale);
    scale = std::min(width / designWidth,
                     std::max(0.0, static_cast<double>(height - bar)) / designHeight);
    bar = std::min(height, barHeight(scale));
    if (scale <= 0) {
        scale = 1;
    }
    layout.scale = scale;
    layout.margin = margin(scale);
    layout.buttonHeight = bar - 2 * layout.margin;
    const int stageWidth = std::min(width, static_cast<int>(std::lround(designWidth * scale)));
    const int stageHeight =
        std::max(0, std::min(height - bar, static_cast<int>(std::lround(designHeight * scale))));
    layout.stage = {(width - stageWidth) / 2, 0, stageWidth, stageHeight};
    layout.bar = {0, height - bar, width, bar};
    return layout;
}

PixelRect scaleRect(const PixelRect& r, double scale) {
    const auto edge = [scale](int v) { return static_cast<int>(std::lround(v * scale)); };
    const int left = edge(r.x);
    const int top = edge(r.y);
    return {left, top, edge(r.x + r.width) - left, edge(r.y + r.height) - top};
}

PixelRect designRect(const ControlRow& row) {
    return {toPixels(row.left), toPixels(row.top), toPixels(row.width), toPixels(row.height)};
}

double nextSpeed(double current, bool faster) {
    if (!std::isfinite(current) || current <= 0) {
        current = kRecommendedSpeed;
    }
    if (faster) {
        const auto* next = std::upper_bound(kSpeeds.begin(), kSpeeds.end(), current);
        return next != kSpeeds.end() ? *next : current;
    }
    const auto* next = std::lower_bound(kSpeeds.begin(), kSpeeds.end(), current);
    return next != kSpeeds.begin() ? *std::prev(next) : current;
}

} // namespace ga
