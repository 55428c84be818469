#pragma once

#include "engine/ExperimentSettings.h"
#include "form/texts/Messages.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ga {

// The lesson format this program writes and reads; a file of a later version is refused.
inline constexpr int kLessonFormatVersion = 1;

// A text a learner reads, in both languages.
struct LessonText {
    std::string tr;
    std::string en;

    [[nodiscard]] const std::string& in(Language language) const {
        return language == Language::English ? en : tr;
    }
};

// What one button types into the main window's boxes. A seed is fixed as "Tohum…" fixes it
// and is followed by "Sıfırla", so the run that follows is the lesson's; without a seed
// only the boxes given change, as a person would change them mid-run.
struct LessonSetUp {
    std::optional<std::array<std::string, 5>> coefficients;
    std::optional<std::array<std::string, 5>> exponents;
    std::optional<std::string> target;
    std::optional<std::string> mutation;
    std::optional<std::string> speed;
    std::optional<std::uint32_t> seed;
    std::optional<bool> prediction;
};

enum class LessonTaskKind : std::uint8_t {
    Prepare,     // "Hazırla"
    Step,        // N generations with "Bir nesil ilerlet" ("Hazırla" first if nothing is prepared)
    Run,         // "Başlat" until the run stops itself or "Nesil" reaches the limit
    History,     // the history at a generation, optionally an individual's family tree
    Experiment,  // the experiment window with a plan, started
    SearchSpace, // the search space window
};

struct LessonTask {
    LessonTaskKind kind = LessonTaskKind::Prepare;
    // Step: how many generations; Run: the generation ("Nesil") at which it stops at the
    // latest.
    std::uint32_t generations = 0;
    // History: the generation as "Nesil" showed it, and the listed position (1..20) whose
    // family tree opens, or 0.
    double generation = 0;
    int individual = 0;
    // Experiment: the plan typed into the experiment window; the function, target and
    // mutation come from the main window's boxes.
    VariedSetting varied = VariedSetting::Mutation;
    std::string values;
    std::uint32_t runs = 20;
    std::uint32_t limit = 2000;
    std::uint32_t seed = 1;
};

enum class AnswerKind : std::uint8_t { Choice, Number, Rows };

// What the run shows that an answer may be: the program computes it from the lesson's
// run, so the answer is always the board's.
enum class Quantity : std::uint8_t {
    None,
    Generation,            // "Nesil"
    BestFitness,           // the results panel's best fitness
    BestGene,              // the results panel's best gene
    Mutations,             // "Toplam mutasyon"
    DistinctGenes,         // different genes among the listed twenty
    AtTarget,              // listed individuals at fitness 0
    OldAgeDeaths,          // deaths "yaşlanarak öldü" in the generation that made the list
    TargetGenes,           // five-digit genes at the target (the search space)
    ExhaustiveEvaluations, // an exhaustive search's evaluations until the target
    MedianGenerations,     // an experiment setting's median generations to the target
    ReachedPercent,        // an experiment setting's share of runs at the target
    MedianEvaluations,     // an experiment setting's median evaluations to the target
    FastestSetting,        // the setting value with the fewest median generations
    FewestEvaluations,     // the setting value with the fewest median evaluations
};

// Which rows of the listed population a learner picks.
enum class RowSet : std::uint8_t {
    Dying,    // the ten that die in the next generation
    AtTarget, // those at fitness 0
    Best,     // those at the lowest fitness
};

struct LessonQuestion {
    AnswerKind kind = AnswerKind::Choice;
    LessonText prompt;
    std::vector<LessonText> choices;
    // Choice: the right choice stated (from 0), or, with a quantity, the choice whose value
    // equals it.
    std::optional<int> choice;
    std::vector<double> choiceValues;
    // Number: a value stated, or a quantity.
    std::optional<double> value;
    double tolerance = 0;
    Quantity quantity = Quantity::None;
    // Population quantities: the generation ("Nesil") they are read at, else the current
    // one. Experiment quantities: the setting value.
    std::optional<double> at;
    RowSet rows = RowSet::Dying;
    // Shown after answering; "{answer}" stands for the right answer.
    LessonText explanation;
};

struct LessonStep {
    LessonText title;
    LessonText text;
    std::optional<LessonSetUp> setUp;
    std::optional<LessonTask> task;
    std::optional<LessonQuestion> question;
};

struct Lesson {
    LessonText title;
    LessonText goal;
    int minutes = 30;
    // What the teacher says at the end.
    LessonText closing;
    std::vector<LessonStep> steps;
};

// Quantities that need the lesson's run to have been prepared, and those of an experiment.
bool needsPopulation(Quantity q);
bool needsExperiment(Quantity q);
// Whether a question's answer is computed from the run, or a task changes or reads it.
bool dependsOnRun(const LessonQuestion& q);

// The right answer to a question, from the lesson's run (see LessonRun).
struct LessonAnswer {
    // Choice: the right choice, or nothing when no single choice matches the quantity.
    std::optional<int> choice;
    // Number; and the value a quantity took for a choice question.
    std::optional<double> value;
    // Rows: the listed positions (1..20) and the fitness of each listed row.
    std::vector<int> rows;
    std::array<double, 20> fitness{};
};

// Whether a learner's answer is right. A number is right within the question's tolerance; a
// pick of rows is right when it is the answer's rows or one that ties with them fitness for
// fitness (who of two equals dies is not for a learner to know).
bool checkChoice(const LessonAnswer& answer, int picked);
bool checkNumber(const LessonQuestion& q, const LessonAnswer& answer, double typed);
bool checkRows(const LessonAnswer& answer, const std::vector<int>& picked);

// The answer as the explanation and the teacher's copy write it: a number, the choice's
// letter and text, or the positions.
std::string answerText(const LessonQuestion& q, const LessonAnswer& answer, Language language);

// The explanation with "{answer}" replaced.
std::string explanationText(const LessonQuestion& q, const LessonAnswer& answer, Language language);

// A number read as a learner types it: a point or a comma before the decimals.
std::optional<double> readLearnerNumber(const std::string& typed);

} // namespace ga
