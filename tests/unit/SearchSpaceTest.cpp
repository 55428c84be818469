// The search space's figures must be what evaluating every gene by hand gives: the class
// compares the run against them, so a wrong optimum or count would mislead it.

#include "engine/SearchSpace.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace {

struct Function {
    const char* name;
    std::array<double, 6> a;
    std::array<double, 6> p;
    double target;
};

// Plainly: the digits by division, F term by term from the left, NaN held as infinity.
double bruteFitness(const Function& f, int gene) {
    const std::array<int, 6> d{
        0, gene / 10000, gene / 1000 % 10, gene / 100 % 10, gene / 10 % 10, gene % 10};
    double value = 0;
    for (int j = 1; j <= 5; ++j) {
        value = value + f.a[j] * std::pow(static_cast<double>(d[j]), f.p[j]);
    }
    const double u = std::abs(value - f.target);
    return std::isnan(u) ? std::numeric_limits<double>::infinity() : u;
}

TEST(SearchSpace, FiguresMatchABruteForce) {
    const Function functions[] = {
        {"default", {0, 1, 1, 1, 1, 1}, {0, 3, 2, 2, 1, 1}, 277},
        {"unreachable", {0, 2, -1, 1, 0.5, 3}, {0, 2, 2, 3, 1, 1}, 1e6},
        // 0 to a negative power is infinite, and 0 times that undefined: many genes have no
        // finite F, and fractional exponents give irrational values.
        {"negative", {0, 1, 0, -2, 1.5, 1}, {0, -1, 0.5, -0.5, 1.5, 2}, 5},
    };
    for (const Function& f : functions) {
        SCOPED_TRACE(f.name);
        ga::SearchSpace space;
        space.evaluate(f.a, f.p, f.target);

        std::vector<double> u(ga::kGeneCount);
        double best = std::numeric_limits<double>::infinity();
        double worst = 0;
        std::int64_t exact = 0;
        std::int64_t infinite = 0;
        int first = -1;
        for (int g = 0; g < ga::kGeneCount; ++g) {
            u[g] = bruteFitness(f, g);
            ASSERT_EQ(space.fitness(g), u[g]) << "gene " << g;
            best = std::min(best, u[g]);
            if (std::isfinite(u[g])) {
                worst = std::max(worst, u[g]);
            } else {
                ++infinite;
            }
            if (u[g] == 0) {
                exact += 1;
                first = first < 0 ? g : first;
            }
        }
        std::vector<int> bestGenes;
        for (int g = 0; g < ga::kGeneCount; ++g) {
            if (u[g] == best) {
                bestGenes.push_back(g);
            }
        }
        EXPECT_EQ(space.bestFitness(), best);
        EXPECT_EQ(space.bestGenes(), bestGenes);
        EXPECT_EQ(space.exactCount(), exact);
        EXPECT_EQ(space.exhaustiveEvaluations(), first < 0 ? 0 : first + 1);
        EXPECT_DOUBLE_EQ(space.randomEvaluations(),
                         exact == 0 ? 0.0 : 100001.0 / static_cast<double>(exact + 1));

        // Ranks: the optimum is first, ties share the better rank, NaN ranks with infinity.
        EXPECT_EQ(space.rank(best), 1);
        const int probe = 12345;
        std::int64_t fitter = 0;
        for (double v : u) {
            fitter += v < u[probe] ? 1 : 0;
        }
        EXPECT_EQ(space.rank(u[probe]), fitter + 1);
        EXPECT_EQ(space.rank(std::nan("")), ga::kGeneCount - infinite + 1);

        // Every gene is counted once, in a bin, at the target or as infinite.
        for (bool logarithmic : {false, true}) {
            const auto h = space.histogram(40, logarithmic);
            std::int64_t total = h.infinite + (logarithmic ? h.zero : 0);
            for (std::int64_t n : h.bins) {
                total += n;
            }
            EXPECT_EQ(total, ga::kGeneCount);
            EXPECT_EQ(h.infinite, infinite);
            EXPECT_EQ(h.zero, exact);
        }
        EXPECT_EQ(space.histogram(40, false).high, worst);
    }
}

TEST(SearchSpace, DefaultFunctionFirstHitWorkedByHand) {
    // x³ + y² + z² + k + c = 277: below x = 5 the rest reaches at most 180, so x = 5 and
    // y² + z² + k + c = 152; only y = 8 leaves a reachable 88, first as 81 + 0 + 7 (58907).
    ga::SearchSpace space;
    space.evaluate({0, 1, 1, 1, 1, 1}, {0, 3, 2, 2, 1, 1}, 277);
    EXPECT_EQ(space.value(99999), 729 + 81 + 81 + 9 + 9);
    EXPECT_EQ(space.exhaustiveEvaluations(), 58908);
    EXPECT_EQ(space.bestGenes().front(), 58907);
}

} // namespace
