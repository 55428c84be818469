#include "engine/Baselines.h"

#include "engine/Objective.h"
#include "runtime/Convert.h"
#include "runtime/Random.h"

#include <cmath>
#include <cstdint>

namespace ga {

namespace {

constexpr double kGeneCount = 100'000;
constexpr std::uint64_t kPerGeneration = kPopulation;

// The function and target of a run's boxes, read as the quiet run reads them, and one
// slot to evaluate genes in through the run's own objective.
class GeneJudge {
  public:
    explicit GeneJudge(const RunInputs& inputs) : target_(Val(inputs.target)) {
        Module1 m;
        for (int j = 1; j <= 5; ++j) {
            m.katsayilar[j] = Val(inputs.coefficients[static_cast<std::size_t>(j - 1)]);
            m.usler[j] = Val(inputs.exponents[static_cast<std::size_t>(j - 1)]);
        }
        objective_.use(m);
    }

    double fitness(double gene) {
        population_.genler[1] = gene;
        objective_.evaluate(population_, 1, target_);
        return population_.uyumlar[1];
    }

  private:
    double target_;
    Objective objective_;
    Population population_;
};

double randomGene(Random& random) {
    return std::floor(static_cast<double>(random.rnd()) * kGeneCount);
}

void finish(RunResult& result, std::uint64_t evaluations, bool reached) {
    result.outcome = reached ? RunOutcome::Reached : RunOutcome::Limit;
    result.generations =
        static_cast<std::uint32_t>((evaluations + kPerGeneration - 1) / kPerGeneration);
    if (reached) {
        result.evaluations = evaluations;
    }
}

} // namespace

RunResult randomSearchOnce(const RunInputs& inputs, std::uint32_t seed,
                           std::uint32_t generationLimit) {
    RunResult result;
    result.seed = seed;
    GeneJudge judge(inputs);
    Random random;
    random.seed(seed);
    bool seen = false;
    std::uint64_t evaluations = 0;
    for (std::uint32_t g = 0; g < generationLimit; ++g) {
        bool reached = false;
        for (std::uint64_t i = 0; i < kPerGeneration; ++i) {
            const double gene = randomGene(random);
            const double fitness = judge.fitness(gene);
            if (!seen || fitness < result.bestFitness) {
                result.bestGene = gene;
                result.bestFitness = fitness;
                seen = true;
            }
            reached = reached || fitness == 0;
        }
        evaluations += kPerGeneration;
        if (reached) {
            finish(result, evaluations, true);
            return result;
        }
    }
    finish(result, evaluations, false);
    return result;
}

RunResult hillClimbOnce(const RunInputs& inputs, std::uint32_t seed,
                        std::uint32_t generationLimit) {
    RunResult result;
    result.seed = seed;
    GeneJudge judge(inputs);
    Random random;
    random.seed(seed);
    const std::uint64_t budget = std::uint64_t{generationLimit} * kPerGeneration;
    double gene = randomGene(random);
    double fitness = judge.fitness(gene);
    result.bestGene = gene;
    result.bestFitness = fitness;
    std::uint64_t evaluations = 1;
    std::uint32_t stale = 0;
    while (fitness != 0 && evaluations < budget) {
        double tried = 0;
        if (stale >= kHillRestartSteps) {
            tried = randomGene(random);
        } else {
            // Digit 0 is the units, 4 the ten-thousands.
            const auto digit = static_cast<int>(std::floor(static_cast<double>(random.rnd()) * 5));
            const double place = std::pow(10.0, digit);
            const double current = std::fmod(std::floor(gene / place), 10.0);
            double step = random.rnd() < 0.5F ? -1 : 1;
            if (current + step < 0 || current + step > 9) {
                step = -step;
            }
            tried = gene + step * place;
        }
        const double triedFitness = judge.fitness(tried);
        ++evaluations;
        if (triedFitness < result.bestFitness) {
            result.bestGene = tried;
            result.bestFitness = triedFitness;
        }
        if (stale >= kHillRestartSteps) {
            gene = tried;
            fitness = triedFitness;
            stale = 0;
        } else if (triedFitness <= fitness) {
            stale = triedFitness < fitness ? 0 : stale + 1;
            gene = tried;
            fitness = triedFitness;
        } else {
            ++stale;
        }
    }
    finish(result, evaluations, fitness == 0);
    return result;
}

} // namespace ga
