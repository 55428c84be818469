#pragma once

#include "engine/ExperimentSettings.h"
#include "engine/RunResult.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <stop_token>
#include <thread>
#include <vector>

namespace ga {

// One run of the setting's method: the genetic algorithm as runOnce, or a yardstick.
RunResult runMethodOnce(Method method, const RunInputs& inputs, std::uint32_t seed,
                        std::uint32_t generationLimit, const std::stop_token& stop = {});

// One run exactly as the window makes it: loaded with `seed` fixed, "Hazırla", then ticks
// until the automatic stop or until nesilSayisi reaches the limit. A stop request is
// looked at every few hundred generations (well under a millisecond); the run then ends
// as NotRun.
RunResult runOnce(const RunInputs& inputs, std::uint32_t seed, std::uint32_t generationLimit,
                  const std::stop_token& stop = {});

// The runs of an experiment on a pool of threads. The runs are handed out one at a time
// from a shared counter and each result is stored in its own place, so the results do not
// depend on the number of threads or on which thread ran what. They are handed out across
// the settings in turn (run 1 of every setting, then run 2, ...), so that the rate of
// progress is even and a cancelled experiment has runs of every setting.
class Experiment {
  public:
    // The settings must pass check().
    explicit Experiment(ExperimentSettings settings);
    // Stops the workers and waits for them.
    ~Experiment();
    Experiment(const Experiment&) = delete;
    Experiment& operator=(const Experiment&) = delete;

    // Starts the workers; once only.
    void start();
    // Asks every worker to stop: runs under way end as NotRun, finished ones stay.
    void cancel();
    // Waits until every worker has ended. Only then may results() be read.
    void wait();

    // May be asked from any thread at any time, without locks.
    [[nodiscard]] bool finished() const;
    [[nodiscard]] std::size_t runsDone() const;
    [[nodiscard]] std::size_t runCount() const { return results_.size(); }

    [[nodiscard]] const ExperimentSettings& settings() const { return settings_; }
    // Run k (0-based) of setting s (0-based) is at s * runsPerSetting + k.
    [[nodiscard]] const std::vector<RunResult>& results() const { return results_; }

  private:
    void work(const std::stop_token& stop);

    ExperimentSettings settings_;
    std::vector<RunResult> results_;
    std::vector<std::jthread> workers_;
    std::atomic<std::size_t> next_{0};
    std::atomic<std::size_t> done_{0};
    std::atomic<unsigned> running_{0};
};

} // namespace ga
