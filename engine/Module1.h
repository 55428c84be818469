#pragma once

#include <array>

namespace ga {

// The run-wide values. They live as long as the window; the load handler and "Sıfırla"
// give them their start values, "Hazırla" sets only the coefficients and exponents.
struct Module1 {
    double nesilSayisi = 1;
    double mutasyonSayisi = 0;
    double enKotuGen = 99999;
    double enIyiGen = 0;
    double enKotuUyum = 0;
    double enIyiUyum = 0;
    double noktaSayisi = 0;
    // Index 1..5 for x, y, z, k, c; index 0 is never used.
    std::array<double, 6> katsayilar{};
    std::array<double, 6> usler{};
};

} // namespace ga
