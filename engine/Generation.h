#pragma once

#include "engine/Model.h"
#include "engine/Objective.h"
#include "runtime/Random.h"

#include <array>
#include <cstdint>

namespace ga {

// What one mating decided. Together with the population that entered the generation and
// the target, the ten choices of a generation determine it completely.
struct MatingChoice {
    std::uint8_t a = 0;      // first parent: a survivor's position, 1..10
    std::uint8_t b = 0;      // second parent, 1..10 (may equal a)
    std::uint8_t digit = 0;  // the position 1..5 a mutation changes, drawn in every mating
    std::uint8_t mutant = 0; // the parent that mutates (a or b), 0 when nothing mutates
    bool up = false;         // the digit goes up by one (down otherwise)

    friend bool operator==(const MatingChoice&, const MatingChoice&) = default;
};

// One individual that died at the ranking.
struct Death {
    double gene = 0;
    // Its gene equals a survivor's at position 2, 5 or 7 ("yaşlanarak öldü"); otherwise
    // it was eliminated as weak.
    bool oldAge = false;

    friend bool operator==(const Death&, const Death&) = default;
};

// Everything one generation did, as numbers: what the window narrates, lists, draws and
// shows in its panel is rendered from this, and the history keeps it. Positions are
// 0-based in the arrays here (element k is individual k + 1).
struct GenerationRecord {
    double generation = 0;      // nesilSayisi, as advanced by this generation
    double mutationPercent = 0; // as read for this generation
    double target = 0;          // the target of the re-evaluation
    // order[k] is the position (1..20) that the individual ranked k + 1 held before the
    // ranking; the genes and fitness values in ranked order follow.
    std::array<std::uint8_t, kPopulation> order{};
    std::array<double, kPopulation> rankedGenes{};
    std::array<double, kPopulation> rankedFitness{};
    std::array<Death, kSurvivors> deaths{}; // ranked positions 11..20
    std::array<MatingChoice, kSurvivors> matings{};
    // The mutated parent's gene after the change (mutantGenler), for mutated matings.
    std::array<double, kSurvivors> mutants{};
    // The best and worst record and the mutation count after this generation.
    double bestGene = 0;
    double bestFitness = 0;
    double worstGene = 0;
    double worstFitness = 0;
    double mutations = 0;
    // The new population, evaluated: survivors 1..10 in ranked order, then the children.
    std::array<double, kPopulation> genes{};
    std::array<double, kPopulation> values{};
    std::array<double, kPopulation> fitness{};
    // Position 10 has fitness 0 exactly: ten survivors hit the target, the run stops.
    bool reached = false;

    friend bool operator==(const GenerationRecord&, const GenerationRecord&) = default;
};

// The population "Hazırla" prepared, evaluated against the target.
struct PreparationRecord {
    double target = 0;
    std::array<double, kPopulation> genes{};
    std::array<double, kPopulation> values{};
    std::array<double, kPopulation> fitness{};

    friend bool operator==(const PreparationRecord&, const PreparationRecord&) = default;
};

// The preparation: twenty random genes from 10000 to 99998, split, evaluated against the
// target. The coefficients and exponents are those `m` holds; nothing else of `m` changes.
void prepare(Population& p, const Module1& m, Objective& f, double target, RandomSource& random,
             PreparationRecord& out);

// One generation: the ranking, the culling with the best and worst record, ten matings with
// their mutations, the replacement and the re-evaluation against the target. It draws its
// sixty numbers from `random` and fills `out`.
void generation(Population& p, Module1& m, Objective& f, double mutationPercent, double target,
                RandomSource& random, GenerationRecord& out);

// The same generation from choices made earlier, drawing nothing: what the history uses to
// bring back a generation it kept only as choices.
void replayGeneration(Population& p, Module1& m, Objective& f, double mutationPercent,
                      double target, const std::array<MatingChoice, kSurvivors>& choices,
                      GenerationRecord& out);

// The ranking: positions 1..20 in ascending order of fitness by the exchange procedure that
// compares every position with every position (400 comparisons). Individuals move whole
// (gene, fitness, digits); F stays where it was. order[k] receives the earlier position of
// the individual ranked k + 1.
void rank(Population& p, std::array<std::uint8_t, kPopulation>& order);

} // namespace ga
