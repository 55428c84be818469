#include "engine/Prediction.h"
#include "form/texts/Messages.h"
#include "form/window/Narration.h"
#include "runtime/Convert.h"
#include "runtime/Random.h"
#include "tests/unit/FormHarness.h"
#include "tests/unit/SameBits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

namespace ga::test {
namespace {

constexpr std::array<QuestionKind, kQuestionKinds> kKinds{
    QuestionKind::Selection, QuestionKind::Mating, QuestionKind::Fitness, QuestionKind::Progress};

// The answer a learner who predicted exactly as the copy did would give.
Answer predictedAnswer(const Question& q) {
    Answer a;
    a.rows = q.dies;
    a.number = q.kind == QuestionKind::Mating ? q.child : q.value;
    a.second = q.fit;
    a.yes = q.improves;
    return a;
}

// The same answer, wrong in one way that a learner could make; nothing where every choice
// of ten would be right (all of equal fitness).
std::optional<Answer> wrongAnswer(const Question& q) {
    Answer a = predictedAnswer(q);
    switch (q.kind) {
    case QuestionKind::Selection: {
        // Spares the fittest of the dying for a survivor with a better (lower) fitness.
        std::size_t dying = kPopulation;
        std::size_t living = kPopulation;
        for (std::size_t k = 0; k < kPopulation; ++k) {
            if (q.dies[k] && (dying == kPopulation || q.fitness[k] < q.fitness[dying])) {
                dying = k;
            }
            if (!q.dies[k] && (living == kPopulation || q.fitness[k] < q.fitness[living])) {
                living = k;
            }
        }
        if (!(q.fitness[living] < q.fitness[dying])) {
            return std::nullopt;
        }
        a.rows[dying] = false;
        a.rows[living] = true;
        break;
    }
    case QuestionKind::Mating:
        a.number = q.child + 1;
        break;
    case QuestionKind::Fitness:
        a.second = std::isfinite(q.fit) ? q.fit * 2 + 1 : 0;
        break;
    case QuestionKind::Progress:
        a.yes = !q.improves;
        break;
    }
    return a;
}

std::vector<double> sorted(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v;
}

struct Setting {
    const char* name;
    RunInputs inputs;
};

// Every kind of question, computed on a copy before each generation, has for its answer
// what the generation then shown did, as the window itself tells it: the genes the report
// names as dead, the birth line and the Bireyler row of the child, the F(x,y,z,k,c) and
// Uyum rows of a child, and the best of the Uyum list. The verdict marks that answer
// right and a slightly wrong one wrong. Asking never touches the run: a run asked every
// kind before every generation makes the same generations, bit for bit, as one never asked.
TEST(PredictionTest, AnswersAreWhatTheShownGenerationDid) {
    const Setting settings[] = {
        {"default", {}},
        {"mutation 100", {"277", "100", {"1", "1", "1", "1", "1"}, {"3", "2", "2", "1", "1"}}},
        {"fractional",
         {"12.75", "20", {"0.25", "-0.5", "1.125", "3", "-2"}, {"2", "1.5", "3", "0", "1"}}},
        {"undefined values",
         {"1000", "60", {"1e308", "1", "-1e308", "1", "1"}, {"1e3", "2", "3", "-1", ".5"}}},
    };
    constexpr int kSeeds = 8;
    constexpr int kGenerations = 40;
    bool sawTie = false;
    bool sawEarlierMutation = false;
    for (const Setting& s : settings) {
        for (int seed = 1; seed <= kSeeds; ++seed) {
            SCOPED_TRACE(::testing::Message() << s.name << ", seed " << seed);
            FormHarness asked;
            FormHarness plain;
            for (FormHarness* h : {&asked, &plain}) {
                h->typeInputs(s.inputs);
                h->form.fixSeed(static_cast<std::uint32_t>(seed));
                h->form.Form_Load();
                h->form.Command1_Click();
                h->form.Command2_Click();
            }
            for (int g = 0; g < kGenerations && asked.form.timerEnabled(); ++g) {
                const ga::Run& run = asked.form.run();
                const Form1::StepInputs in = asked.form.nextStepInputs();
                std::array<Question, kQuestionKinds> questions;
                for (std::size_t k = 0; k < kQuestionKinds; ++k) {
                    questions[k] = ask(run, kKinds[k], in.mutationPercent, in.target,
                                       questionSeed(run.seed(), run.module1().nesilSayisi + 1));
                }
                asked.form.Timer1_Timer();
                plain.form.Timer1_Timer();
                const GenerationRecord& shown = run.record();
                ASSERT_TRUE(sameBits(shown, plain.form.run().record())) << "generation " << g;

                Lines report;
                appendReportLines(shown, report);
                const auto& genes = asked.ops.list(Control::Gen);
                const auto& values = asked.ops.list(Control::Sonuc);
                const auto& fitness = asked.ops.list(Control::uyl);
                for (const Question& q : questions) {
                    SCOPED_TRACE(::testing::Message()
                                 << "generation " << g << ", kind " << static_cast<int>(q.kind));
                    EXPECT_TRUE(sameBits(q.ahead, shown));
                    const Verdict v = check(q, predictedAnswer(q), shown);
                    EXPECT_TRUE(v.right);
                    EXPECT_TRUE(v.asPredicted);
                    if (const auto wrong = wrongAnswer(q)) {
                        EXPECT_FALSE(check(q, *wrong, shown).right);
                    }
                    switch (q.kind) {
                    case QuestionKind::Selection: {
                        std::vector<double> dead;
                        for (std::size_t k = 0; k < kPopulation; ++k) {
                            if (q.dies[k]) {
                                dead.push_back(q.genes[k]);
                            }
                        }
                        std::vector<double> reported;
                        for (std::size_t k = 0; k < kSurvivors; ++k) {
                            reported.push_back(shown.deaths[k].gene);
                            EXPECT_EQ(report[k].rfind(Str(shown.deaths[k].gene), 0), 0U);
                        }
                        EXPECT_EQ(sorted(dead), sorted(reported));
                        sawTie = sawTie || v.tie;
                        break;
                    }
                    case QuestionKind::Mating: {
                        const std::string& birth =
                            report[static_cast<std::size_t>(v.birthLine - 1)];
                        const std::string bornWords = " doğdu.";
                        EXPECT_EQ(birth.rfind(Str(q.parentA), 0), 0U) << birth;
                        EXPECT_NE(birth.find(Str(q.child) + bornWords), std::string::npos) << birth;
                        if (q.choice.mutant != 0) {
                            EXPECT_NE(report[static_cast<std::size_t>(v.mutationLine - 1)].find(
                                          Str(q.mutant)),
                                      std::string::npos);
                        }
                        EXPECT_EQ(genes[static_cast<std::size_t>(v.childRow - 1)],
                                  CStr(q.child, "."));
                        sawEarlierMutation = sawEarlierMutation || q.changedEarlier;
                        break;
                    }
                    case QuestionKind::Fitness: {
                        const auto row = static_cast<std::size_t>(q.row - 1);
                        EXPECT_EQ(genes[row], CStr(q.gene, "."));
                        EXPECT_EQ(values[row], CStr(q.value, "."));
                        EXPECT_EQ(fitness[row], CStr(q.fit, "."));
                        break;
                    }
                    case QuestionKind::Progress: {
                        const std::vector<double>& listed = asked.form.listValues()[2];
                        const double bestAfter = *std::min_element(listed.begin(), listed.end());
                        const double bestBefore =
                            *std::min_element(q.fitness.begin(), q.fitness.end());
                        EXPECT_EQ(q.improves, bestAfter < bestBefore);
                        break;
                    }
                    }
                }
            }
        }
    }
    // The cases that are easy to get wrong did come up.
    EXPECT_TRUE(sawTie);
    EXPECT_TRUE(sawEarlierMutation);
}

// Where equal fitness straddles the border between the survivors and the dead, which of
// the equals die is settled by the ranking's order of exchanges, which nobody is asked
// to know: any ten that leave no one fitter dead count, and the verdict names the tied rows.
TEST(PredictionTest, TiesAtTheBorderAcceptEitherChoice) {
    FormHarness h;
    h.ops.setText(Control::Text1, "277");
    h.ops.setText(Control::Text3, "5");
    h.form.fixSeed(7);
    h.form.Form_Load();
    // Under x^3 + y^2 + z^2 + k + c and target 277: 6000c has fitness 61 - c (nine that
    // survive), 1000c has fitness 276 - c (eight that die), and 50000 has 152, three times:
    // ranked 10th to 12th, one of them survives.
    std::array<double, kPopulation> genes{};
    const std::array<std::size_t, 3> tiedRows{2, 7, 14};
    int low = 0;
    int high = 0;
    for (std::size_t k = 0; k < kPopulation; ++k) {
        if (std::find(tiedRows.begin(), tiedRows.end(), k) != tiedRows.end()) {
            genes[k] = 50000;
        } else {
            // The other even rows take the eight unfit, the odd ones the nine fit.
            genes[k] = k % 2 == 0 ? 10000 + high++ : 60000 + low++;
        }
    }
    h.setGenes(genes);
    const Form1::StepInputs in = h.form.nextStepInputs();
    const Question q = ask(h.form.run(), QuestionKind::Selection, in.mutationPercent, in.target, 1);
    h.form.Timer1_Timer();
    const GenerationRecord& shown = h.form.run().record();

    Answer base;
    for (std::size_t k = 0; k < kPopulation; ++k) {
        base.rows[k] = genes[k] < 20000;
    }
    for (std::size_t spared = 0; spared < tiedRows.size(); ++spared) {
        Answer a = base;
        for (std::size_t t = 0; t < tiedRows.size(); ++t) {
            a.rows[tiedRows[t]] = t != spared;
        }
        const Verdict v = check(q, a, shown);
        EXPECT_TRUE(v.right) << "sparing row " << tiedRows[spared] + 1;
        EXPECT_TRUE(v.tie);
        for (std::size_t k = 0; k < kPopulation; ++k) {
            EXPECT_EQ(v.tied[k], genes[k] == 50000) << k;
        }
    }
    // All three tied and one of the unfit spared: a fitter one would die in its place.
    Answer wrong = base;
    for (std::size_t t : tiedRows) {
        wrong.rows[t] = true;
    }
    wrong.rows[std::find(genes.begin(), genes.end(), 10000.0) - genes.begin()] = false;
    EXPECT_FALSE(check(q, wrong, shown).right);
    // Nine picked is not an answer of ten.
    Answer nine = base;
    nine.rows[tiedRows[0]] = true;
    EXPECT_FALSE(check(q, nine, shown).right);
}

// Questions come in turn: every four generations ask each kind once, in an order that the
// run's seed fixes, so that a class sharing a seed shares the questions and two seeds do
// not share the order.
TEST(PredictionTest, KindsComeInTurnBySeed) {
    const std::uint32_t seeds[] = {0, 1, 42, 4294967295U};
    std::vector<std::vector<QuestionKind>> orders;
    for (std::uint32_t seed : seeds) {
        std::vector<QuestionKind> order;
        for (double generation = 2; generation < 2 + 4 * 8; ++generation) {
            order.push_back(kindInTurn(seed, generation));
            EXPECT_EQ(kindInTurn(seed, generation), order.back());
        }
        // Blocks of four from the first generation after "Hazırla", numbered 2.
        for (std::size_t block = 0; block + 4 <= order.size(); block += 4) {
            std::vector<QuestionKind> kinds(order.begin() + static_cast<std::ptrdiff_t>(block),
                                            order.begin() + static_cast<std::ptrdiff_t>(block + 4));
            std::sort(kinds.begin(), kinds.end());
            EXPECT_EQ(kinds, std::vector<QuestionKind>(kKinds.begin(), kKinds.end()))
                << "seed " << seed << ", block " << block;
        }
        for (const auto& other : orders) {
            EXPECT_NE(order, other) << "seed " << seed;
        }
        orders.push_back(order);
    }
    // A counter far out of range still gives a kind.
    EXPECT_LT(static_cast<std::size_t>(kindInTurn(1, INFINITY)), kQuestionKinds);
    EXPECT_LT(static_cast<std::size_t>(kindInTurn(1, NAN)), kQuestionKinds);
}

} // namespace
} // namespace ga::test
