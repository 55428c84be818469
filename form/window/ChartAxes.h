#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ga {

// The ticks of a linear axis: multiples of a "nice" step (1, 2 or 5 times a power of ten)
// covering lo..hi, at most `maxTicks` of them (and at least two when lo < hi).
struct AxisTicks {
    double step = 1;
    std::vector<double> values;
};
AxisTicks niceTicks(double lo, double hi, int maxTicks);

// A tick's label: as many decimals as the step needs and no more, with the given decimal
// separator; beyond six digits the exponent form ("1E+07"). Minus zero is "0".
std::string tickLabel(double value, double step, std::string_view decimalSeparator);

// A logarithmic axis for values of 0 or more (fitness values): a value v is placed at
// log10(1 + v), so 0 has a place at the bottom and powers of ten are nearly evenly apart.
double logAxisPosition(double value);
// Its ticks: 0 and the powers of ten up to the first at or above `hi`, thinned to at most
// `maxTicks` by taking every second, third, ... power.
std::vector<double> logTicks(double hi, int maxTicks);

} // namespace ga
