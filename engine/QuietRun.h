#pragma once

#include "engine/Run.h"

#include <array>
#include <cstdint>
#include <string>

namespace ga {

// The texts a run reads from the window's boxes, each read by the Val rule.
struct RunInputs {
    std::string target = "277";
    std::string mutation = "5";
    std::array<std::string, 5> coefficients{"1", "1", "1", "1", "1"};
    std::array<std::string, 5> exponents{"3", "2", "2", "1", "1"};
};

// A run of the window with nothing rendered and the boxes never retyped: the window loaded
// with `seed` fixed, then "Hazırla", then ticks. Populations, counters, records and the
// stop generation are those the window would show, bit for bit. It keeps no history.
class QuietRun {
  public:
    QuietRun(const RunInputs& inputs, std::uint32_t seed);

    // "Hazırla": false when the target is refused (nothing is prepared then).
    bool prepare();
    // One tick; the record of what it did is run().record().
    void tick();
    // Ticks until ten survivors hit the target or nesilSayisi reaches `lastGeneration`;
    // true when the target was reached.
    bool runUntil(double lastGeneration);

    [[nodiscard]] const Run& run() const { return run_; }

  private:
    double target_;
    double mutation_;
    std::array<double, 6> katsayilar_{};
    std::array<double, 6> usler_{};
    Run run_;
};

} // namespace ga
