#include "engine/Generation.h"

#include "runtime/Convert.h"
#include "runtime/Digits.h"

namespace ga {

namespace {

constexpr std::size_t kDrawsPerMating = 6;
using Draws = std::array<float, kSurvivors * kDrawsPerMating>;

// A position or choice drawn as Int(Rnd * n + first); the arithmetic is done in double
// precision so that a value just below 1 can never round up past the last choice. The
// value is never negative, so cutting off the fraction is the floor.
int pick(float r, int n, int first) {
    return static_cast<int>(static_cast<double>(r) * n + first);
}

// The six draws of each mating, in their order: parents, mutation draw, position,
// which parent, direction.
std::array<MatingChoice, kSurvivors> choose(const Draws& draws, double mutationPercent) {
    std::array<MatingChoice, kSurvivors> choices{};
    for (std::size_t r = 0; r < kSurvivors; ++r) {
        const float* d = &draws[r * kDrawsPerMating];
        const int a = pick(d[0], 10, 1);
        const int b = pick(d[1], 10, 1);
        const int m = pick(d[2], 100, 0);
        const int p = pick(d[3], 5, 1);
        const int w = pick(d[4], 2, 1);
        const int up = pick(d[5], 2, 1);
        MatingChoice& c = choices[r];
        c.a = static_cast<std::uint8_t>(a);
        c.b = static_cast<std::uint8_t>(b);
        c.digit = static_cast<std::uint8_t>(p);
        // A fractional percentage acts like the next whole number up.
        c.mutant = m < mutationPercent ? static_cast<std::uint8_t>(w == 1 ? b : a) : 0;
        c.up = up == 1;
    }
    return choices;
}

// The survivors stay as the first half of the next generation; the ten below them die,
// and the ranking's top and bottom may improve the best and worst record.
void cull(Population& p, Module1& m, GenerationRecord& out) {
    for (int i = 1; i <= kSurvivors; ++i) {
        p.yeniGenler[i] = p.genler[i];
    }
    for (int i = kSurvivors + 1; i <= kPopulation; ++i) {
        const double g = p.genler[i];
        out.deaths[static_cast<std::size_t>(i - kSurvivors - 1)] =
            Death{g, g == p.genler[7] || g == p.genler[2] || g == p.genler[5]};
    }
    if (p.uyumlar[kPopulation] > m.enKotuUyum) {
        m.enKotuUyum = p.uyumlar[kPopulation];
        m.enKotuGen = p.genler[kPopulation];
    }
    if (p.uyumlar[1] < m.enIyiUyum) {
        m.enIyiUyum = p.uyumlar[1];
        m.enIyiGen = p.genler[1];
    }
}

// Ten matings. A mutation changes the digit in the table in place, so every later mating
// of the same generation sees it; the crossover point is fixed after the second digit.
void mate(Population& p, Module1& m, const std::array<MatingChoice, kSurvivors>& choices,
          GenerationRecord& out) {
    for (int r = 1; r <= kSurvivors; ++r) {
        const MatingChoice& c = choices[static_cast<std::size_t>(r - 1)];
        if (c.mutant != 0) {
            m.mutasyonSayisi = m.mutasyonSayisi + 1;
            p.basamaklar[c.mutant][c.digit] += c.up ? 1 : -1;
        }
        const DigitRow& a = p.basamaklar[c.a];
        const DigitRow& b = p.basamaklar[c.b];
        p.yeniGenler[r + kSurvivors] = joinDigits(a[1], a[2], b[3], b[4], b[5]);
        double& mutant = out.mutants[static_cast<std::size_t>(r - 1)];
        mutant = 0;
        if (c.mutant != 0) {
            const DigitRow& x = p.basamaklar[c.mutant];
            p.mutantGenler[r] = joinDigits(x[1], x[2], x[3], x[4], x[5]);
            mutant = p.mutantGenler[r];
        }
    }
    out.matings = choices;
}

// The new generation replaces the old one and everyone is evaluated again; the digits are
// rebuilt from the genes, which undoes the survivors' mutated digits.
void replaceAndEvaluate(Population& p, const Objective& f, double target, GenerationRecord& out) {
    for (int i = 1; i <= kPopulation; ++i) {
        p.genler[i] = p.yeniGenler[i];
    }
    for (int i = 1; i <= kPopulation; ++i) {
        f.evaluate(p, i, target);
        const auto k = static_cast<std::size_t>(i - 1);
        out.genes[k] = p.genler[i];
        out.values[k] = p.sonuclar[i];
        out.fitness[k] = p.uyumlar[i];
    }
}

void runGeneration(Population& p, Module1& m, Objective& f, double mutationPercent, double target,
                   const std::array<MatingChoice, kSurvivors>* choices, RandomSource* random,
                   GenerationRecord& out) {
    m.nesilSayisi = m.nesilSayisi + 1;
    out.generation = m.nesilSayisi;
    out.mutationPercent = mutationPercent;
    out.target = target;
    f.use(m);

    rank(p, out.order);
    for (int i = 1; i <= kPopulation; ++i) {
        out.rankedGenes[static_cast<std::size_t>(i - 1)] = p.genler[i];
        out.rankedFitness[static_cast<std::size_t>(i - 1)] = p.uyumlar[i];
    }
    cull(p, m, out);

    // Draws only happen in the matings, so drawing all sixty first keeps their order.
    if (choices != nullptr) {
        mate(p, m, *choices, out);
    } else {
        Draws draws;
        random->fill(draws);
        mate(p, m, choose(draws, mutationPercent), out);
    }

    replaceAndEvaluate(p, f, target, out);
    out.bestGene = m.enIyiGen;
    out.bestFitness = m.enIyiUyum;
    out.worstGene = m.enKotuGen;
    out.worstFitness = m.enKotuUyum;
    out.mutations = m.mutasyonSayisi;
    out.reached = p.uyumlar[kSurvivors] == 0;
}

} // namespace

namespace {

using Keys = std::array<double, kPopulation>;
using Origins = std::array<std::uint8_t, kPopulation>;

// The exchange procedure exactly as it is written: for every i, for every j, exchange when
// the value at j is greater than the value at i.
void exchangeAll(Keys& u, Origins& from) {
    for (std::size_t i = 0; i < kPopulation; ++i) {
        for (std::size_t j = 0; j < kPopulation; ++j) {
            if (u[j] > u[i]) {
                std::swap(u[i], u[j]);
                std::swap(from[i], from[j]);
            }
        }
    }
}

// The same exchanges, without the comparisons that cannot exchange. The first pass
// carries the largest value to the front. From then on, before pass i the values in front
// of i are in order with the largest last, so that pass exchanges nothing before the
// first value greater than the one at i; from there on it carries the value along,
// exchanging it for each greater one it meets, which leaves the largest value at i and
// nothing greater behind it. This holds for any values that compare as a total order,
// which every fitness does (an undefined one is held as infinity).
void exchangeNeeded(Keys& u, Origins& from) {
    for (std::size_t j = 1; j < kPopulation; ++j) {
        if (u[j] > u[0]) {
            std::swap(u[0], u[j]);
            std::swap(from[0], from[j]);
        }
    }
    for (std::size_t i = 1; i < kPopulation; ++i) {
        double carried = u[i];
        std::uint8_t carriedFrom = from[i];
        std::size_t first = i;
        while (first > 0 && u[first - 1] > carried) {
            --first;
        }
        for (std::size_t j = first; j < i; ++j) {
            if (u[j] > carried) {
                std::swap(u[j], carried);
                std::swap(from[j], carriedFrom);
            }
        }
        u[i] = carried;
        from[i] = carriedFrom;
    }
}

} // namespace

void rank(Population& p, std::array<std::uint8_t, kPopulation>& order) {
    // The procedure compares every position with every position, and ties end in the order
    // it leaves: which of several equal individuals survive depends on it, so it is kept
    // exactly. It runs on the fitness values and the positions they came from; the genes
    // and digits then move once.
    Keys u{};
    Origins from{};
    bool ordered = true; // no NaN, which compares with nothing
    for (std::size_t k = 0; k < kPopulation; ++k) {
        u[k] = p.uyumlar[k + 1];
        from[k] = static_cast<std::uint8_t>(k + 1);
        ordered = ordered && u[k] == u[k];
    }
    if (ordered) {
        exchangeNeeded(u, from);
    } else {
        exchangeAll(u, from);
    }
    const Row genes = p.genler;
    const DigitTable digits = p.basamaklar;
    for (std::size_t k = 0; k < kPopulation; ++k) {
        const std::uint8_t f = from[k];
        order[k] = f;
        p.uyumlar[k + 1] = u[k];
        p.genler[k + 1] = genes[f];
        for (int j = 1; j <= 5; ++j) {
            p.basamaklar[k + 1][j] = digits[f][j];
        }
    }
}

void prepare(Population& p, const Module1& m, Objective& f, double target, RandomSource& random,
             PreparationRecord& out) {
    f.use(m);
    out.target = target;
    for (int i = 1; i <= kPopulation; ++i) {
        p.genler[i] = Int(static_cast<double>(random.rnd()) * 89999 + 10000);
        f.evaluate(p, i, target);
        const auto k = static_cast<std::size_t>(i - 1);
        out.genes[k] = p.genler[i];
        out.values[k] = p.sonuclar[i];
        out.fitness[k] = p.uyumlar[i];
    }
}

void generation(Population& p, Module1& m, Objective& f, double mutationPercent, double target,
                RandomSource& random, GenerationRecord& out) {
    runGeneration(p, m, f, mutationPercent, target, nullptr, &random, out);
}

void replayGeneration(Population& p, Module1& m, Objective& f, double mutationPercent,
                      double target, const std::array<MatingChoice, kSurvivors>& choices,
                      GenerationRecord& out) {
    runGeneration(p, m, f, mutationPercent, target, &choices, nullptr, out);
}

} // namespace ga
