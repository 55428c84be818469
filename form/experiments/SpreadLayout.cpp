#include "form/experiments/SpreadLayout.h"

#include "engine/ExperimentSettings.h"
#include "form/window/ChartAxes.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace ga {

namespace {

constexpr double kDefaultTop = 10;

std::string withSeparator(std::string text, std::string_view separator) {
    if (const auto point = text.find('.'); point != std::string::npos) {
        text.replace(point, 1, separator);
    }
    return text;
}

} // namespace

GenerationAxis::GenerationAxis(const std::vector<SettingSummary>& summaries, bool logarithmic,
                               double top, double bottom, int maxTicks)
    : logarithmic_(logarithmic), top_(top), bottom_(bottom) {
    double highest = 0;
    for (const SettingSummary& s : summaries) {
        if (s.generations) {
            highest = std::max(highest, s.generations->max);
        }
    }
    if (highest <= 0) {
        highest = kDefaultTop;
    }
    if (logarithmic_) {
        ticks_ = logTicks(highest, maxTicks);
        lo_ = 0;
        hi_ = logAxisPosition(ticks_.back());
        return;
    }
    const AxisTicks nice = niceTicks(0, highest, maxTicks);
    step_ = nice.step;
    // The top is the first tick at or above the highest count, so the boxes never touch
    // the frame without a label there.
    const double last = std::ceil(highest / step_ - 1e-9) * step_;
    for (double k = 0; k * step_ <= last + step_ * 1e-9; ++k) {
        ticks_.push_back(k * step_);
    }
    lo_ = 0;
    hi_ = last;
}

double GenerationAxis::position(double v) const {
    return logarithmic_ ? logAxisPosition(v) : v;
}

double GenerationAxis::y(double generations) const {
    const double span = hi_ - lo_;
    const double share = span > 0 ? (position(generations) - lo_) / span : 0;
    return bottom_ - share * (bottom_ - top_);
}

std::string GenerationAxis::label(double tick, std::string_view separator) const {
    return tickLabel(tick, logarithmic_ ? 1 : step_, separator);
}

double percentY(double percent, double top, double bottom) {
    return bottom - std::clamp(percent, 0.0, 100.0) / 100 * (bottom - top);
}

std::vector<BoxColumn> boxColumns(const std::vector<SettingSummary>& summaries, double left,
                                  double width, double minWidth) {
    std::vector<BoxColumn> columns;
    const std::size_t n = summaries.size();
    if (n == 0 || !(width > 0)) {
        return columns;
    }
    const auto fitting = static_cast<std::size_t>(std::max(1.0, std::floor(width / minWidth)));
    const std::size_t count = std::min(n, fitting);
    const double columnWidth = width / static_cast<double>(count);
    columns.reserve(count);
    for (std::size_t c = 0; c < count; ++c) {
        BoxColumn column;
        // Settings are shared out as evenly as whole numbers allow.
        column.first = c * n / count;
        column.last = (c + 1) * n / count - 1;
        column.centre = left + (static_cast<double>(c) + 0.5) * columnWidth;
        column.width = columnWidth;
        column.merged = column.last > column.first;
        for (std::size_t s = column.first; s <= column.last; ++s) {
            const SettingSummary& summary = summaries[s];
            if (summary.reachedPercent) {
                column.reachedLow =
                    std::min(column.reachedLow.value_or(100.0), *summary.reachedPercent);
                column.reachedHigh =
                    std::max(column.reachedHigh.value_or(0.0), *summary.reachedPercent);
            }
            if (!summary.generations) {
                continue;
            }
            const Spread& g = *summary.generations;
            if (!column.generations) {
                column.generations = g;
                continue;
            }
            Spread& m = *column.generations;
            m.min = std::min(m.min, g.min);
            m.lowerQuartile = std::min(m.lowerQuartile, g.lowerQuartile);
            m.upperQuartile = std::max(m.upperQuartile, g.upperQuartile);
            m.max = std::max(m.max, g.max);
        }
        if (column.merged && column.generations) {
            column.generations->median = std::numeric_limits<double>::quiet_NaN();
            column.generations->mean = std::numeric_limits<double>::quiet_NaN();
        }
        columns.push_back(column);
    }
    return columns;
}

std::size_t labelStride(double columnWidth, double labelWidth) {
    if (!(columnWidth > 0)) {
        return 1;
    }
    return std::max<std::size_t>(1, static_cast<std::size_t>(std::ceil(labelWidth / columnWidth)));
}

std::string valueLabel(double value, std::string_view separator) {
    return withSeparator(numberText(value), separator);
}

} // namespace ga

namespace ga {

std::string roundedLabel(double value, int decimals, std::string_view separator) {
    char buffer[400];
    const auto written = std::to_chars(std::begin(buffer), std::end(buffer), value,
                                       std::chars_format::fixed, decimals);
    std::string text(std::begin(buffer), written.ptr);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') {
            text.pop_back();
        }
        if (text.back() == '.') {
            text.pop_back();
        }
    }
    if (text == "-0") {
        text = "0";
    }
    return withSeparator(text, separator);
}

} // namespace ga
