#include "engine/ExperimentSummary.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace ga {

double quantile(const std::vector<double>& sorted, double p) {
    const double position = static_cast<double>(sorted.size() - 1) * p;
    const double below = std::floor(position);
    const auto i = static_cast<std::size_t>(below);
    if (i + 1 >= sorted.size()) {
        return sorted.back();
    }
    return sorted[i] + (position - below) * (sorted[i + 1] - sorted[i]);
}

Spread spreadOf(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    Spread s;
    s.min = values.front();
    s.max = values.back();
    s.lowerQuartile = quantile(values, 0.25);
    s.median = quantile(values, 0.5);
    s.upperQuartile = quantile(values, 0.75);
    // Generation counts are whole numbers far below 2^53, so the sum is exact.
    s.mean =
        std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
    return s;
}

SettingSummary summarizeSetting(const ExperimentSettings& settings,
                                const std::vector<RunResult>& results, std::size_t s) {
    SettingSummary summary;
    summary.value = settings.values[s];
    summary.method = methodFor(settings, s);
    const std::size_t runs = settings.runsPerSetting;
    std::vector<double> generations;
    std::vector<double> evaluations;
    for (std::size_t k = 0; k < runs && s * runs + k < results.size(); ++k) {
        const RunResult& r = results[s * runs + k];
        if (r.outcome != RunOutcome::NotRun && r.evaluations > 0) {
            evaluations.push_back(static_cast<double>(r.evaluations));
        }
        switch (r.outcome) {
        case RunOutcome::NotRun:
            ++summary.notRun;
            break;
        case RunOutcome::Reached:
            ++summary.reached;
            ++summary.runs;
            generations.push_back(r.generations);
            break;
        case RunOutcome::Limit:
            ++summary.runs;
            break;
        }
    }
    if (summary.runs > 0) {
        summary.reachedPercent =
            100.0 * static_cast<double>(summary.reached) / static_cast<double>(summary.runs);
    }
    if (!generations.empty()) {
        summary.generations = spreadOf(std::move(generations));
    }
    if (!evaluations.empty()) {
        std::sort(evaluations.begin(), evaluations.end());
        summary.medianEvaluations = quantile(evaluations, 0.5);
    }
    return summary;
}

std::vector<SettingSummary> summarize(const ExperimentSettings& settings,
                                      const std::vector<RunResult>& results) {
    std::vector<SettingSummary> summaries;
    summaries.reserve(settings.values.size());
    for (std::size_t s = 0; s < settings.values.size(); ++s) {
        summaries.push_back(summarizeSetting(settings, results, s));
    }
    return summaries;
}

} // namespace ga
