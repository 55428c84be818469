#include "engine/QuestionBank.h"
#include "tests/unit/SameBits.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace ga::test {
namespace {

// The answer the bank states, as a learner who agrees with it would give it.
Answer statedAnswer(const BankQuestion& item) {
    Answer a;
    a.rows = item.verdict.died;
    a.number = item.question.kind == QuestionKind::Mating ? item.verdict.child : item.verdict.value;
    a.second = item.verdict.fit;
    a.yes = item.verdict.improved;
    return a;
}

struct Case {
    const char* name;
    QuestionBankSettings settings;
};

QuestionBankSettings withInputs(const RunInputs& inputs, std::uint32_t seed,
                                std::array<bool, kQuestionKinds> kinds = {true, true, true, true}) {
    QuestionBankSettings s;
    s.inputs = inputs;
    s.count = 80;
    s.baseSeed = seed;
    s.kinds = kinds;
    return s;
}

// Every question of a bank is answered by what its run then does: the window's run with
// the question's seed, prepared and stepped as the bank says, makes exactly the generation
// the question was asked about, and the stated answer is right for it. A selection is
// never asked where a tie at the border would make another choice right too, and the kinds
// asked are the ones chosen, each once in every round.
TEST(QuestionBankTest, EveryStatedAnswerIsWhatTheRunDoes) {
    const Case cases[] = {
        {"default", withInputs({}, 7)},
        {"mutation 100",
         withInputs({"277", "100", {"1", "1", "1", "1", "1"}, {"3", "2", "2", "1", "1"}},
                    4'294'967'295U)},
        {"undefined values",
         withInputs(
             {"1000", "60", {"1e308", "1", "-1e308", "1", "1"}, {"1e3", "2", "3", "-1", ".5"}}, 3)},
        {"fitness and mating only", withInputs({}, 11, {false, true, true, false})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QuestionBank bank = makeQuestionBank(c.settings);
        ASSERT_EQ(bank.error, BankError::None);
        ASSERT_EQ(bank.questions.size(), c.settings.count);
        std::array<int, kQuestionKinds> asked{};
        for (std::size_t i = 0; i < bank.questions.size(); ++i) {
            SCOPED_TRACE(::testing::Message() << "question " << i + 1);
            const BankQuestion& item = bank.questions[i];
            const Question& q = item.question;
            ++asked[static_cast<std::size_t>(q.kind)];
            ASSERT_LE(item.generationsBefore, kMaxGenerationsBefore);

            QuietRun replay(c.settings.inputs, item.runSeed);
            ASSERT_TRUE(replay.prepare());
            for (std::uint32_t g = 0; g < item.generationsBefore; ++g) {
                replay.tick();
                ASSERT_FALSE(replay.run().record().reached) << "asked after the run ended";
            }
            replay.tick();
            const GenerationRecord& shown = replay.run().record();
            EXPECT_TRUE(sameBits(shown, q.ahead));
            const Verdict v = check(q, statedAnswer(item), shown);
            EXPECT_TRUE(v.right);
            EXPECT_TRUE(v.asPredicted);
            if (q.kind == QuestionKind::Selection) {
                EXPECT_FALSE(v.tie);
            }
        }
        for (std::size_t k = 0; k < kQuestionKinds; ++k) {
            if (!c.settings.kinds[k]) {
                EXPECT_EQ(asked[k], 0) << "kind " << k;
            }
        }
        // Each round of the chosen kinds asks each once; a selection that ties everywhere
        // becomes a progress question, which is the only way the counts drift apart.
        if (c.settings.kinds[0]) {
            EXPECT_EQ(asked[0] + asked[3], 2 * asked[1]);
            EXPECT_EQ(asked[1], asked[2]);
        } else {
            EXPECT_EQ(asked[1], asked[2]);
        }
    }
}

// The same settings give the same bank, and a shorter bank is the start of a longer one,
// so a teacher who adds questions keeps the ones already handed out.
TEST(QuestionBankTest, SameSeedSameQuestions) {
    QuestionBankSettings s = withInputs({}, 2026);
    const QuestionBank a = makeQuestionBank(s);
    const QuestionBank b = makeQuestionBank(s);
    s.count = 13;
    const QuestionBank shorter = makeQuestionBank(s);
    s.baseSeed = 2027;
    const QuestionBank other = makeQuestionBank(s);
    ASSERT_EQ(a.questions.size(), b.questions.size());
    for (std::size_t i = 0; i < a.questions.size(); ++i) {
        const BankQuestion& x = a.questions[i];
        for (const BankQuestion* y :
             {&b.questions[i], i < shorter.questions.size() ? &shorter.questions[i] : nullptr}) {
            if (y == nullptr) {
                continue;
            }
            EXPECT_EQ(x.runSeed, y->runSeed);
            EXPECT_EQ(x.generationsBefore, y->generationsBefore);
            EXPECT_EQ(x.question.kind, y->question.kind);
            EXPECT_EQ(x.question.seed, y->question.seed);
            EXPECT_TRUE(sameBits(x.question.ahead, y->question.ahead));
        }
    }
    int sameRuns = 0;
    for (std::size_t i = 0; i < shorter.questions.size(); ++i) {
        sameRuns += static_cast<int>(other.questions[i].runSeed == a.questions[i].runSeed);
    }
    EXPECT_EQ(sameRuns, 0) << "the next base seed repeats runs";
}

// Settings that make no bank are refused whole.
TEST(QuestionBankTest, RefusedSettings) {
    struct Refusal {
        const char* name;
        std::uint32_t count;
        std::array<bool, kQuestionKinds> kinds;
        const char* target;
        BankError error;
    };
    const Refusal refusals[] = {
        {"no question", 0, {true, true, true, true}, "277", BankError::Count},
        {"too many", kMaxBankQuestions + 1, {true, true, true, true}, "277", BankError::Count},
        {"no kind", 5, {false, false, false, false}, "277", BankError::Kinds},
        {"target 0", 5, {true, true, true, true}, "0", BankError::Target},
        {"target beyond", 5, {true, true, true, true}, "100000.5", BankError::Target},
    };
    for (const Refusal& r : refusals) {
        QuestionBankSettings s;
        s.count = r.count;
        s.kinds = r.kinds;
        s.inputs.target = r.target;
        const QuestionBank bank = makeQuestionBank(s);
        EXPECT_EQ(bank.error, r.error) << r.name;
        EXPECT_TRUE(bank.questions.empty()) << r.name;
    }
    QuestionBankSettings most;
    most.count = kMaxBankQuestions;
    most.kinds = {false, false, false, true};
    EXPECT_EQ(makeQuestionBank(most).questions.size(), kMaxBankQuestions);
}

} // namespace
} // namespace ga::test
