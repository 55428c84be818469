#include "ui/Digits.h"

#include "ui/Convert.h"

namespace ga {

std::array<double, 6> splitDigits(double gene) {
    std::array<double, 6> d{};
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
