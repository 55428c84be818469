#include "engine/Experiment.h"

#include "engine/Baselines.h"

#include <algorithm>
#include <utility>

namespace ga {

namespace {

// A generation takes about a microsecond: looking at the stop request this often keeps a
// cancel well under a millisecond and costs nothing measurable.
constexpr double kGenerationsBetweenStopChecks = 256;

// Whether a gene of the population the run shows is at the target.
bool targetShown(const Run& run) {
    const Row& fitness = run.population().uyumlar;
    return std::any_of(fitness.begin() + 1, fitness.end(), [](double u) { return u == 0; });
}

} // namespace

RunResult runMethodOnce(Method method, const RunInputs& inputs, std::uint32_t seed,
                        std::uint32_t generationLimit, const std::stop_token& stop) {
    switch (method) {
    case Method::RandomSearch:
        return randomSearchOnce(inputs, seed, generationLimit);
    case Method::HillClimbing:
        return hillClimbOnce(inputs, seed, generationLimit);
    case Method::GeneticAlgorithm:
        break;
    }
    return runOnce(inputs, seed, generationLimit, stop);
}

RunResult runOnce(const RunInputs& inputs, std::uint32_t seed, std::uint32_t generationLimit,
                  const std::stop_token& stop) {
    RunResult result;
    result.seed = seed;
    QuietRun quiet(inputs, seed);
    if (!quiet.prepare()) {
        return result; // a refused target: check() keeps such settings from running
    }
    const double limit = generationLimit;
    constexpr std::uint64_t kPerGeneration = kPopulation;
    std::uint64_t evaluations = kPerGeneration;
    bool shown = targetShown(quiet.run());
    for (;;) {
        // Until a gene at the target shows, one generation at a time so that its first
        // appearance is seen; stepping singly makes the very same generations.
        const double until = std::min(limit, quiet.run().module1().nesilSayisi +
                                                 (shown ? kGenerationsBetweenStopChecks : 1));
        const double before = quiet.run().module1().nesilSayisi;
        const bool reached = quiet.runUntil(until);
        if (!shown && quiet.run().module1().nesilSayisi > before) {
            evaluations += kPerGeneration;
            shown = targetShown(quiet.run());
        }
        if (reached || quiet.run().module1().nesilSayisi >= limit) {
            result.outcome = reached ? RunOutcome::Reached : RunOutcome::Limit;
            break;
        }
        if (stop.stop_requested()) {
            return result;
        }
    }
    result.evaluations = shown ? evaluations : 0;
    result.generations = static_cast<std::uint32_t>(quiet.run().module1().nesilSayisi);
    result.bestGene = quiet.run().module1().enIyiGen;
    result.bestFitness = quiet.run().module1().enIyiUyum;
    return result;
}

Experiment::Experiment(ExperimentSettings settings) : settings_(std::move(settings)) {
    results_.resize(settings_.values.size() * settings_.runsPerSetting);
    // Every run's seed is known before it runs; a run that never ran still shows it.
    for (std::size_t i = 0; i < results_.size(); ++i) {
        results_[i].seed = runSeed(settings_.baseSeed, i / settings_.runsPerSetting + 1,
                                   i % settings_.runsPerSetting + 1);
    }
}

Experiment::~Experiment() {
    cancel();
    wait();
}

void Experiment::start() {
    if (!workers_.empty()) {
        return;
    }
    const auto threads =
        std::max<std::size_t>(1, std::min<std::size_t>(settings_.threads, results_.size()));
    running_.store(static_cast<unsigned>(threads), std::memory_order_release);
    workers_.reserve(threads);
    for (std::size_t t = 0; t < threads; ++t) {
        workers_.emplace_back([this](const std::stop_token& stop) { work(stop); });
    }
}

void Experiment::cancel() {
    for (std::jthread& worker : workers_) {
        worker.request_stop();
    }
}

void Experiment::wait() {
    for (std::jthread& worker : workers_) {
        if (worker.joinable()) {
            worker.join();
        }
    }
}

bool Experiment::finished() const {
    return running_.load(std::memory_order_acquire) == 0;
}

std::size_t Experiment::runsDone() const {
    return done_.load(std::memory_order_relaxed);
}

void Experiment::work(const std::stop_token& stop) {
    const std::size_t settings = settings_.values.size();
    const std::size_t runs = settings_.runsPerSetting;
    while (!stop.stop_requested()) {
        const std::size_t taken = next_.fetch_add(1, std::memory_order_relaxed);
        if (taken >= results_.size()) {
            break;
        }
        const std::size_t s = taken % settings;
        const std::size_t index = s * runs + taken / settings;
        // The inputs are made for each run: a few texts cost nothing beside thousands of
        // generations, and a million settings would otherwise hold a million copies.
        RunResult result = runMethodOnce(methodFor(settings_, s), inputsFor(settings_, s),
                                         results_[index].seed, settings_.generationLimit, stop);
        if (result.outcome == RunOutcome::NotRun) {
            break;
        }
        results_[index] = result;
        done_.fetch_add(1, std::memory_order_relaxed);
    }
    running_.fetch_sub(1, std::memory_order_acq_rel);
}

} // namespace ga
