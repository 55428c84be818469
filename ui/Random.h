#pragma once

#include <cstdint>
#include <random>

namespace ga {

// The program's uniform generator: 24 random bits scaled into [0, 1) as a float, so a
// value never rounds up to 1.
class Random {
  public:
    float next();
    // Reseeds from a single-precision value (the seconds since midnight).
    void seed(float value);

  private:
    std::mt19937_64 engine_{0};
};

} // namespace ga
