#pragma once

#include "engine/Model.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

namespace ga {

// What the history chart shows of one generation: the best, mean and worst fitness of the
// twenty listed individuals and how many distinct genes they carry. An undefined fitness is
// already held as +infinity, so the values are 0 or more, or +infinity.
struct GenerationSummary {
    double best = 0;
    double mean = 0;
    double worst = 0;
    std::uint8_t distinct = 0;

    friend bool operator==(const GenerationSummary&, const GenerationSummary&) = default;
};

// The smallest and largest value of each series over a run of generations.
struct SummarySpan {
    double bestLo = 0;
    double bestHi = 0;
    double meanLo = 0;
    double meanHi = 0;
    double worstLo = 0;
    double worstHi = 0;
    std::uint8_t distinctLo = 0;
    std::uint8_t distinctHi = 0;

    static SummarySpan of(const GenerationSummary& s);
    void merge(const SummarySpan& other);

    friend bool operator==(const SummarySpan&, const SummarySpan&) = default;
};

// The summary of a listed population.
GenerationSummary summarize(const std::array<double, kPopulation>& genes,
                            const std::array<double, kPopulation>& fitness);

// Every generation's summary, with min/max over blocks of 16, 256, ... generations on top,
// so that the extremes of any range come back in a few dozen steps however long the run.
//
// The summaries are never dropped. While they fit in their byte limit each generation is
// kept on its own (25 bytes). Past the limit the finest level goes and the level above it,
// which holds the minimum and maximum of every 16 generations, takes its place: the chart
// still shows every extreme, only no longer which generation of the 16 it belongs to. Each
// such step divides the memory by about eight, so the limit holds for any run length.
class SummaryPyramid {
  public:
    static constexpr std::uint64_t kFanOut = 16;

    explicit SummaryPyramid(std::size_t byteLimit);

    void clear();
    void append(const GenerationSummary& s);

    // How many generations are summarized.
    [[nodiscard]] std::uint64_t count() const { return count_; }
    // How many generations a bucket of the finest level covers: 1 until the limit is passed,
    // then 16, 256, ...
    [[nodiscard]] std::uint64_t bucketWidth() const { return width_; }
    // The extremes over generations [first, last), which must be a non-empty part of
    // 0..count(). Once buckets are merged, the whole buckets that the range touches count.
    [[nodiscard]] SummarySpan span(std::uint64_t first, std::uint64_t last) const;
    // The summary of one generation, while each is kept on its own.
    [[nodiscard]] std::optional<GenerationSummary> at(std::uint64_t i) const;
    // The memory the summaries hold, in bytes (what the limit is compared with).
    [[nodiscard]] std::size_t bytes() const;
    [[nodiscard]] std::size_t byteLimit() const { return byteLimit_; }

    // The contents as plain data: the finest level only (the blocks above it follow from
    // it). Exactly one of the two vectors is used: `single` while the width is 1.
    struct Data {
        std::uint64_t width = 1;
        std::uint64_t count = 0;
        // Deques, so that restoring can hand their memory back as it takes them in.
        std::deque<GenerationSummary> single;
        std::deque<SummarySpan> buckets;
    };
    [[nodiscard]] Data data() const;
    // Summaries from plain data, or nothing when the data is not consistent (a width that is
    // not a power of 16, a count that does not match the buckets, a value below 0 or NaN, a
    // minimum above its maximum, a distinct count outside 1..20).
    // The data is used up on the way, so a long run's summaries are never held twice.
    static std::optional<SummaryPyramid> restore(Data data, std::size_t byteLimit);

    // The finest level as it is kept: baseSize() buckets of bucketWidth() generations each
    // (the last one may be partial), each the extremes of its generations.
    [[nodiscard]] std::uint64_t baseSize() const;
    [[nodiscard]] SummarySpan baseSpan(std::uint64_t i) const;

  private:
    // One level of min/max blocks.
    using Level = std::deque<SummarySpan>;

    // Takes the finest level's newest complete bucket into the blocks above it, adding
    // each block that it completes.
    void buildUp(SummarySpan span);
    void dropFinestLevel();

    std::size_t byteLimit_;
    std::uint64_t width_ = 1;
    std::uint64_t count_ = 0;
    // The finest level while the width is 1, one value per generation and series.
    std::deque<double> best_;
    std::deque<double> mean_;
    std::deque<double> worst_;
    std::deque<std::uint8_t> distinct_;
    // levels_[0] is the finest level once the width is above 1 (its last bucket may be
    // partial); otherwise levels_[k] covers kFanOut^(k+1) generations a block. Only complete
    // blocks are kept above the finest level.
    std::vector<Level> levels_;
    // The block still gathering at each level above the finest one.
    std::vector<SummarySpan> pending_;
};

} // namespace ga
