#pragma once

#include "engine/Experiment.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace ga {

// The spread of a sample. The quartiles interpolate linearly between the two nearest ranks
// (Hyndman and Fan's type 7, the default of R and NumPy): the quantile p of n sorted values
// lies at position (n - 1) * p counted from 0.
struct Spread {
    double min = 0;
    double lowerQuartile = 0;
    double median = 0;
    double mean = 0;
    double upperQuartile = 0;
    double max = 0;

    friend bool operator==(const Spread&, const Spread&) = default;
};

// The quantile p (0..1) of values sorted in ascending order; the sample must not be empty.
double quantile(const std::vector<double>& sorted, double p);
// The spread of a sample that is not empty.
Spread spreadOf(std::vector<double> values);

// What the runs of one setting came to.
struct SettingSummary {
    double value = 0;
    // The method of the setting's runs, whether it varies or is fixed.
    Method method = Method::GeneticAlgorithm;
    std::size_t runs = 0;    // runs that ended (a cancelled experiment may have fewer)
    std::size_t notRun = 0;  // runs that a cancel stopped or kept from starting
    std::size_t reached = 0; // runs that stopped by themselves at the target
    // Of the runs that ended; nothing when none did.
    std::optional<double> reachedPercent;
    // Generations (nesilSayisi at the stop) over the runs that reached the target;
    // nothing when none did.
    std::optional<Spread> generations;
    // The median of the evaluations until a gene at the target, over the runs that ended
    // having evaluated one; nothing when none did.
    std::optional<double> medianEvaluations;
};

// The summary of setting s (0-based).
SettingSummary summarizeSetting(const ExperimentSettings& settings,
                                const std::vector<RunResult>& results, std::size_t s);

// One summary per setting, in the order of the values.
std::vector<SettingSummary> summarize(const ExperimentSettings& settings,
                                      const std::vector<RunResult>& results);

} // namespace ga
