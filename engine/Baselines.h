#pragma once

#include "engine/QuietRun.h"
#include "engine/RunResult.h"

#include <cstdint>

namespace ga {

// A hill climb restarts from a random gene after this many steps in a row that found no
// better gene: about ten times the 10 neighbours a gene has, so a climb on a plateau gets
// to look around it before giving up.
inline constexpr std::uint32_t kHillRestartSteps = 50;

// One run of a yardstick for the genetic algorithm, on the function and target of
// `inputs` (the mutation is not read), drawing from its own generator seeded with `seed`.
// Both stop at the first gene at fitness 0 (Reached) or after `generationLimit`
// generations' worth of evaluations, 20 per generation (Limit); `generations` counts the
// generations begun, the first being the 20 evaluations of "Hazırla".
//
// Random search evaluates 20 new random five-digit genes per generation; its evaluations
// are counted by the 20, as the genetic algorithm's are.
//
// Hill climbing starts from one random gene and, at every step, tries a neighbour: one of
// the five digits (drawn) moved one up or down (drawn; a 0 cannot go down nor a 9 up, so it
// goes the other way). The neighbour is kept when its fitness is no worse. After
// kHillRestartSteps steps without a better fitness it restarts from a random gene, which
// is a step of its own. Every gene tried is one evaluation.
RunResult randomSearchOnce(const RunInputs& inputs, std::uint32_t seed,
                           std::uint32_t generationLimit);
RunResult hillClimbOnce(const RunInputs& inputs, std::uint32_t seed, std::uint32_t generationLimit);

} // namespace ga
