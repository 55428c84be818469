#include "engine/SearchSpace.h"

#include "engine/Model.h"
#include "engine/Objective.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ga {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The bin of `x` among `bins` equal bins from `low` to `high`; the upper edge belongs to the
// last bin.
std::size_t binOf(double x, double low, double high, int bins) {
    if (!(high > low)) {
        return 0;
    }
    const double at = (x - low) / (high - low) * bins;
    return static_cast<std::size_t>(std::clamp(at, 0.0, static_cast<double>(bins - 1)));
}

} // namespace

void SearchSpace::evaluate(const std::array<double, 6>& katsayilar,
                           const std::array<double, 6>& usler, double target) {
    katsayilar_ = katsayilar;
    usler_ = usler;
    target_ = target;
    Module1 m;
    m.katsayilar = katsayilar;
    m.usler = usler;
    Objective objective;
    objective.use(m);

    // One individual of a population is evaluated gene by gene, through the very calls a
    // generation makes, so the figures here can never drift from the run's.
    Population p;
    values_.resize(kGeneCount);
    fitness_.resize(kGeneCount);
    best_ = kInfinity;
    worstFinite_ = -kInfinity;
    exactCount_ = 0;
    firstExact_ = -1;
    for (int gene = 0; gene < kGeneCount; ++gene) {
        p.genler[1] = gene;
        objective.evaluate(p, 1, target);
        const double u = p.uyumlar[1];
        values_[static_cast<std::size_t>(gene)] = p.sonuclar[1];
        fitness_[static_cast<std::size_t>(gene)] = u;
        best_ = std::min(best_, u);
        if (u != kInfinity) {
            worstFinite_ = std::max(worstFinite_, u);
        }
        if (u == 0) {
            ++exactCount_;
            if (firstExact_ < 0) {
                firstExact_ = gene;
            }
        }
    }
    if (worstFinite_ == -kInfinity) {
        worstFinite_ = kInfinity;
    }
    bestGenes_.clear();
    if (best_ != kInfinity) {
        for (int gene = 0; gene < kGeneCount; ++gene) {
            if (fitness_[static_cast<std::size_t>(gene)] == best_) {
                bestGenes_.push_back(gene);
            }
        }
    }
}

double SearchSpace::value(int gene) const {
    return values_.at(static_cast<std::size_t>(gene));
}

double SearchSpace::fitness(int gene) const {
    return fitness_.at(static_cast<std::size_t>(gene));
}

std::int64_t SearchSpace::rank(double fitness) const {
    if (std::isnan(fitness)) {
        fitness = kInfinity;
    }
    return 1 + std::count_if(fitness_.begin(), fitness_.end(),
                             [fitness](double u) { return u < fitness; });
}

std::int64_t SearchSpace::exhaustiveEvaluations() const {
    return firstExact_ < 0 ? 0 : firstExact_ + 1;
}

double SearchSpace::randomEvaluations() const {
    if (exactCount_ == 0) {
        return 0;
    }
    return (static_cast<double>(kGeneCount) + 1) / (static_cast<double>(exactCount_) + 1);
}

SearchSpace::Histogram SearchSpace::histogram(int bins, bool logarithmic) const {
    Histogram h;
    h.logarithmic = logarithmic;
    bins = std::max(1, bins);
    h.bins.assign(static_cast<std::size_t>(bins), 0);
    double lowest = kInfinity;
    for (double u : fitness_) {
        if (u > 0 && u < lowest) {
            lowest = u;
        }
    }
    const bool anyFinite = worstFinite_ != kInfinity;
    if (logarithmic) {
        h.low = anyFinite && lowest != kInfinity ? lowest : 1;
        h.high = anyFinite && lowest != kInfinity ? worstFinite_ : 1;
    } else {
        h.low = 0;
        h.high = anyFinite ? worstFinite_ : 0;
    }
    const double from = logarithmic ? std::log10(h.low) : h.low;
    const double to = logarithmic ? std::log10(h.high) : h.high;
    for (double u : fitness_) {
        if (u == kInfinity) {
            ++h.infinite;
            continue;
        }
        if (u == 0) {
            ++h.zero;
            if (logarithmic) {
                continue;
            }
        }
        ++h.bins[binOf(logarithmic ? std::log10(u) : u, from, to, bins)];
    }
    return h;
}

double SearchSpace::shade(double fitness) const {
    if (std::isnan(fitness) || fitness == kInfinity) {
        return kInfinity;
    }
    const double span = std::log1p(worstFinite_ - best_);
    if (!(span > 0) || !std::isfinite(span)) {
        return 0;
    }
    return std::clamp(std::log1p(std::max(0.0, fitness - best_)) / span, 0.0, 1.0);
}

} // namespace ga
