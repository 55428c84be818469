#pragma once

#include "engine/Generation.h"
#include "engine/History.h"
#include "engine/Model.h"
#include "engine/Objective.h"

#include <array>
#include <cstdint>

namespace ga {

// A listed population as the window's lists showed it: genes, F and fitness, by position.
struct ListedPopulation {
    std::array<double, kPopulation> genes{};
    std::array<double, kPopulation> values{};
    std::array<double, kPopulation> fitness{};

    friend bool operator==(const ListedPopulation&, const ListedPopulation&) = default;
};

// Brings back any generation a history holds in detail, by replaying from the checkpoint
// before it. It remembers where it stopped: a later generation of the same stretch (the
// newest one, while the window follows a run) continues from there instead of starting
// over.
class HistoryReplay {
  public:
    // Goes to listed population `index`; false (and nothing to read) when the history does
    // not hold it in detail.
    bool seek(const History& history, std::uint64_t index);

    [[nodiscard]] std::uint64_t index() const { return index_; }
    // The generation that made the population (for an index from 1).
    [[nodiscard]] const GenerationRecord& record() const { return record_; }
    [[nodiscard]] const ListedPopulation& listed() const { return listed_; }

  private:
    Population population_;
    Module1 module1_;
    Objective objective_;
    GenerationRecord record_;
    ListedPopulation listed_;
    std::uint64_t runId_ = 0; // 0: nothing entered yet (run ids start at 1)
    std::uint64_t index_ = 0;
};

} // namespace ga
