#pragma once

#include <array>
#include <cstdint>

namespace ga {

// The digits of a whole gene below 10^15 as integers: x takes whatever the other four
// leave, y, z, k and c lie in 0..9.
struct WholeDigits {
    std::int64_t x = 0;
    int y = 0;
    int z = 0;
    int k = 0;
    int c = 0;
};

// Splits a whole gene below 10^15 exactly as the floating-point divisions do; false (and
// nothing written) for any other gene.
bool splitWhole(double gene, WholeDigits& out);

// The five digits of a gene by floor division from the left, index 1..5 (index 0 unused).
// For a gene outside 10000..99999 positions 2..5 still lie in 0..9 and position 1 takes
// the rest: 102345 gives 10, 2, 3, 4, 5 and -7655 gives -1, 2, 3, 4, 5.
std::array<double, 6> splitDigits(double gene);

// The gene that five digits stand for, summed from the left in double precision; a digit
// of 10 or -1 carries into its neighbour through the place values.
double joinDigits(double x, double y, double z, double k, double c);

} // namespace ga
