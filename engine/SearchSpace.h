#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace ga {

// The five-digit genes 00000 ... 99999.
inline constexpr int kGeneCount = 100'000;

// The fitness of every five-digit gene under one function and target, each evaluated exactly
// as a run evaluates it (the same digit split, the same F, an undefined fitness held as
// +infinity), with what a class wants to know of the whole landscape: the best fitness any
// gene reaches and which genes reach it, how many hit the target, where a gene ranks, and
// what an exhaustive or a random search would need to find the target.
class SearchSpace {
  public:
    // The histogram's bins: their count and, for the logarithmic one, the decades of the
    // positive finite fitness values; fitness 0 and infinite fitness are counted apart.
    struct Histogram {
        bool logarithmic = false;
        double low = 0;  // the first bin's lower edge (a power of ten when logarithmic)
        double high = 0; // the last bin's upper edge
        std::vector<std::int64_t> bins;
        std::int64_t zero = 0;     // genes at the target (counted in the bins when linear)
        std::int64_t infinite = 0; // genes whose fitness is +infinity, in no bin
    };

    // Evaluates all genes; the function is index 1..5 as "Hazırla" reads it.
    void evaluate(const std::array<double, 6>& katsayilar, const std::array<double, 6>& usler,
                  double target);

    [[nodiscard]] double target() const { return target_; }
    [[nodiscard]] const std::array<double, 6>& coefficients() const { return katsayilar_; }
    [[nodiscard]] const std::array<double, 6>& exponents() const { return usler_; }

    // F and the fitness of gene 0 ... 99999.
    [[nodiscard]] double value(int gene) const;
    [[nodiscard]] double fitness(int gene) const;

    // The lowest fitness any gene reaches (+infinity when none is finite) and every gene that
    // reaches it, in ascending order.
    [[nodiscard]] double bestFitness() const { return best_; }
    [[nodiscard]] const std::vector<int>& bestGenes() const { return bestGenes_; }
    // The genes whose fitness is exactly 0.
    [[nodiscard]] std::int64_t exactCount() const { return exactCount_; }
    // The highest finite fitness (+infinity when none is finite).
    [[nodiscard]] double worstFiniteFitness() const { return worstFinite_; }

    // 1 + the number of genes strictly fitter than `fitness`: 1 for the optimum, and a
    // NaN is ranked as +infinity, as the run ranks it.
    [[nodiscard]] std::int64_t rank(double fitness) const;

    // How many genes an exhaustive search in gene order evaluates until it evaluates one at
    // the target (the first such gene plus one, as gene 00000 is the first evaluation);
    // 0 when no gene hits the target.
    [[nodiscard]] std::int64_t exhaustiveEvaluations() const;
    // The expected number of evaluations of a random search that draws genes without
    // repetition until one hits the target: (N + 1) / (K + 1) for K genes at the target
    // among N; 0 when no gene hits it.
    [[nodiscard]] double randomEvaluations() const;

    // The fitness values in `bins` equal bins from 0 to the highest finite fitness, or, when
    // logarithmic, over whole decades from the lowest to the highest positive finite one.
    [[nodiscard]] Histogram histogram(int bins, bool logarithmic) const;

    // Where a fitness lies between the best and the highest finite fitness, 0 ... 1 on a
    // logarithmic scale of the distance from the best, so that the genes near the optimum
    // stand apart; +infinity for an infinite (or undefined) fitness.
    [[nodiscard]] double shade(double fitness) const;

  private:
    std::array<double, 6> katsayilar_{};
    std::array<double, 6> usler_{};
    double target_ = 0;
    std::vector<double> values_;
    std::vector<double> fitness_;
    double best_ = 0;
    double worstFinite_ = 0;
    std::vector<int> bestGenes_;
    std::int64_t exactCount_ = 0;
    int firstExact_ = -1;
};

} // namespace ga
