#include "runtime/Digits.h"

#include "runtime/Convert.h"

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

bool splitWhole(double gene, WholeDigits& out) {
    // A whole gene below 10^15 splits the same in integers: no quotient of it lies close
    // enough to a whole number for the rounding of a floating-point division to cross it.
    // Integer division by a constant is far cheaper, and this runs twenty times a tick.
    if (!(std::fabs(gene) < 1e15)) {
        return false;
    }
    const auto g = static_cast<std::int64_t>(gene);
    if (static_cast<double>(g) != gene) {
        return false;
    }
    out.x = floorDiv(g, 10000);
    auto r = static_cast<int>(g - out.x * 10000);
    out.y = r / 1000;
    r %= 1000;
    out.z = r / 100;
    r %= 100;
    out.k = r / 10;
    out.c = r % 10;
    return true;
}

std::array<double, 6> splitDigits(double gene) {
    std::array<double, 6> d{};
    if (WholeDigits w; splitWhole(gene, w)) {
        d[1] = static_cast<double>(w.x);
        d[2] = w.y;
        d[3] = w.z;
        d[4] = w.k;
        d[5] = w.c;
        return d;
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

double joinDigits(double x, double y, double z, double k, double c) {
    return 10000 * x + 1000 * y + 100 * z + 10 * k + c;
}

} // namespace ga
