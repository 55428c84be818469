#include "form/history/HistoryChart.h"

#include "form/window/ChartAxes.h"

#include <algorithm>
#include <cmath>

namespace ga {

std::vector<ChartColumn> chartColumns(const SummaryPyramid& summaries, int columns) {
    std::vector<ChartColumn> out;
    const std::uint64_t count = summaries.count();
    if (count == 0 || columns < 1) {
        return out;
    }
    const auto n = std::min(count, static_cast<std::uint64_t>(columns));
    out.reserve(n);
    for (std::uint64_t c = 0; c < n; ++c) {
        // The share of column c, in whole generations: no gap and no overlap between columns.
        const std::uint64_t first = c * count / n;
        const std::uint64_t last = (c + 1) * count / n;
        out.push_back({first, last, summaries.span(first, last)});
    }
    return out;
}

HistoryChartScale::HistoryChartScale(const Frame& plot, std::uint64_t count, double firstGeneration,
                                     const std::vector<ChartColumn>& columns, bool logarithmic,
                                     std::string_view decimalSeparator)
    : plot_(plot), count_(std::max<std::uint64_t>(count, 1)), logarithmic_(logarithmic) {
    double highest = 0;
    for (const ChartColumn& c : columns) {
        for (double v : {c.span.bestLo, c.span.bestHi, c.span.meanLo, c.span.meanHi, c.span.worstLo,
                         c.span.worstHi}) {
            if (std::isfinite(v)) {
                highest = std::max(highest, v);
            } else {
                band_ = true;
            }
        }
    }

    const double finiteHeight = plot_.height - (band_ ? kInfinityBand : 0);
    const int fitnessTickCount = std::max(2, static_cast<int>(finiteHeight / 40));
    if (logarithmic_) {
        std::vector<double> powers = logTicks(highest, fitnessTickCount);
        if (powers.back() < 1) {
            powers.push_back(1); // all zero: the scale still reaches 1
        }
        top_ = powers.back();
        for (double v : powers) {
            fitnessTicks_.push_back({y(v), tickLabel(v, 1, decimalSeparator)});
        }
    } else {
        const AxisTicks ticks = niceTicks(0, highest > 0 ? highest : 1, fitnessTickCount);
        const double rounded = std::ceil(highest / ticks.step - 1e-9) * ticks.step;
        top_ = highest > 0 ? (std::isfinite(rounded) ? std::max(rounded, highest) : highest) : 1;
        for (double v : ticks.values) {
            if (v >= 0 && v <= top_) {
                fitnessTicks_.push_back({y(v), tickLabel(v, ticks.step, decimalSeparator)});
            }
        }
        if (top_ - ticks.values.back() > ticks.step / 2) {
            // The rounded-up top is a tick of its own.
            fitnessTicks_.push_back({y(top_), tickLabel(top_, ticks.step, decimalSeparator)});
        }
    }

    const double last = firstGeneration + static_cast<double>(count_ - 1);
    const AxisTicks generations =
        niceTicks(firstGeneration, last, std::max(2, static_cast<int>(plot_.width / 90)));
    for (double g : generations.values) {
        if (g >= firstGeneration && g <= last && g == std::floor(g)) {
            generationTicks_.push_back(
                {x(g - firstGeneration), tickLabel(g, std::max(1.0, generations.step), ".")});
        }
    }
    if (generationTicks_.empty()) {
        // A single generation, or too few for a round number: the first one is labelled.
        generationTicks_.push_back({x(0), tickLabel(firstGeneration, 1, ".")});
    }
    for (int d = 0; d <= kPopulation; d += 5) {
        distinctTicks_.push_back({yDistinct(d), std::to_string(d)});
    }
}

double HistoryChartScale::x(double index) const {
    return plot_.left + (index + 0.5) * plot_.width / static_cast<double>(count_);
}

std::uint64_t HistoryChartScale::indexAt(double px) const {
    const double at = (px - plot_.left) * static_cast<double>(count_) / plot_.width;
    if (!(at > 0)) {
        return 0;
    }
    return std::min(count_ - 1, static_cast<std::uint64_t>(at));
}

double HistoryChartScale::scaled(double fitness) const {
    if (logarithmic_) {
        return logAxisPosition(fitness) / logAxisPosition(top_);
    }
    return fitness / top_;
}

double HistoryChartScale::y(double fitness) const {
    if (!std::isfinite(fitness)) {
        return plot_.top + kInfinityBand / 2;
    }
    const double bottom = plot_.top + plot_.height;
    return bottom - std::clamp(scaled(fitness), 0.0, 1.0) * (bottom - finiteTop());
}

double HistoryChartScale::yDistinct(double count) const {
    const double bottom = plot_.top + plot_.height;
    return bottom - std::clamp(count / kPopulation, 0.0, 1.0) * (bottom - finiteTop());
}

} // namespace ga
