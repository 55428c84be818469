#include "engine/HistorySummary.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace ga {

namespace {

constexpr std::size_t kSingleBytes = 3 * sizeof(double) + sizeof(std::uint8_t);

// A value the summaries can hold: a fitness is 0 or more, or +infinity, never NaN.
bool isFitness(double v) {
    return v >= 0;
}

bool isSpan(const SummarySpan& s) {
    return isFitness(s.bestLo) && s.bestLo <= s.bestHi && isFitness(s.meanLo) &&
           s.meanLo <= s.meanHi && isFitness(s.worstLo) && s.worstLo <= s.worstHi &&
           s.distinctLo >= 1 && s.distinctLo <= s.distinctHi && s.distinctHi <= kPopulation;
}

} // namespace

SummarySpan SummarySpan::of(const GenerationSummary& s) {
    return {s.best, s.best, s.mean, s.mean, s.worst, s.worst, s.distinct, s.distinct};
}

void SummarySpan::merge(const SummarySpan& o) {
    bestLo = std::min(bestLo, o.bestLo);
    bestHi = std::max(bestHi, o.bestHi);
    meanLo = std::min(meanLo, o.meanLo);
    meanHi = std::max(meanHi, o.meanHi);
    worstLo = std::min(worstLo, o.worstLo);
    worstHi = std::max(worstHi, o.worstHi);
    distinctLo = std::min(distinctLo, o.distinctLo);
    distinctHi = std::max(distinctHi, o.distinctHi);
}

GenerationSummary summarize(const std::array<double, kPopulation>& genes,
                            const std::array<double, kPopulation>& fitness) {
    GenerationSummary s;
    s.best = INFINITY;
    s.worst = 0;
    double sum = 0;
    // A NaN never reaches here (an undefined fitness is held as +infinity); one would be
    // passed over by min and max and make the mean infinite below.
    for (double f : fitness) {
        s.best = std::min(s.best, f);
        s.worst = std::max(s.worst, f);
        sum += f;
    }
    if (std::isfinite(sum)) {
        s.mean = sum / kPopulation;
    } else {
        // Huge finite values would overflow the sum; a twentieth of each does not.
        s.mean = 0;
        for (double f : fitness) {
            s.mean += (std::isnan(f) ? INFINITY : f) / kPopulation;
        }
    }
    // Distinct genes by their bits (minus zero counted as zero), in a small open hash set:
    // twenty keys in 64 slots rarely collide, and the set is emptied by clearing one word.
    std::array<std::uint64_t, 64> slots; // only the slots marked in `used` are read
    std::uint64_t used = 0;
    int distinct = 0;
    for (double gene : genes) {
        const auto key = std::bit_cast<std::uint64_t>(gene + 0.0);
        auto h = static_cast<unsigned>((key * 0x9E3779B97F4A7C15U) >> 58U);
        while (true) {
            if ((used >> h & 1U) == 0) {
                used |= std::uint64_t{1} << h;
                slots[h] = key;
                ++distinct;
                break;
            }
            if (slots[h] == key) {
                break;
            }
            h = (h + 1) & 63U;
        }
    }
    s.distinct = static_cast<std::uint8_t>(distinct);
    return s;
}

SummaryPyramid::SummaryPyramid(std::size_t byteLimit) : byteLimit_(byteLimit) {}

void SummaryPyramid::clear() {
    // Swapped with empty ones, so the memory goes back at once.
    std::deque<double>().swap(best_);
    std::deque<double>().swap(mean_);
    std::deque<double>().swap(worst_);
    std::deque<std::uint8_t>().swap(distinct_);
    std::vector<Level>().swap(levels_);
    pending_.clear();
    width_ = 1;
    count_ = 0;
}

std::uint64_t SummaryPyramid::baseSize() const {
    return width_ == 1 ? best_.size() : levels_[0].size();
}

SummarySpan SummaryPyramid::baseSpan(std::uint64_t i) const {
    if (width_ == 1) {
        return {best_[i],  best_[i],  mean_[i],     mean_[i],
                worst_[i], worst_[i], distinct_[i], distinct_[i]};
    }
    return levels_[0][i];
}

std::size_t SummaryPyramid::bytes() const {
    std::size_t total = best_.size() * kSingleBytes;
    for (const Level& level : levels_) {
        total += level.size() * sizeof(SummarySpan);
    }
    return total;
}

void SummaryPyramid::append(const GenerationSummary& s) {
    if (width_ == 1) {
        best_.push_back(s.best);
        mean_.push_back(s.mean);
        worst_.push_back(s.worst);
        distinct_.push_back(s.distinct);
    } else if (count_ % width_ == 0) {
        levels_[0].push_back(SummarySpan::of(s));
    } else {
        levels_[0].back().merge(SummarySpan::of(s));
    }
    ++count_;
    if (count_ % width_ == 0) {
        buildUp(width_ == 1 ? SummarySpan::of(s) : levels_[0].back());
        // Only when the level above covers the finest one exactly can the finest go
        // without losing a generation.
        if (baseSize() % kFanOut == 0 && bytes() > byteLimit_) {
            dropFinestLevel();
        }
    }
}

void SummaryPyramid::buildUp(SummarySpan span) {
    // levels_[l] is the level above the one whose newest complete entry `span` is; the
    // block it belongs to gathers in pending_[u] until its sixteenth entry closes it.
    std::size_t l = width_ == 1 ? 0 : 1;
    std::uint64_t below = baseSize();
    for (std::size_t u = 0;; ++u, ++l) {
        if (pending_.size() <= u) {
            pending_.push_back(span);
        } else if (below % kFanOut == 1) {
            pending_[u] = span;
        } else {
            pending_[u].merge(span);
        }
        if (below % kFanOut != 0) {
            return;
        }
        if (levels_.size() <= l) {
            levels_.emplace_back();
        }
        levels_[l].push_back(pending_[u]);
        span = pending_[u];
        below = levels_[l].size();
    }
}

void SummaryPyramid::dropFinestLevel() {
    if (width_ == 1) {
        std::deque<double>().swap(best_);
        std::deque<double>().swap(mean_);
        std::deque<double>().swap(worst_);
        std::deque<std::uint8_t>().swap(distinct_);
    } else {
        levels_.erase(levels_.begin());
    }
    // The block that gathered over the dropped level is complete and in the level above.
    pending_.erase(pending_.begin());
    width_ *= kFanOut;
}

SummarySpan SummaryPyramid::span(std::uint64_t first, std::uint64_t last) const {
    const std::uint64_t size = baseSize();
    if (size == 0) {
        return {};
    }
    std::uint64_t i = std::min(first / width_, size - 1);
    const std::uint64_t end = std::clamp((last + width_ - 1) / width_, i + 1, size);
    const std::size_t up = width_ == 1 ? 0 : 1; // levels_[up] is the first level above
    SummarySpan out = baseSpan(i);
    bool started = false;
    while (i < end) {
        // The coarsest block that starts here and ends within the range.
        std::uint64_t block = 1;
        std::size_t level = 0; // 0: the finest level; l > 0: levels_[up + l - 1]
        while (up + level < levels_.size()) {
            const std::uint64_t wider = block * kFanOut;
            if (i % wider != 0 || i + wider > end || i / wider >= levels_[up + level].size()) {
                break;
            }
            block = wider;
            ++level;
        }
        const SummarySpan& part = level == 0 ? baseSpan(i) : levels_[up + level - 1][i / block];
        if (started) {
            out.merge(part);
        } else {
            out = part;
            started = true;
        }
        i += block;
    }
    return out;
}

std::optional<GenerationSummary> SummaryPyramid::at(std::uint64_t i) const {
    if (width_ != 1 || i >= count_) {
        return std::nullopt;
    }
    return GenerationSummary{best_[i], mean_[i], worst_[i], distinct_[i]};
}

SummaryPyramid::Data SummaryPyramid::data() const {
    Data d;
    d.width = width_;
    d.count = count_;
    if (width_ == 1) {
        for (std::size_t i = 0; i < best_.size(); ++i) {
            d.single.push_back({best_[i], mean_[i], worst_[i], distinct_[i]});
        }
    } else {
        d.buckets.assign(levels_[0].begin(), levels_[0].end());
    }
    return d;
}

std::optional<SummaryPyramid> SummaryPyramid::restore(Data d, std::size_t byteLimit) {
    std::uint64_t width = d.width;
    while (width % kFanOut == 0) {
        width /= kFanOut;
    }
    if (width != 1 || d.width == 0) {
        return std::nullopt;
    }
    SummaryPyramid p(byteLimit);
    if (d.width == 1) {
        if (!d.buckets.empty() || d.single.size() != d.count) {
            return std::nullopt;
        }
        while (!d.single.empty()) {
            const GenerationSummary s = d.single.front();
            d.single.pop_front();
            if (!isSpan(SummarySpan::of(s))) {
                return std::nullopt;
            }
            p.append(s);
        }
        return p;
    }
    if (!d.single.empty() || d.buckets.size() != (d.count + d.width - 1) / d.width) {
        return std::nullopt;
    }
    p.width_ = d.width;
    p.levels_.emplace_back();
    for (std::uint64_t b = 0; !d.buckets.empty(); ++b) {
        const SummarySpan span = d.buckets.front();
        d.buckets.pop_front();
        if (!isSpan(span)) {
            return std::nullopt;
        }
        p.levels_[0].push_back(span);
        p.count_ = std::min(d.count, (b + 1) * d.width);
        if (p.count_ % p.width_ == 0) {
            p.buildUp(span);
        }
    }
    return p;
}

} // namespace ga
