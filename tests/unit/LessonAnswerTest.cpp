#include "form/lessons/Lesson.h"

#include <gtest/gtest.h>

#include <limits>

#include <optional>
#include <string>
#include <vector>

namespace {

// A learner types numbers as a Turkish keyboard writes them; a slip is no number, not a
// wrong one.
TEST(LessonAnswerTest, ReadsNumbersAsALearnerTypesThem) {
    const struct {
        std::string typed;
        std::optional<double> read;
    } cases[] = {
        {"12", 12},           {" 12 ", 12},
        {"0,5", 0.5},         {"0.5", 0.5},
        {"-3", -3},           {"1e3", 1000},
        {"on", std::nullopt}, {"12x", std::nullopt},
        {"", std::nullopt},   {"1,000.5", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ga::readLearnerNumber(c.typed), c.read) << c.typed;
    }
}

// A pick of rows is right when it is the run's, or differs only between equals; a pick
// with a row twice, a row off the list or one row too many or too few is not.
TEST(LessonAnswerTest, ChecksAPickOfRowsUpToTies) {
    ga::LessonAnswer dying;
    dying.rows = {3, 4};
    for (std::size_t i = 0; i < dying.fitness.size(); ++i) {
        dying.fitness.at(i) = 1;
    }
    dying.fitness.at(2) = 9; // row 3
    dying.fitness.at(3) = 7; // row 4
    dying.fitness.at(6) = 7; // row 7 ties with row 4
    const struct {
        std::vector<int> picked;
        bool right;
    } cases[] = {
        {{3, 4}, true},  {{4, 3}, true},  {{3, 7}, true},   {{3}, false},    {{3, 4, 7}, false},
        {{4, 7}, false}, {{3, 3}, false}, {{3, 21}, false}, {{3, 0}, false}, {{}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ga::checkRows(dying, c.picked), c.right) << ::testing::PrintToString(c.picked);
    }
}

// A number is right within the question's tolerance, and an answer the run could not give
// makes nothing right.
TEST(LessonAnswerTest, ChecksNumbersWithinTheTolerance) {
    ga::LessonQuestion q;
    q.kind = ga::AnswerKind::Number;
    q.tolerance = 0.5;
    ga::LessonAnswer a;
    a.value = 97.5;
    EXPECT_TRUE(ga::checkNumber(q, a, 97.5));
    EXPECT_TRUE(ga::checkNumber(q, a, 98));
    EXPECT_FALSE(ga::checkNumber(q, a, 98.01));
    EXPECT_FALSE(ga::checkNumber(q, a, std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(ga::checkNumber(q, ga::LessonAnswer{}, 97.5));
}

// The explanation names the answer wherever it says "{answer}", in the language asked for.
TEST(LessonAnswerTest, WritesTheAnswerIntoTheExplanation) {
    ga::LessonQuestion q;
    q.kind = ga::AnswerKind::Choice;
    q.choices = {{"evet", "yes"}, {"hayır", "no"}};
    q.explanation = {"Doğru: {answer}. Yani {answer}.", "Right: {answer}."};
    ga::LessonAnswer a;
    a.choice = 1;
    EXPECT_EQ(ga::explanationText(q, a, ga::Language::Turkish), "Doğru: B) hayır. Yani B) hayır.");
    EXPECT_EQ(ga::explanationText(q, a, ga::Language::English), "Right: B) no.");
}

} // namespace
