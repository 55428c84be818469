#include "form/window/ChartMath.h"
#include "form/window/Form1.h"
#include "runtime/Convert.h"

#include <array>

namespace ga {

namespace {

constexpr double kCircleRadius = 7;
constexpr double kGeneAxisBottom = 99999;

ChartCommand scaleCommand(Control picture, double x1, double y1, double x2, double y2) {
    return {ChartCommand::Kind::Scale, picture, x1, y1, x2, y2, 0};
}

std::size_t chartIndex(Control picture) {
    return picture == Control::Picture1 ? 0 : 1;
}

// Where circles can leave a trace on a box whose system spans x1..x2: a generous margin
// (twice the radius and a twentieth of the width) covers an outline and its pen on any box
// wider than twenty pixels. x only grows between two Cls, so what is kept stays within a
// few thousand circles however long the run.
std::array<double, 2> reach(const ChartSystem& s) {
    const double lo = s.x1 < s.x2 ? s.x1 : s.x2;
    const double hi = s.x1 < s.x2 ? s.x2 : s.x1;
    const double margin = 2 * kCircleRadius + (hi - lo) / 20;
    return {lo - margin, hi + margin};
}

} // namespace

void Form1::chartScale(Control picture, double x1, double y1, double x2, double y2) {
    batch_.chart.push_back(scaleCommand(picture, x1, y1, x2, y2));
    const std::size_t k = chartIndex(picture);
    const ChartSystem system{x1, y1, x2, y2, std::nullopt};
    if (!(charts_[k].system == system)) {
        charts_[k].system = system;
        systemChanged_[k] = true;
        reach_[k] = reach(system);
    }
}

void Form1::chartScaleTop(Control picture, double top) {
    batch_.chart.push_back({ChartCommand::Kind::ScaleTop, picture, 0, top, 0, 0, 0});
    const std::size_t k = chartIndex(picture);
    if (charts_[k].system.top != top) {
        charts_[k].system.top = top;
        systemChanged_[k] = true;
    }
}

void Form1::keepCircle(std::size_t chart, float x, float y, Colour colour) {
    // Every tick comes here forty times: one comparison for a circle past the right edge.
    if (x > reach_[chart][1] || x < reach_[chart][0]) {
        return;
    }
    ChartState& c = charts_[chart];
    if (systemChanged_[chart] || c.drawings.empty()) {
        c.drawings.push_back({c.system, {}});
        systemChanged_[chart] = false;
    }
    c.drawings.back().circles.push_back({x, y, colour});
}

void Form1::chartStartupScales() {
    chartScale(Control::Picture1, 0, 0, 2000, -2 * target());
    chartScale(Control::Picture2, 0, 0, 2000, kGeneAxisBottom);
}

void Form1::chartTop() {
    // Only called once the target has passed its check, so it fits a float.
    chartScaleTop(Control::Picture1, static_cast<float>(target()));
}

void Form1::chartRunScales() {
    chartScale(Control::Picture1, 0, 0, 1200, target());
    chartScale(Control::Picture2, 0, 0, 1200, kGeneAxisBottom);
}

void Form1::chartErase() {
    for (Control picture : {Control::Picture1, Control::Picture2}) {
        batch_.chart.push_back({ChartCommand::Kind::Cls, picture, 0, 0, 0, 0, 0});
        batch_.chart.push_back({ChartCommand::Kind::Refresh, picture, 0, 0, 0, 0, 0});
        charts_[chartIndex(picture)].drawings.clear();
    }
}

void Form1::renderChart(Control picture, const ChartState& chart) {
    const auto system = [&](const ChartSystem& s) {
        batch_.chart.push_back(scaleCommand(picture, s.x1, s.y1, s.x2, s.y2));
        if (s.top) {
            batch_.chart.push_back({ChartCommand::Kind::ScaleTop, picture, 0, *s.top, 0, 0, 0});
        }
    };
    batch_.chart.push_back({ChartCommand::Kind::Cls, picture, 0, 0, 0, 0, 0});
    for (const ChartDrawing& drawing : chart.drawings) {
        system(drawing.system);
        for (const ChartCircle& c : drawing.circles) {
            batch_.circle(picture, c.x, c.y, kCircleRadius, c.colour);
        }
    }
    system(chart.system);
    batch_.chart.push_back({ChartCommand::Kind::Refresh, picture, 0, 0, 0, 0, 0});
    const std::size_t k = chartIndex(picture);
    charts_[k] = chart;
    systemChanged_[k] = chart.drawings.empty() || !(chart.drawings.back().system == chart.system);
    reach_[k] = reach(chart.system);
}

void Form1::chartStep(int i) {
    // Individual i: the fitness it was ranked with (the generation that entered the tick)
    // and the gene that has just replaced it.
    const auto k = static_cast<std::size_t>(i - 1);
    const double fitness = run_.record().rankedFitness[k];
    const double gene = run_.record().genes[k];
    const auto x = toSingle(run_.advanceChartPosition());
    if (!x) {
        return;
    }
    // A centre with no single-precision value is simply not drawn.
    if (const auto y = toSingle(fitness)) {
        const Colour colour = RGB(CLng(256 / (fitness + 0.3)), 10, 120);
        batch_.circle(Control::Picture1, *x, *y, kCircleRadius, colour);
        keepCircle(0, *x, *y, colour);
    }
    if (const auto y = toSingle(gene)) {
        const Colour colour = RGB(CLng(Int(2 * gene / 1000)), 10, 120);
        batch_.circle(Control::Picture2, *x, *y, kCircleRadius, colour);
        keepCircle(1, *x, *y, colour);
    }
}

} // namespace ga
