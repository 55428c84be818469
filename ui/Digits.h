#pragma once

#include "ui/WindowOps.h"

#include <array>

namespace ga {

// The five digits of a gene by floor division from the left, index 1..5 (index 0 unused).
// For a gene outside 10000..99999 positions 2..5 still lie in 0..9 and position 1 takes
// the rest: 102345 gives 10, 2, 3, 4, 5 and -7655 gives -1, 2, 3, 4, 5.
std::array<double, 6> splitDigits(double gene);

// The colour of one digit square: red grows by 28 per digit, green is 256 / (d + 1).
Colour digitColour(double digit);

} // namespace ga
