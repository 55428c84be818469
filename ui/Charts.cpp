#include "engine/Form1.h"
#include "ui/ChartMath.h"

namespace ga {

namespace {

constexpr double kCircleRadius = 7;
constexpr double kGeneAxisBottom = 99999;

} // namespace

void Form1::chartStartupScales() {
    ops_.scale(Control::Picture1, 0, 0, 2000, -2 * target());
    ops_.scale(Control::Picture2, 0, 0, 2000, kGeneAxisBottom);
}

void Form1::chartTop() {
    // Only called once the target has passed its check, so it fits a float.
    ops_.setScaleTop(Control::Picture1, static_cast<float>(target()));
}

void Form1::chartRunScales() {
    ops_.scale(Control::Picture1, 0, 0, 1200, target());
    ops_.scale(Control::Picture2, 0, 0, 1200, kGeneAxisBottom);
}

void Form1::chartErase() {
    ops_.cls(Control::Picture1);
    ops_.refresh(Control::Picture1);
    ops_.cls(Control::Picture2);
    ops_.refresh(Control::Picture2);
}

void Form1::chartStep(int i) {
    module1.noktaSayisi = module1.noktaSayisi + 1;
    const auto x = toSingle(module1.noktaSayisi);
    if (!x) {
        return;
    }
    // A centre with no single-precision value is simply not drawn.
    if (const auto y = toSingle(uyumlar[i])) {
        const Colour colour = RGB(CLng(256 / (uyumlar[i] + 0.3)), 10, 120);
        ops_.circle(Control::Picture1, *x, *y, kCircleRadius, colour);
    }
    if (const auto y = toSingle(genler[i])) {
        const Colour colour = RGB(CLng(Int(2 * genler[i] / 1000)), 10, 120);
        ops_.circle(Control::Picture2, *x, *y, kCircleRadius, colour);
    }
}

} // namespace ga
