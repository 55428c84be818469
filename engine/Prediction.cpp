#include "engine/Prediction.h"

#include "runtime/Convert.h"
#include "runtime/Digits.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ga {

namespace {

// SplitMix64: a fixed mixing function, so that the same seed gives the same questions on
// every machine and library (the standard distributions are not fixed that way).
std::uint64_t mix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30U)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27U)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31U);
}

// A generation number as a count; the counter is a double that a long run or a hostile
// session may carry anywhere.
std::uint64_t countOf(double generation) {
    constexpr double kLimit = 9.0e18;
    return generation >= 0 && generation < kLimit ? static_cast<std::uint64_t>(generation) : 0;
}

std::size_t at(int row) {
    return static_cast<std::size_t>(row - 1);
}

// The report line (from 1 within the generation's lines) of each mating's birth: ten
// death lines, then per mating its mutation line, if any, and its birth line.
int birthLineOf(const std::array<MatingChoice, kSurvivors>& matings, std::size_t mating) {
    int line = kSurvivors;
    for (std::size_t j = 0; j <= mating; ++j) {
        line += matings[j].mutant != 0 ? 2 : 1;
    }
    return line;
}

} // namespace

bool sameNumber(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

QuestionKind kindInTurn(std::uint32_t runSeed, double generation) {
    // Counted from the first generation after a fresh "Hazırla", numbered 2, so that every
    // four questions from there on ask each kind once.
    const std::uint64_t n = countOf(generation - 2);
    std::array<QuestionKind, kQuestionKinds> order{QuestionKind::Selection, QuestionKind::Mating,
                                                   QuestionKind::Fitness, QuestionKind::Progress};
    // A shuffle of the four kinds for each block of four generations.
    std::uint64_t r = mix((std::uint64_t{runSeed} << 32U) ^ (n / kQuestionKinds));
    for (std::size_t i = kQuestionKinds - 1; i > 0; --i) {
        const std::size_t j = r % (i + 1);
        r = mix(r);
        std::swap(order[i], order[j]);
    }
    return order[n % kQuestionKinds];
}

std::uint64_t questionSeed(std::uint32_t runSeed, double generation) {
    return mix(mix(countOf(generation)) ^ runSeed);
}

Question ask(const Run& run, QuestionKind kind, double mutationPercent, double target,
             std::uint64_t seed) {
    Question q;
    q.kind = kind;
    q.seed = seed;
    q.mutationPercent = mutationPercent;
    q.target = target;
    const Population& p = run.population();
    for (std::size_t k = 0; k < kPopulation; ++k) {
        q.genes[k] = p.genler[k + 1];
        q.values[k] = p.sonuclar[k + 1];
        q.fitness[k] = p.uyumlar[k + 1];
    }

    Run ahead = run.lookAhead();
    const GenerationRecord& g = ahead.step(mutationPercent, target);
    q.generation = g.generation;

    for (std::size_t k = kSurvivors; k < kPopulation; ++k) {
        q.dies[g.order[k] - 1U] = true;
    }

    // The mating asked about: half the time one with a mutation, where there is one.
    const std::uint64_t r = mix(seed);
    std::array<std::size_t, kSurvivors> mutated{};
    std::size_t mutatedCount = 0;
    for (std::size_t m = 0; m < kSurvivors; ++m) {
        if (g.matings[m].mutant != 0) {
            mutated[mutatedCount++] = m;
        }
    }
    q.mating = (r & 1U) != 0 && mutatedCount > 0 ? mutated[(r >> 1U) % mutatedCount]
                                                 : (r >> 1U) % kSurvivors;
    q.choice = g.matings[q.mating];
    q.parentA = g.rankedGenes[q.choice.a - 1U];
    q.parentB = g.rankedGenes[q.choice.b - 1U];
    // The digit table as the mating finds it: the survivors' digits, changed in place by
    // the mutations of the matings before it.
    std::array<DigitRow, kSurvivors> table{};
    for (std::size_t k = 0; k < kSurvivors; ++k) {
        table[k] = splitDigits(g.rankedGenes[k]);
    }
    for (std::size_t m = 0; m < q.mating; ++m) {
        const MatingChoice& c = g.matings[m];
        if (c.mutant != 0) {
            table[c.mutant - 1U][c.digit] += c.up ? 1 : -1;
        }
    }
    q.digitsA = table[q.choice.a - 1U];
    q.digitsB = table[q.choice.b - 1U];
    q.changedEarlier = q.digitsA != splitDigits(q.parentA) || q.digitsB != splitDigits(q.parentB);
    if (q.choice.mutant != 0) {
        table[q.choice.mutant - 1U][q.choice.digit] += q.choice.up ? 1 : -1;
    }
    q.usedA = table[q.choice.a - 1U];
    q.usedB = table[q.choice.b - 1U];
    q.mutant = g.mutants[q.mating];
    q.child = g.genes[kSurvivors + q.mating];

    q.row = kSurvivors + 1 + static_cast<int>(mix(seed ^ 0xF17E55ULL) % kSurvivors);
    q.gene = g.genes[at(q.row)];
    q.digits = splitDigits(q.gene);
    q.katsayilar = ahead.module1().katsayilar;
    q.usler = ahead.module1().usler;
    q.value = g.values[at(q.row)];
    q.fit = g.fitness[at(q.row)];

    q.bestBefore = g.rankedFitness[0];
    q.improves = bestImproved(g);
    q.ahead = g;
    return q;
}

bool bestImproved(const GenerationRecord& g) {
    return *std::min_element(g.fitness.begin(), g.fitness.end()) < g.rankedFitness[0];
}

bool sameAsListed(double a, double b) {
    return CStr(a, ".") == CStr(b, ".");
}

Verdict check(const Question& q, const Answer& answer, const GenerationRecord& shown) {
    Verdict v;
    // The rows as they were listed before the generation, from the ranking's record.
    std::array<double, kPopulation> rowFitness{};
    std::array<double, kPopulation> rowGenes{};
    for (std::size_t k = 0; k < kPopulation; ++k) {
        const std::size_t row = shown.order[k] - 1U;
        rowFitness[row] = shown.rankedFitness[k];
        rowGenes[row] = shown.rankedGenes[k];
        v.died[row] = k >= kSurvivors;
    }
    v.border = shown.rankedFitness[kSurvivors - 1];
    v.tie = shown.rankedFitness[kSurvivors] == v.border;
    for (std::size_t row = 0; row < kPopulation; ++row) {
        v.tied[row] = v.tie && rowFitness[row] == v.border;
    }

    const std::size_t m = q.mating;
    v.mutationLine = shown.matings[m].mutant != 0 ? birthLineOf(shown.matings, m) - 1 : 0;
    v.birthLine = birthLineOf(shown.matings, m);
    v.childRow = q.kind == QuestionKind::Fitness ? q.row : kSurvivors + 1 + static_cast<int>(m);
    v.child = shown.genes[at(v.childRow)];
    v.value = shown.values[at(v.childRow)];
    v.fit = shown.fitness[at(v.childRow)];

    const auto best = std::min_element(shown.fitness.begin(), shown.fitness.end());
    v.bestAfter = *best;
    v.bestRow = static_cast<int>(best - shown.fitness.begin()) + 1;
    v.improved = bestImproved(shown);

    v.asPredicted = sameNumber(shown.generation, q.generation) &&
                    std::equal(rowGenes.begin(), rowGenes.end(), q.genes.begin(), sameNumber);
    switch (q.kind) {
    case QuestionKind::Selection: {
        // Any ten whose fitness is nowhere below an individual left out would be right:
        // among equals the ranking's order of exchanges decides, which nobody is asked.
        double lowestPicked = std::numeric_limits<double>::infinity();
        double highestLeft = -std::numeric_limits<double>::infinity();
        int picked = 0;
        for (std::size_t row = 0; row < kPopulation; ++row) {
            if (answer.rows[row]) {
                ++picked;
                lowestPicked = std::min(lowestPicked, rowFitness[row]);
            } else {
                highestLeft = std::max(highestLeft, rowFitness[row]);
            }
        }
        v.right = picked == kSurvivors && highestLeft <= lowestPicked;
        v.asPredicted = v.asPredicted && v.died == q.dies;
        break;
    }
    case QuestionKind::Mating:
        v.right = sameAsListed(answer.number, v.child);
        v.asPredicted = v.asPredicted && shown.matings[m] == q.choice && v.child == q.child;
        break;
    case QuestionKind::Fitness:
        v.right = sameAsListed(answer.number, v.value) && sameAsListed(answer.second, v.fit);
        v.asPredicted = v.asPredicted && v.child == q.gene;
        break;
    case QuestionKind::Progress:
        v.right = answer.yes == v.improved;
        v.asPredicted = v.asPredicted && v.improved == q.improves;
        break;
    }
    return v;
}

void PredictionState::score(QuestionKind kind, bool right) {
    Tally& t = tallies[static_cast<std::size_t>(kind)];
    ++t.asked;
    if (right) {
        ++t.right;
    }
}

void PredictionState::watch(const GenerationRecord& g) {
    ++watched;
    if (bestImproved(g)) {
        ++improved;
    }
}

void PredictionState::clearScore() {
    tallies = {};
    watched = 0;
    improved = 0;
}

} // namespace ga
