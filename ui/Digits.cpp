#include "ui/Digits.h"

#include "ui/Convert.h"

#include <cmath>
#include <cstdint>

namespace ga {

namespace {

// Floor division; b is positive.
std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

} // namespace

std::array<double, 6> splitDigits(double gene) {
    std::array<double, 6> d{};
    // A whole gene below 10^15 splits the same in integers: no quotient of it lies close
    // enough to a whole number for the rounding of a floating-point division to cross it.
    // Integer division by a constant is far cheaper, and this runs forty times a tick.
    if (std::fabs(gene) < 1e15) {
        const auto g = static_cast<std::int64_t>(gene);
        if (static_cast<double>(g) == gene) {
            const std::int64_t x = floorDiv(g, 10000);
            std::int64_t r = g - x * 10000;
            d[1] = static_cast<double>(x);
            d[2] = static_cast<double>(r / 1000);
            r %= 1000;
            d[3] = static_cast<double>(r / 100);
            r %= 100;
            d[4] = static_cast<double>(r / 10);
            d[5] = static_cast<double>(r % 10);
            return d;
        }
    }
    d[1] = Int(gene / 10000);
    double r = gene - d[1] * 10000;
    d[2] = Int(r / 1000);
    r = r - d[2] * 1000;
    d[3] = Int(r / 100);
    r = r - d[3] * 100;
    d[4] = Int(r / 10);
    d[5] = r - d[4] * 10;
    return d;
}

Colour digitColour(double digit) {
    return RGB(CLng(28 * digit), CLng(256 / (digit + 1)), 0);
}

} // namespace ga
