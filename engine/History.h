#pragma once

#include "engine/Generation.h"
#include "engine/HistorySummary.h"
#include "engine/Model.h"
#include "engine/Objective.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

namespace ga {

// The state of a run after a generation, enough to replay the generations that follow:
// the listed genes, the target they were evaluated against, and the run-wide record.
struct HistoryCheckpoint {
    std::array<double, kPopulation> genes{};
    double target = 0;
    double mutations = 0;
    double bestGene = 0;
    double bestFitness = 0;
    double worstGene = 0;
    double worstFitness = 0;

    friend bool operator==(const HistoryCheckpoint&, const HistoryCheckpoint&) = default;
};

// A value read from a box that holds from one generation of a chunk on (the target, the
// mutation percentage): kept only where it changed.
struct ValueChange {
    std::uint32_t offset = 0; // the generation within its chunk, from 0
    double value = 0;

    friend bool operator==(const ValueChange&, const ValueChange&) = default;
};

// One generation in 24 bytes: the ten matings (14 bits each: both parents, the digit, which
// parent mutated and the direction) and where the ten survivors were listed before the
// ranking (5 bits each).
using PackedGeneration = std::array<std::uint64_t, 3>;

// The detail of History::kChunkGenerations consecutive generations; the memory limit drops
// whole chunks, the oldest first.
struct HistoryChunk {
    // One every History::kCheckpointEvery generations, from the chunk's first.
    std::vector<HistoryCheckpoint> checkpoints;
    std::vector<PackedGeneration> generations;
    // The first generation of the chunk always has an entry.
    std::vector<ValueChange> targets;
    std::vector<ValueChange> mutationPercents;

    friend bool operator==(const HistoryChunk&, const HistoryChunk&) = default;
};

// What the history may hold. The defaults keep the whole history within 60 MiB however
// long the run, so that the program, whose window and full log take some 80 MiB at a
// million generations run flat out, stays under 150 MB: detail for about 1.18 million
// generations, summaries of each generation on its own for about 1.17 million. Tests use
// small limits.
struct HistoryLimits {
    std::size_t detailBytes = std::size_t{28} << 20U;
    std::size_t summaryBytes = std::size_t{32} << 20U;
};

// Where one generation's individuals came from, read without replaying it.
struct Lineage {
    // The position (1..20) in the previous listed population of the survivor listed at
    // k + 1.
    std::array<std::uint8_t, kSurvivors> survivorFrom{};
    std::array<MatingChoice, kSurvivors> matings{};
};

// Why history data was refused.
enum class HistoryError : std::uint8_t {
    None,
    Numbers,    // the first generation number is not finite
    Summaries,  // the summaries are inconsistent or do not match the generation count
    Chunks,     // the chunks do not cover the generations they must
    Generation, // a packed generation holds a value out of range
    Values,     // the targets or mutation percentages are misplaced
    Replay,     // replaying the generations does not give what the data says
};

// A whole history as plain data, for storing and restoring it exactly.
struct HistoryData {
    double firstGeneration = 1;
    std::array<double, 6> katsayilar{};
    std::array<double, 6> usler{};
    std::uint64_t size = 0;       // listed populations, the prepared one included
    std::uint64_t firstChunk = 0; // the chunks before it were dropped by the memory limit
    std::vector<HistoryChunk> chunks;
    SummaryPyramid::Data summaries;
};

// The history of one run since "Hazırla": the prepared population (index 0) and every
// generation after it (index i is the population listed after the i-th generation; its
// generation number, as "Nesil" showed it, is firstGeneration() + i).
//
// Every generation keeps a summary for the chart (never dropped) and 24 bytes of detail:
// what its matings chose and where its survivors came from. With a checkpoint of the whole
// population every kCheckpointEvery generations, any generation still held in detail is
// brought back bit for bit by replaying from the checkpoint before it. Past the detail
// limit the oldest chunks of detail go; their summaries stay.
class History {
  public:
    static constexpr std::uint64_t kCheckpointEvery = 256;
    static constexpr std::uint64_t kChunkGenerations = 4096;

    explicit History(HistoryLimits limits = {});

    // "Hazırla": a new history from the prepared population, with the function and the
    // run-wide values `m` holds then.
    void start(const PreparationRecord& prepared, const Module1& m);
    // "Sıfırla": no history until the next "Hazırla".
    void clear();
    // One generation of the run; nothing while no history is started.
    void append(const GenerationRecord& g);

    [[nodiscard]] bool empty() const { return size_ == 0; }
    // The listed populations kept: the prepared one and one per generation since.
    [[nodiscard]] std::uint64_t size() const { return size_; }
    [[nodiscard]] double firstGeneration() const { return firstGeneration_; }
    [[nodiscard]] double generationNumber(std::uint64_t index) const {
        return firstGeneration_ + static_cast<double>(index);
    }
    // The oldest index whose population and report lines can still be brought back.
    [[nodiscard]] std::uint64_t firstOpenable() const;
    [[nodiscard]] bool openable(std::uint64_t index) const {
        return index < size_ && index >= firstOpenable();
    }
    [[nodiscard]] const SummaryPyramid& summaries() const { return summaries_; }
    [[nodiscard]] const HistoryLimits& limits() const { return limits_; }
    [[nodiscard]] std::size_t detailBytes() const;
    [[nodiscard]] std::size_t bytes() const { return detailBytes() + summaries_.bytes(); }
    // Changes whenever the history starts over, is cleared or restored (never twice the
    // same number in a process), so a reader can tell that what it brought back is gone.
    [[nodiscard]] std::uint64_t runId() const { return runId_; }
    [[nodiscard]] const std::array<double, 6>& katsayilar() const { return katsayilar_; }
    [[nodiscard]] const std::array<double, 6>& usler() const { return usler_; }

    // What replaying needs. lineage, targetOf and mutationPercentOf take an index from 1
    // whose generation is held in detail.
    [[nodiscard]] std::optional<Lineage> lineage(std::uint64_t index) const;
    [[nodiscard]] double targetOf(std::uint64_t index) const;
    [[nodiscard]] double mutationPercentOf(std::uint64_t index) const;
    // The checkpoint that generation `index` is replayed from: the last one before it (0 for
    // the prepared population).
    [[nodiscard]] static std::uint64_t checkpointBefore(std::uint64_t index);
    // Puts the arrays and run-wide values in the state they were in at checkpoint `at`,
    // evaluated as the run evaluated them; false when that checkpoint is no longer held.
    bool enter(std::uint64_t at, Population& p, Module1& m, Objective& f) const;

    [[nodiscard]] HistoryData data() const;
    // The chunks still held, the oldest first, and the number of the oldest: what data()
    // copies, for a writer that goes through them in place.
    [[nodiscard]] std::uint64_t firstChunk() const { return firstChunk_; }
    [[nodiscard]] const std::deque<HistoryChunk>& chunks() const { return chunks_; }
    // A history from plain data, checked through: every range and count, and a replay of
    // every generation, which must give back its lineage, the next checkpoint and its
    // summary. Nothing when anything is off, with the reason in `error`. Takes about a
    // microsecond per generation. The data is moved in, not copied: a long run's history
    // is never held twice.
    static std::optional<History> restore(HistoryData data, HistoryError& error,
                                          HistoryLimits limits = {});

  private:
    [[nodiscard]] const HistoryChunk* chunkOf(std::uint64_t chunk) const;
    void newChunk();
    void thin();
    static std::uint64_t nextRunId();

    HistoryLimits limits_;
    std::uint64_t runId_;
    std::uint64_t size_ = 0;
    double firstGeneration_ = 1;
    std::array<double, 6> katsayilar_{};
    std::array<double, 6> usler_{};
    std::uint64_t firstChunk_ = 0;
    std::deque<HistoryChunk> chunks_; // chunks_[k] is chunk firstChunk_ + k
    SummaryPyramid summaries_;
};

} // namespace ga
