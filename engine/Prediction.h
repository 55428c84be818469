#pragma once

#include "engine/Generation.h"
#include "engine/Model.h"
#include "engine/Run.h"

#include <array>
#include <cstdint>

namespace ga {

// What a prediction question asks about the coming generation.
enum class QuestionKind : std::uint8_t {
    Selection, // which ten individuals die at the ranking
    Mating,    // which child one mating gives, its draws known
    Fitness,   // F and the fitness of one child's gene
    Progress,  // whether the population's best fitness improves
};
inline constexpr std::size_t kQuestionKinds = 4;

// The kind of the question before the generation numbered `generation` (as "Nesil" will
// show it) of a run with this seed: every four generations from the first (numbered 2) ask
// each kind once, in an order drawn from the seed, so that a class sharing a seed gets the
// same questions.
QuestionKind kindInTurn(std::uint32_t runSeed, double generation);
// The seed of that question, from which its details (which mating, which child) are drawn.
std::uint64_t questionSeed(std::uint32_t runSeed, double generation);

// One question about the coming generation, computed on a copy of the run, with the
// answer the copy's generation gave and what an explanation needs. Rows are the
// population as the lists show it before the generation, index k for row k + 1.
struct Question {
    QuestionKind kind = QuestionKind::Selection;
    std::uint64_t seed = 0;
    double generation = 0; // the number the coming generation will carry
    double mutationPercent = 0;
    double target = 0;
    std::array<double, kPopulation> genes{};
    std::array<double, kPopulation> values{};
    std::array<double, kPopulation> fitness{};

    // Selection: the rows that die; where ties at the border allow another choice, the
    // rows whose fitness equals the border's may be swapped among themselves.
    std::array<bool, kPopulation> dies{};

    // Mating: which of the ten matings (0..9), its draws, the parents' genes as the report
    // line names them and their digits as they stand when the mating begins (an earlier
    // mutation in the same generation may have changed them), the mutated parent's gene,
    // and the child.
    std::size_t mating = 0;
    MatingChoice choice;
    double parentA = 0;
    double parentB = 0;
    DigitRow digitsA{};
    DigitRow digitsB{};
    bool changedEarlier = false; // a parent's digits differ from its gene's
    // The digits the child is made from, after this mating's own mutation.
    DigitRow usedA{};
    DigitRow usedB{};
    double mutant = 0;
    double child = 0;

    // Fitness: the list row (11..20) of the child asked about, its gene and digits, the
    // function the run uses, F and the fitness.
    int row = 0;
    double gene = 0;
    DigitRow digits{};
    std::array<double, 6> katsayilar{};
    std::array<double, 6> usler{};
    double value = 0;
    double fit = 0;

    // Progress: the best fitness now, and whether the copy's generation beat it.
    double bestBefore = 0;
    bool improves = false;

    // The whole generation the copy made: what a question asked away from any window (a
    // question bank) is checked and explained against.
    GenerationRecord ahead;
};

// What the learner answered; only the part for the question's kind is read.
struct Answer {
    std::array<bool, kPopulation> rows{}; // Selection: the rows picked to die
    double number = 0;                    // Mating: the child; Fitness: F
    double second = 0;                    // Fitness: the fitness
    bool yes = false;                     // Progress
};

// The right answer as the shown generation gave it, whether the learner's matched, and
// where the window shows it: report lines numbered from 1 within the generation's lines,
// list rows from 1.
struct Verdict {
    bool right = false;
    // The shown generation is the one the question was computed for.
    bool asPredicted = false;
    // Selection.
    std::array<bool, kPopulation> died{};
    std::array<bool, kPopulation> tied{}; // rows at the border any of which could die
    bool tie = false;
    double border = 0; // the fitness of the last survivor
    // Mating and fitness.
    double child = 0;
    double value = 0;
    double fit = 0;
    int mutationLine = 0; // 0 when the mating had no mutation
    int birthLine = 0;
    int childRow = 0;
    // Progress.
    bool improved = false;
    double bestAfter = 0;
    int bestRow = 0;
};

// The question of `kind` about the generation `run` makes next at this mutation percentage
// and target (as the window will read them), computed on a copy: `run` does not change.
Question ask(const Run& run, QuestionKind kind, double mutationPercent, double target,
             std::uint64_t questionSeed);

// Checks an answer against the generation that was then shown.
Verdict check(const Question& question, const Answer& answer, const GenerationRecord& shown);

// Whether a generation lowered the population's best fitness below the best of the
// population it ranked.
bool bestImproved(const GenerationRecord& g);

// Two numbers are the same answer when the lists write them alike (15 significant digits).
bool sameAsListed(double a, double b);
// The same number, or both no number at all: a counter or box a hostile session may fill.
bool sameNumber(double a, double b);

// Right and asked questions of one kind.
struct Tally {
    std::uint32_t right = 0;
    std::uint32_t asked = 0;

    friend bool operator==(const Tally&, const Tally&) = default;
};

// What a session keeps of the prediction mode: whether it is on, the score per kind, and
// how often the best fitness improved in the generations watched in the mode.
struct PredictionState {
    bool on = false;
    std::array<Tally, kQuestionKinds> tallies{};
    std::uint64_t watched = 0;
    std::uint64_t improved = 0;

    // Counts an answered question.
    void score(QuestionKind kind, bool right);
    // Counts a generation shown in the mode.
    void watch(const GenerationRecord& g);
    // "Sıfırla": the score and the counts start again; the mode stays as it is.
    void clearScore();

    friend bool operator==(const PredictionState&, const PredictionState&) = default;
};

} // namespace ga
