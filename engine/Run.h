#pragma once

#include "engine/Generation.h"
#include "engine/History.h"
#include "engine/Model.h"
#include "engine/Objective.h"
#include "runtime/Random.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace ga {

// Whether "Hazırla" accepts a target: 0 < t <= 100000.
bool acceptableTarget(double target);

// Why a saved run was refused.
enum class RunError : std::uint8_t {
    None,
    Generator,  // the generator's state is not one
    Population, // the arrays or run-wide values are not what the history's last generation left
};

// One run of the genetic algorithm and everything it owns: the population arrays, the
// run-wide values, the function and the target as it used them, the seed and where the
// generator stands, the last records and the history since "Hazırla". It knows no window:
// whoever drives it reads the boxes and passes the target and the mutation percentage in,
// at the moments the window reads them.
//
// A copy is a run of its own, generator included, so it can be stepped ahead without
// touching the original: stepped alike, both make the very same generations.
class Run {
  public:
    // A run drawing from a generator of its own.
    Run() = default;
    // A run drawing from `random`, which must outlive it (the window's generator, which
    // tests script).
    explicit Run(RandomSource& random) : random_(&random) {}
    ~Run() = default;

    // A copy draws from a generator of its own that stands where the original's stands.
    Run(const Run& other);
    Run(Run&& other) noexcept;
    // Takes over the other run's state; the generator stays the one this run draws from
    // and is put where the other's stands.
    Run& operator=(const Run& other);
    Run& operator=(Run&& other) noexcept;

    // A copy to look ahead with: everything a step uses, generator included, but not the
    // history, which a look ahead has no use for and which may hold many megabytes.
    [[nodiscard]] Run lookAhead() const;

    // The state of a fresh load (also what "Sıfırla" does): the chart position back to 0,
    // the generator seeded, the counters and the record given their start values with
    // `target` as the best fitness to beat, and no history. The arrays stay.
    void start(std::uint32_t seed, double target);
    // Seeds the generator now; nothing else changes.
    void reseed(std::uint32_t seed);
    // "Hazırla": takes the function (index 1..5), prepares twenty genes evaluated against
    // `target` and starts the history from them. False, and nothing changes, when the
    // target is refused.
    bool prepare(const std::array<double, 6>& katsayilar, const std::array<double, 6>& usler,
                 double target);
    // One generation at this mutation percentage, evaluated against `target`; its record
    // is also record().
    const GenerationRecord& step(double mutationPercent, double target);

    // The chart position: the window advances it for every circle it draws. It is a
    // run-wide value, so a copy and a saved run carry it along.
    double advanceChartPosition();

    // The memory the history may take; clears it, so it applies from the next "Hazırla".
    void setHistoryLimits(const HistoryLimits& limits);
    // Whether a history is kept from "Hazırla" on (the default). A quiet run of an
    // experiment has no use for one and is faster without it.
    void keepHistory(bool keep) { keepHistory_ = keep; }

    [[nodiscard]] const Population& population() const { return population_; }
    [[nodiscard]] const Module1& module1() const { return module1_; }
    // The seed the generator was last seeded with.
    [[nodiscard]] std::uint32_t seed() const { return seed_; }
    // Where the generator stands, as RandomSource::state gives it.
    [[nodiscard]] std::string generatorState() const { return random_->state(); }
    [[nodiscard]] const GenerationRecord& record() const { return record_; }
    [[nodiscard]] const PreparationRecord& preparation() const { return preparation_; }
    // Everything since the last "Hazırla": started by it, cleared by start(), one
    // generation longer after every step.
    [[nodiscard]] const History& history() const { return history_; }

    // A run brought back from saved parts. With a history, the arrays and run-wide values
    // must be what replaying its last generation gives; they are then taken bit for bit
    // from the replay. The generator's state must be one. Nothing, with the reason in
    // `error`, otherwise.
    static std::optional<Run> restore(const Population& population, const Module1& module1,
                                      std::uint32_t seed, const std::string& generatorState,
                                      History history, RunError& error);

  private:
    void takeGenerator(const Run& other);

    Population population_;
    Module1 module1_;
    Objective objective_;
    std::uint32_t seed_ = 0;
    Random own_;
    RandomSource* random_ = &own_;
    GenerationRecord record_;
    PreparationRecord preparation_;
    History history_;
    bool keepHistory_ = true;
};

} // namespace ga
