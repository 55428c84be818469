#include "form/window/ChartAxes.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace ga {

AxisTicks niceTicks(double lo, double hi, int maxTicks) {
    AxisTicks ticks;
    if (!std::isfinite(lo) || !std::isfinite(hi) || maxTicks < 2) {
        return ticks;
    }
    if (hi < lo) {
        std::swap(lo, hi);
    }
    if (hi == lo) {
        // A flat series still gets an axis around its value.
        const double pad = lo == 0 ? 1 : std::abs(lo) * 0.5;
        lo -= pad;
        hi += pad;
    }
    const double rough = (hi - lo) / (maxTicks - 1);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = 10 * power;
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        if (m * power >= rough) {
            step = m * power;
            break;
        }
    }
    // The ticks lie on whole multiples of the step, so they print without rounding noise.
    const double first = std::ceil(lo / step - 1e-9);
    const double last = std::floor(hi / step + 1e-9);
    ticks.step = step;
    for (double k = first;
         k <= last && ticks.values.size() < static_cast<std::size_t>(maxTicks) + 1; ++k) {
        ticks.values.push_back(k * step);
    }
    return ticks;
}

std::string tickLabel(double value, double step, std::string_view decimalSeparator) {
    if (value == 0) {
        return "0";
    }
    char buffer[40];
    if (std::abs(value) >= 1e7 || (std::abs(value) < 1e-4 && step < 1e-4)) {
        std::snprintf(buffer, sizeof buffer, "%.2G", value);
    } else {
        const int decimals =
            step >= 1 ? 0 : std::clamp(static_cast<int>(std::ceil(-std::log10(step) - 1e-9)), 0, 6);
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    }
    std::string label(buffer);
    if (const auto point = label.find('.'); point != std::string::npos) {
        label.replace(point, 1, decimalSeparator);
    }
    return label;
}

double logAxisPosition(double value) {
    return std::log10(1 + std::max(0.0, value));
}

std::vector<double> logTicks(double hi, int maxTicks) {
    std::vector<double> powers{0};
    if (!(hi > 0) || maxTicks < 2) {
        return powers;
    }
    const int top =
        std::isfinite(hi) ? std::max(0, static_cast<int>(std::ceil(std::log10(hi)))) : 308;
    const int every = std::max(1, (top + maxTicks - 2) / (maxTicks - 1));
    for (int e = 0;; e += every) {
        powers.push_back(std::pow(10.0, std::min(e, 308)));
        if (e >= top) {
            return powers;
        }
    }
}

} // namespace ga
