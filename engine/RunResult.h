#pragma once

#include <cstdint>

namespace ga {

// How one run of an experiment ended.
enum class RunOutcome : std::uint8_t {
    NotRun,  // cancelled before it ended
    Reached, // stopped by itself: ten survivors hit the target
    Limit,   // reached the generation limit first
};

// One run's result, as the window would show it where the run stopped.
struct RunResult {
    double bestGene = 0;           // enIyiGen, the results panel's best gene
    double bestFitness = 0;        // enIyiUyum
    std::uint32_t generations = 0; // nesilSayisi, the window's "Nesil"
    std::uint32_t seed = 0;
    // Genes evaluated until the first at the target was, by whole generations of 20 for the
    // genetic algorithm and random search ("Hazırla" is the first); 0 when none was.
    std::uint64_t evaluations = 0;
    RunOutcome outcome = RunOutcome::NotRun;
};

} // namespace ga
