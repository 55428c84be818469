#pragma once

#include "engine/Generation.h"
#include "engine/Model.h"
#include "engine/Objective.h"
#include "runtime/Random.h"

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

// Whether "Hazırla" accepts a target: 0 < t <= 100000.
bool acceptableTarget(double target);

// A run of the window with nothing rendered: the window loaded with `seed` fixed, then
// "Hazırla", then ticks. Populations, counters, records and the stop generation are those
// the window would show, bit for bit.
class QuietRun {
  public:
    QuietRun(const RunInputs& inputs, std::uint32_t seed);

    // "Hazırla": false when the target is refused (nothing is prepared then).
    bool prepare();
    // One tick; the record of what it did is record().
    void tick();
    // Ticks until ten survivors hit the target or nesilSayisi reaches `lastGeneration`;
    // true when the target was reached.
    bool runUntil(double lastGeneration);

    [[nodiscard]] const Population& population() const { return population_; }
    [[nodiscard]] const Module1& module1() const { return module1_; }
    [[nodiscard]] const GenerationRecord& record() const { return record_; }
    [[nodiscard]] const PreparationRecord& preparation() const { return preparation_; }

  private:
    double target_;
    double mutation_;
    Population population_;
    Module1 module1_;
    Objective objective_;
    Random random_;
    GenerationRecord record_;
    PreparationRecord preparation_;
};

} // namespace ga
