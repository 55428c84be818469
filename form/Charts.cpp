#include "form/ChartMath.h"
#include "form/Form1.h"
#include "runtime/Convert.h"

namespace ga {

namespace {

constexpr double kCircleRadius = 7;
constexpr double kGeneAxisBottom = 99999;

ChartCommand scaleCommand(Control picture, double x1, double y1, double x2, double y2) {
    return {ChartCommand::Kind::Scale, picture, x1, y1, x2, y2, 0};
}

} // namespace

void Form1::chartStartupScales() {
    batch_.chart.push_back(scaleCommand(Control::Picture1, 0, 0, 2000, -2 * target()));
    batch_.chart.push_back(scaleCommand(Control::Picture2, 0, 0, 2000, kGeneAxisBottom));
}

void Form1::chartTop() {
    // Only called once the target has passed its check, so it fits a float.
    batch_.chart.push_back({ChartCommand::Kind::ScaleTop, Control::Picture1, 0,
                            static_cast<float>(target()), 0, 0, 0});
}

void Form1::chartRunScales() {
    batch_.chart.push_back(scaleCommand(Control::Picture1, 0, 0, 1200, target()));
    batch_.chart.push_back(scaleCommand(Control::Picture2, 0, 0, 1200, kGeneAxisBottom));
}

void Form1::chartErase() {
    for (Control picture : {Control::Picture1, Control::Picture2}) {
        batch_.chart.push_back({ChartCommand::Kind::Cls, picture, 0, 0, 0, 0, 0});
        batch_.chart.push_back({ChartCommand::Kind::Refresh, picture, 0, 0, 0, 0, 0});
    }
}

void Form1::chartStep(int i) {
    // Individual i: the fitness it was ranked with (the generation that entered the tick)
    // and the gene that has just replaced it.
    const auto k = static_cast<std::size_t>(i - 1);
    const double fitness = generation_.rankedFitness[k];
    const double gene = generation_.genes[k];
    module1.noktaSayisi = module1.noktaSayisi + 1;
    const auto x = toSingle(module1.noktaSayisi);
    if (!x) {
        return;
    }
    // A centre with no single-precision value is simply not drawn.
    if (const auto y = toSingle(fitness)) {
        batch_.circle(Control::Picture1, *x, *y, kCircleRadius,
                      RGB(CLng(256 / (fitness + 0.3)), 10, 120));
    }
    if (const auto y = toSingle(gene)) {
        batch_.circle(Control::Picture2, *x, *y, kCircleRadius,
                      RGB(CLng(Int(2 * gene / 1000)), 10, 120));
    }
}

} // namespace ga
