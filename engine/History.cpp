#include "engine/History.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cmath>
#include <iterator>
#include <utility>

namespace ga {

namespace {

constexpr unsigned kMatingBits = 14;
constexpr unsigned kOriginBits = 5;
constexpr unsigned kOriginsAt = kSurvivors * kMatingBits;
static_assert(kOriginsAt + kSurvivors * kOriginBits <= 64 * std::tuple_size_v<PackedGeneration>);

void putBits(PackedGeneration& packed, unsigned at, unsigned width, std::uint64_t value) {
    value &= (std::uint64_t{1} << width) - 1;
    const unsigned word = at / 64;
    const unsigned shift = at % 64;
    packed[word] |= value << shift;
    if (shift + width > 64) {
        packed[word + 1] |= value >> (64 - shift);
    }
}

std::uint64_t getBits(const PackedGeneration& packed, unsigned at, unsigned width) {
    const unsigned word = at / 64;
    const unsigned shift = at % 64;
    std::uint64_t value = packed[word] >> shift;
    if (shift + width > 64) {
        value |= packed[word + 1] << (64 - shift);
    }
    return value & ((std::uint64_t{1} << width) - 1);
}

// A mating: first parent - 1 (4 bits), second parent - 1 (4), digit - 1 (3), which parent
// mutated (2: 0 none, 1 the first, 2 the second), up (1).
std::uint64_t packMating(const MatingChoice& c) {
    const std::uint64_t mutant = c.mutant == 0 ? 0 : (c.mutant == c.a ? 1 : 2);
    return (std::uint64_t{c.a - 1U} & 15U) | (std::uint64_t{c.b - 1U} & 15U) << 4U |
           (std::uint64_t{c.digit - 1U} & 7U) << 8U | mutant << 11U |
           std::uint64_t{c.up ? 1U : 0U} << 13U;
}

// Nothing when a field is out of range (only data from outside can hold one).
std::optional<MatingChoice> unpackMating(std::uint64_t bits) {
    const auto a = static_cast<std::uint8_t>((bits & 15U) + 1);
    const auto b = static_cast<std::uint8_t>(((bits >> 4U) & 15U) + 1);
    const auto digit = static_cast<std::uint8_t>(((bits >> 8U) & 7U) + 1);
    const auto mutant = static_cast<std::uint8_t>((bits >> 11U) & 3U);
    if (a > kSurvivors || b > kSurvivors || digit > 5 || mutant > 2) {
        return std::nullopt;
    }
    return MatingChoice{a, b, digit, mutant == 0 ? std::uint8_t{0} : (mutant == 1 ? a : b),
                        ((bits >> 13U) & 1U) != 0};
}

PackedGeneration pack(const GenerationRecord& g) {
    PackedGeneration packed{};
    for (unsigned r = 0; r < kSurvivors; ++r) {
        putBits(packed, r * kMatingBits, kMatingBits, packMating(g.matings[r]));
    }
    for (unsigned k = 0; k < kSurvivors; ++k) {
        putBits(packed, kOriginsAt + k * kOriginBits, kOriginBits, g.order[k] - 1U);
    }
    return packed;
}

std::optional<Lineage> unpack(const PackedGeneration& packed) {
    Lineage out;
    std::uint32_t seen = 0;
    for (unsigned r = 0; r < kSurvivors; ++r) {
        const auto m = unpackMating(getBits(packed, r * kMatingBits, kMatingBits));
        if (!m) {
            return std::nullopt;
        }
        out.matings[r] = *m;
    }
    for (unsigned k = 0; k < kSurvivors; ++k) {
        const std::uint64_t from = getBits(packed, kOriginsAt + k * kOriginBits, kOriginBits);
        if (from >= kPopulation || (seen & (1U << from)) != 0) {
            return std::nullopt;
        }
        seen |= 1U << from;
        out.survivorFrom[k] = static_cast<std::uint8_t>(from + 1);
    }
    // The bits above the last field are always zero.
    if (getBits(packed, kOriginsAt + kSurvivors * kOriginBits,
                64 * 3 - kOriginsAt - kSurvivors * kOriginBits) != 0) {
        return std::nullopt;
    }
    return out;
}

HistoryCheckpoint checkpointOf(const GenerationRecord& g) {
    return {g.genes, g.target, g.mutations, g.bestGene, g.bestFitness, g.worstGene, g.worstFitness};
}

bool sameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// Compared by their bits, so that any value a box can give (an infinite target) compares
// equal to itself.
bool sameCheckpoint(const HistoryCheckpoint& a, const HistoryCheckpoint& b) {
    for (std::size_t k = 0; k < kPopulation; ++k) {
        if (!sameBits(a.genes[k], b.genes[k])) {
            return false;
        }
    }
    return sameBits(a.target, b.target) && sameBits(a.mutations, b.mutations) &&
           sameBits(a.bestGene, b.bestGene) && sameBits(a.bestFitness, b.bestFitness) &&
           sameBits(a.worstGene, b.worstGene) && sameBits(a.worstFitness, b.worstFitness);
}

bool sameSummary(const GenerationSummary& a, const GenerationSummary& b) {
    return sameBits(a.best, b.best) && sameBits(a.mean, b.mean) && sameBits(a.worst, b.worst) &&
           a.distinct == b.distinct;
}

// Notes the value of generation `offset` of a chunk where it differs from the one before.
void noteValue(std::vector<ValueChange>& changes, std::uint32_t offset, double value) {
    if (changes.empty() || !sameBits(changes.back().value, value)) {
        changes.push_back({offset, value});
    }
}

double valueAt(const std::vector<ValueChange>& changes, std::uint32_t offset) {
    const auto after = std::upper_bound(
        changes.begin(), changes.end(), offset,
        [](std::uint32_t o, const ValueChange& change) { return o < change.offset; });
    return after == changes.begin() ? 0 : std::prev(after)->value;
}

// Offsets from 0, increasing, each below `count`.
bool validChanges(const std::vector<ValueChange>& changes, std::size_t count) {
    if (count == 0) {
        return changes.empty();
    }
    if (changes.empty() || changes.front().offset != 0 || changes.back().offset >= count) {
        return false;
    }
    for (std::size_t k = 1; k < changes.size(); ++k) {
        if (changes[k].offset <= changes[k - 1].offset) {
            return false;
        }
    }
    return true;
}

template <class T> std::size_t capacityBytes(const std::vector<T>& v) {
    return v.capacity() * sizeof(T);
}

} // namespace

std::uint64_t History::nextRunId() {
    static std::atomic<std::uint64_t> next{1};
    return next++;
}

History::History(HistoryLimits limits)
    : limits_(limits), runId_(nextRunId()), summaries_(limits.summaryBytes) {}

void History::clear() {
    size_ = 0;
    firstGeneration_ = 1;
    firstChunk_ = 0;
    std::deque<HistoryChunk>().swap(chunks_);
    summaries_.clear();
    runId_ = nextRunId();
}

void History::start(const PreparationRecord& prepared, const Module1& m) {
    clear();
    firstGeneration_ = m.nesilSayisi;
    katsayilar_ = m.katsayilar;
    usler_ = m.usler;
    newChunk();
    chunks_.back().checkpoints.push_back({prepared.genes, prepared.target, m.mutasyonSayisi,
                                          m.enIyiGen, m.enIyiUyum, m.enKotuGen, m.enKotuUyum});
    summaries_.append(summarize(prepared.genes, prepared.fitness));
    size_ = 1;
}

void History::newChunk() {
    HistoryChunk& chunk = chunks_.emplace_back();
    // Reserved whole, so that a chunk never reallocates while the run fills it.
    chunk.checkpoints.reserve(kChunkGenerations / kCheckpointEvery);
    chunk.generations.reserve(kChunkGenerations);
    chunk.targets.reserve(1);
    chunk.mutationPercents.reserve(1);
}

void History::append(const GenerationRecord& g) {
    if (size_ == 0) {
        return;
    }
    const std::uint64_t index = size_;
    HistoryChunk& chunk = chunks_.back();
    const auto offset = static_cast<std::uint32_t>((index - 1) % kChunkGenerations);
    chunk.generations.push_back(pack(g));
    noteValue(chunk.targets, offset, g.target);
    noteValue(chunk.mutationPercents, offset, g.mutationPercent);
    summaries_.append(summarize(g.genes, g.fitness));
    ++size_;
    if (index % kCheckpointEvery == 0) {
        if (index % kChunkGenerations == 0) {
            newChunk();
            thin();
        }
        chunks_.back().checkpoints.push_back(checkpointOf(g));
    }
}

void History::thin() {
    // The newest chunk always stays: the run goes on from it.
    while (chunks_.size() > 1 && detailBytes() > limits_.detailBytes) {
        chunks_.pop_front();
        ++firstChunk_;
    }
}

std::size_t History::detailBytes() const {
    std::size_t total = 0;
    for (const HistoryChunk& c : chunks_) {
        total += sizeof(HistoryChunk) + capacityBytes(c.checkpoints) +
                 capacityBytes(c.generations) + capacityBytes(c.targets) +
                 capacityBytes(c.mutationPercents);
    }
    return total;
}

std::uint64_t History::firstOpenable() const {
    // A dropped chunk takes the generation that led to its successor's checkpoint with it.
    return firstChunk_ == 0 ? 0 : firstChunk_ * kChunkGenerations + 1;
}

const HistoryChunk* History::chunkOf(std::uint64_t chunk) const {
    if (chunk < firstChunk_ || chunk - firstChunk_ >= chunks_.size()) {
        return nullptr;
    }
    return &chunks_[chunk - firstChunk_];
}

std::optional<Lineage> History::lineage(std::uint64_t index) const {
    if (index == 0 || index >= size_) {
        return std::nullopt;
    }
    const HistoryChunk* chunk = chunkOf((index - 1) / kChunkGenerations);
    if (chunk == nullptr) {
        return std::nullopt;
    }
    return unpack(chunk->generations[(index - 1) % kChunkGenerations]);
}

double History::targetOf(std::uint64_t index) const {
    const HistoryChunk* chunk = index == 0 ? nullptr : chunkOf((index - 1) / kChunkGenerations);
    return chunk == nullptr ? 0
                            : valueAt(chunk->targets,
                                      static_cast<std::uint32_t>((index - 1) % kChunkGenerations));
}

double History::mutationPercentOf(std::uint64_t index) const {
    const HistoryChunk* chunk = index == 0 ? nullptr : chunkOf((index - 1) / kChunkGenerations);
    return chunk == nullptr ? 0
                            : valueAt(chunk->mutationPercents,
                                      static_cast<std::uint32_t>((index - 1) % kChunkGenerations));
}

std::uint64_t History::checkpointBefore(std::uint64_t index) {
    return index == 0 ? 0 : (index - 1) / kCheckpointEvery * kCheckpointEvery;
}

bool History::enter(std::uint64_t at, Population& p, Module1& m, Objective& f) const {
    const HistoryChunk* chunk = chunkOf(at / kChunkGenerations);
    const std::uint64_t k = at % kChunkGenerations / kCheckpointEvery;
    if (at % kCheckpointEvery != 0 || at >= size_ || chunk == nullptr ||
        k >= chunk->checkpoints.size()) {
        return false;
    }
    const HistoryCheckpoint& c = chunk->checkpoints[k];
    m.nesilSayisi = generationNumber(at);
    m.mutasyonSayisi = c.mutations;
    m.enIyiGen = c.bestGene;
    m.enIyiUyum = c.bestFitness;
    m.enKotuGen = c.worstGene;
    m.enKotuUyum = c.worstFitness;
    m.katsayilar = katsayilar_;
    m.usler = usler_;
    f.use(m);
    for (int i = 1; i <= kPopulation; ++i) {
        p.genler[i] = c.genes[static_cast<std::size_t>(i - 1)];
        f.evaluate(p, i, c.target);
    }
    return true;
}

HistoryData History::data() const {
    HistoryData d;
    d.firstGeneration = firstGeneration_;
    d.katsayilar = katsayilar_;
    d.usler = usler_;
    d.size = size_;
    d.firstChunk = firstChunk_;
    d.chunks.assign(chunks_.begin(), chunks_.end());
    d.summaries = summaries_.data();
    return d;
}

std::optional<History> History::restore(HistoryData d, HistoryError& error, HistoryLimits limits) {
    error = HistoryError::None;
    History h(limits);
    const auto fail = [&error](HistoryError e) {
        error = e;
        return std::optional<History>{};
    };
    if (!std::isfinite(d.firstGeneration)) {
        return fail(HistoryError::Numbers);
    }
    auto summaries = SummaryPyramid::restore(std::move(d.summaries), limits.summaryBytes);
    if (!summaries || summaries->count() != d.size) {
        return fail(HistoryError::Summaries);
    }
    if (d.size == 0) {
        if (!d.chunks.empty() || d.firstChunk != 0) {
            return fail(HistoryError::Chunks);
        }
        return h;
    }

    // Chunk j holds checkpoint j * C and generations j * C + 1 .. (j + 1) * C.
    const std::uint64_t generations = d.size - 1;
    const std::uint64_t lastChunk = generations / kChunkGenerations;
    if (d.firstChunk > lastChunk || d.chunks.size() != lastChunk - d.firstChunk + 1) {
        return fail(HistoryError::Chunks);
    }
    for (std::size_t k = 0; k < d.chunks.size(); ++k) {
        const HistoryChunk& c = d.chunks[k];
        const std::uint64_t first = (d.firstChunk + k) * kChunkGenerations;
        const std::uint64_t held = std::min(kChunkGenerations, generations - first);
        const std::uint64_t last = std::min(generations, first + kChunkGenerations - 1);
        if (c.generations.size() != held ||
            c.checkpoints.size() != (last - first) / kCheckpointEvery + 1) {
            return fail(HistoryError::Chunks);
        }
        if (!validChanges(c.targets, held) || !validChanges(c.mutationPercents, held)) {
            return fail(HistoryError::Values);
        }
        for (const PackedGeneration& g : c.generations) {
            if (!unpack(g)) {
                return fail(HistoryError::Generation);
            }
        }
    }

    h.firstGeneration_ = d.firstGeneration;
    h.katsayilar_ = d.katsayilar;
    h.usler_ = d.usler;
    h.size_ = d.size;
    h.firstChunk_ = d.firstChunk;
    h.chunks_.assign(std::make_move_iterator(d.chunks.begin()),
                     std::make_move_iterator(d.chunks.end()));
    d.chunks = {};
    // The run may go on from the newest chunk: room for it as a started history has.
    h.chunks_.back().checkpoints.reserve(kChunkGenerations / kCheckpointEvery);
    h.chunks_.back().generations.reserve(kChunkGenerations);
    h.summaries_ = std::move(*summaries);

    // Every generation held in detail, replayed from its checkpoint, must be what the data
    // says: its survivors' places, the next checkpoint, its summary.
    Population p;
    Module1 m;
    Objective f;
    GenerationRecord g;
    const std::uint64_t from = h.firstChunk_ * kChunkGenerations;
    for (std::uint64_t at = from; at < h.size_; at += kCheckpointEvery) {
        if (!h.enter(at, p, m, f)) {
            return fail(HistoryError::Replay);
        }
        const std::uint64_t end = std::min(h.size_ - 1, at + kCheckpointEvery);
        for (std::uint64_t i = at + 1; i <= end; ++i) {
            const Lineage lineage = *h.lineage(i);
            replayGeneration(p, m, f, h.mutationPercentOf(i), h.targetOf(i), lineage.matings, g);
            for (std::size_t k = 0; k < kSurvivors; ++k) {
                if (g.order[k] != lineage.survivorFrom[k]) {
                    return fail(HistoryError::Replay);
                }
            }
            const auto summary = h.summaries_.at(i);
            if (summary && !sameSummary(*summary, summarize(g.genes, g.fitness))) {
                return fail(HistoryError::Replay);
            }
            if (i % kCheckpointEvery == 0) {
                const HistoryChunk* chunk = h.chunkOf(i / kChunkGenerations);
                if (!sameCheckpoint(chunk->checkpoints[i % kChunkGenerations / kCheckpointEvery],
                                    checkpointOf(g))) {
                    return fail(HistoryError::Replay);
                }
            }
        }
    }
    return h;
}

} // namespace ga
