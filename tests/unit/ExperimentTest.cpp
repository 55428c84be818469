#include "engine/Experiment.h"
#include "engine/ExperimentSummary.h"
#include "form/texts/Messages.h"
#include "runtime/Convert.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <set>
#include <thread>

namespace ga::test {
namespace {

using E = ExperimentError;

// A range means what a person typing it means: the end is included when a step lands on
// it, decimals do not drift, and a range that goes nowhere or forever is refused before
// anything is made.
TEST(ExperimentTest, ValuesAreReadAsListsAndRanges) {
    const struct {
        const char* text;
        std::vector<double> values;
        ExperimentError error;
    } cases[] = {
        {"1,5,10", {1, 5, 10}, E::None},
        {" 1 , +5,-2.5e1 ", {1, 5, -25}, E::None},
        {"7", {7}, E::None},
        {"0:100:25", {0, 25, 50, 75, 100}, E::None},
        {"0:10:4", {0, 4, 8}, E::None},
        {"10:0:-5", {10, 5, 0}, E::None},
        {"0:1:0.1", {0, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1}, E::None},
        {"0.3:0.3:1", {0.3}, E::None},
        {"-1:1:1", {-1, 0, 1}, E::None},
        {"", {}, E::EmptyValues},
        {"   ", {}, E::EmptyValues},
        {"1,,5", {}, E::BadNumber},
        {"1,5,", {}, E::BadNumber},
        {"0,5x", {}, E::BadNumber},
        {"inf", {}, E::BadNumber},
        {"nan", {}, E::BadNumber},
        {"1e999", {}, E::BadNumber},
        {"0:a:5", {}, E::BadNumber},
        {"0:100", {}, E::BadRange},
        {"0:100:5:1", {}, E::BadRange},
        {"0:100:0", {}, E::ZeroStep},
        {"0:100:-5", {}, E::WrongSignStep},
        {"100:0:5", {}, E::WrongSignStep},
        {"0:1000000:1", {}, E::TooManyRuns},
        {"0:1:1e-300", {}, E::TooManyRuns},
    };
    for (const auto& c : cases) {
        const ValueList got = parseValues(c.text);
        EXPECT_EQ(got.error, c.error) << '"' << c.text << '"';
        EXPECT_EQ(got.values, c.values) << '"' << c.text << '"';
    }
    // The limit applies to lists too, and exactly at the limit is allowed.
    EXPECT_EQ(parseValues("1,2,3", 2).error, E::TooManyRuns);
    EXPECT_EQ(parseValues("0:2:1", 3).values.size(), 3U);
}

// A value reaches a run as text; the run reads it with Val, so the text must read back as
// the very same number, whatever its size.
TEST(ExperimentTest, NumbersReachTheRunUnchanged) {
    for (double v : {0.0, 5.0, 0.1, 37.5, -3.75, 1.0 / 3, 1e-5, 1e20, 1e308, 5e-324, 99999.99}) {
        const std::string text = numberText(v);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(Val(text)), std::bit_cast<std::uint64_t>(v)) << text;
        EXPECT_EQ(parseNumber(text), v) << text;
    }
}

// A box's number from the command line is checked for its form only and reaches the run as
// typed, so that a size the window takes (an infinite coefficient) runs as it would there.
TEST(ExperimentTest, NumbersAsTypedKeepTheirText) {
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {" 2.5 ", "2.5"}, {"-1e999", "-1e999"}, {"+.5", "+.5"},
        {"5.", "5."},     {"1E-3", "1E-3"},     {"", {}},
        {".", {}},        {"1e", {}},           {"1,5", {}},
        {"inf", {}},      {"0x10", {}},         {"--1", {}},
        {"1 2", {}},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(numberAsTyped(text), expected) << '"' << text << '"';
    }
}

// Texts as a person types them into the named boxes (a coefficient or exponent by its place,
// "coefficient2" being y's), over the defaults with the values "5" and 10 runs.
ExperimentTexts typed(std::initializer_list<std::pair<std::string_view, std::string>> boxes) {
    ExperimentTexts t;
    t.values = "5";
    t.runsPerSetting = "10";
    for (const auto& [box, text] : boxes) {
        std::string* field = box == "varied"     ? &t.varied
                             : box == "values"   ? &t.values
                             : box == "method"   ? &t.method
                             : box == "runs"     ? &t.runsPerSetting
                             : box == "limit"    ? &t.generationLimit
                             : box == "seed"     ? &t.baseSeed
                             : box == "threads"  ? &t.threads
                             : box == "target"   ? &t.inputs.target
                             : box == "mutation" ? &t.inputs.mutation
                             : box.starts_with("coefficient")
                                 ? &t.inputs.coefficients.at(box.back() - '1')
                                 : &t.inputs.exponents.at(box.back() - '1');
        *field = text;
    }
    return t;
}

// The window and the command line read settings through this one reading: what would not
// run as the window runs, or is a typing slip, is refused with the reason and the input at
// fault, and the box of the varied setting is not read at all.
TEST(ExperimentTest, SettingsThatCannotRunAreRefused) {
    using F = ExperimentField;
    const struct {
        const char* name;
        ExperimentTexts texts;
        ExperimentError error;
        ExperimentField field;
        std::size_t index;
    } cases[] = {
        {"defaults", typed({}), E::None, F::Values, 0},
        {"unknown setting", typed({{"varied", "speed"}}), E::UnknownSetting, F::Varied, 0},
        {"no values", typed({{"values", " "}}), E::EmptyValues, F::Values, 0},
        {"no runs", typed({{"runs", "0"}}), E::BadRuns, F::Runs, 0},
        {"a million runs", typed({{"values", "1:1000:1"}, {"runs", "1000"}}), E::None, F::Values,
         0},
        {"one run too many", typed({{"values", "0:1000:1"}, {"runs", "1000"}}), E::TooManyRuns,
         F::Values, 0},
        {"limit 0", typed({{"limit", "0"}}), E::BadLimit, F::Limit, 0},
        {"seed too big", typed({{"seed", "4294967296"}}), E::BadSeed, F::Seed, 0},
        {"no threads", typed({{"threads", "0"}}), E::BadThreads, F::Threads, 0},
        {"too many threads", typed({{"threads", "257"}}), E::BadThreads, F::Threads, 0},
        {"target the window refuses", typed({{"target", "0"}}), E::TargetRefused, F::Target, 0},
        {"target with a slip", typed({{"target", "277x"}}), E::TargetRefused, F::Target, 0},
        {"varied target out of range", typed({{"varied", "target"}, {"values", "277, 100001"}}),
         E::TargetRefused, F::Values, 0},
        {"varied target ignores the fixed one",
         typed({{"varied", "target"}, {"target", "-1"}, {"values", "100000"}}), E::None, F::Values,
         0},
        {"fixed mutation with a slip",
         typed({{"varied", "target"}, {"values", "277"}, {"mutation", "x"}}), E::BadMutation,
         F::Mutation, 0},
        {"varied mutation ignores the fixed one", typed({{"mutation", "x"}}), E::None, F::Values,
         0},
        {"hostile function runs as in the window",
         typed({{"coefficient1", "1e308"},
                {"coefficient2", "1e999"},
                {"coefficient3", "-1e308"},
                {"coefficient4", ".5"},
                {"coefficient5", "2"},
                {"exponent1", "400"},
                {"exponent2", "-2"},
                {"exponent3", ".5"},
                {"exponent4", "1e3"},
                {"exponent5", "0"}}),
         E::None, F::Values, 0},
        {"coefficient not a number", typed({{"coefficient2", "abc"}}), E::BadCoefficient,
         F::Coefficient, 1},
        {"exponent left empty", typed({{"exponent4", ""}}), E::BadExponent, F::Exponent, 3},
        {"a method that is no method", typed({{"varied", "method"}, {"values", "ga,annealing"}}),
         E::BadMethod, F::Values, 0},
        {"methods in any order", typed({{"varied", "method"}, {"values", " hill, ga ,random"}}),
         E::None, F::Values, 0},
        {"a fixed method", typed({{"method", "hill"}}), E::None, F::Values, 0},
        {"a fixed method misspelt", typed({{"method", "Hill"}}), E::BadMethod, F::Method, 0},
    };
    for (const auto& c : cases) {
        const ExperimentReading got = readExperiment(c.texts);
        EXPECT_EQ(got.error, c.error) << c.name;
        EXPECT_EQ(got.settings.has_value(), c.error == E::None) << c.name;
        if (got.settings) {
            EXPECT_EQ(check(*got.settings), E::None) << c.name;
        } else {
            EXPECT_EQ(got.field, c.field) << c.name;
            EXPECT_EQ(got.index, c.index) << c.name;
        }
    }
    // What is read is what was typed.
    const ExperimentSettings s = readExperiment(typed({{"varied", "target"},
                                                       {"values", "100, 200"},
                                                       {"mutation", " 7.5 "},
                                                       {"method", "random"},
                                                       {"runs", "3"},
                                                       {"limit", "50"},
                                                       {"seed", "4294967295"},
                                                       {"threads", "2"}}))
                                     .settings.value();
    EXPECT_EQ(s.varied, VariedSetting::Target);
    EXPECT_EQ(s.values, (std::vector<double>{100, 200}));
    EXPECT_EQ(s.inputs.mutation, "7.5");
    EXPECT_EQ(s.method, Method::RandomSearch);
    EXPECT_EQ(s.runsPerSetting, 3U);
    EXPECT_EQ(s.generationLimit, 50U);
    EXPECT_EQ(s.baseSeed, 4294967295U);
    EXPECT_EQ(s.threads, 2U);
    const ExperimentSettings methods =
        readExperiment(typed({{"varied", "method"}, {"values", " hill, ga ,random"}}))
            .settings.value();
    EXPECT_EQ(methods.values, (std::vector<double>{2, 0, 1}));
    EXPECT_EQ(methodFor(methods, 0), Method::HillClimbing);
}

// Every refusal has its own words, so the window never shows an empty message box (their
// English is checked with the translations).
TEST(ExperimentTest, EveryRefusalHasItsOwnText) {
    std::set<std::string_view> seen;
    for (int e = static_cast<int>(E::UnknownSetting); e <= static_cast<int>(E::BadMethod); ++e) {
        const std::string_view text =
            experimentErrorText(static_cast<ExperimentError>(e), Language::Turkish);
        EXPECT_FALSE(text.empty()) << e;
        EXPECT_TRUE(seen.insert(text).second) << "said twice: " << text;
    }
    EXPECT_TRUE(experimentErrorText(E::None, Language::Turkish).empty());
}

// The README gives the derivation so that anyone can compute a run's seed; these are its
// values, and nearby runs of nearby settings never share a seed.
TEST(ExperimentTest, RunSeedsFollowTheDocumentedDerivation) {
    EXPECT_EQ(runSeed(1, 1, 1), 1376578230U);
    EXPECT_EQ(runSeed(1, 1, 2), 2066019564U);
    EXPECT_EQ(runSeed(1, 2, 1), 1569510951U);
    EXPECT_EQ(runSeed(4294967295U, 21, 100), 2235941027U);
    std::set<std::uint32_t> seeds;
    for (std::uint64_t s = 1; s <= 100; ++s) {
        for (std::uint64_t k = 1; k <= 100; ++k) {
            seeds.insert(runSeed(7, s, k));
        }
    }
    EXPECT_EQ(seeds.size(), 10000U);
}

ExperimentSettings sweep(unsigned threads) {
    ExperimentSettings s;
    s.values = {0, 37.5, 100};
    s.runsPerSetting = 12;
    s.generationLimit = 3000;
    s.baseSeed = 99;
    s.threads = threads;
    return s;
}

std::vector<RunResult> runAll(const ExperimentSettings& settings) {
    Experiment e(settings);
    e.start();
    e.wait();
    EXPECT_TRUE(e.finished());
    EXPECT_EQ(e.runsDone(), e.runCount());
    return e.results();
}

bool sameRun(const RunResult& a, const RunResult& b) {
    return std::bit_cast<std::uint64_t>(a.bestGene) == std::bit_cast<std::uint64_t>(b.bestGene) &&
           std::bit_cast<std::uint64_t>(a.bestFitness) ==
               std::bit_cast<std::uint64_t>(b.bestFitness) &&
           a.generations == b.generations && a.seed == b.seed && a.outcome == b.outcome;
}

// Which thread runs which run must not matter: one, two and three threads give the same
// results in the same places, and each is the run its seed makes alone.
TEST(ExperimentTest, ResultsDoNotDependOnTheThreads) {
    const std::vector<RunResult> one = runAll(sweep(1));
    ASSERT_EQ(one.size(), 36U);
    for (unsigned threads : {2U, 3U}) {
        const std::vector<RunResult> many = runAll(sweep(threads));
        ASSERT_EQ(many.size(), one.size());
        for (std::size_t i = 0; i < one.size(); ++i) {
            EXPECT_TRUE(sameRun(one[i], many[i])) << threads << " threads, run " << i;
        }
    }
    const ExperimentSettings s = sweep(1);
    for (std::size_t i : {0U, 13U, 35U}) {
        EXPECT_EQ(one[i].seed, runSeed(99, i / 12 + 1, i % 12 + 1));
        EXPECT_TRUE(sameRun(one[i], runOnce(inputsFor(s, i / 12), one[i].seed, 3000)));
    }
    // At mutation 0 a population that lost a digit can never get it back; at 100 % the
    // target is reached: both kinds of ending are among the results.
    const auto ended = [&one](RunOutcome o) {
        return std::count_if(one.begin(), one.end(),
                             [o](const RunResult& r) { return r.outcome == o; });
    };
    EXPECT_GT(ended(RunOutcome::Reached), 0);
    EXPECT_GT(ended(RunOutcome::Limit), 0);
}

// A cancel stops the run under way and keeps the ones that ended, which are the runs their
// seeds make; nothing else is reported as run. The second setting's target lies beyond the
// function's reach, so its first run could only end by the cancel.
TEST(ExperimentTest, CancelKeepsTheFinishedRuns) {
    ExperimentSettings s;
    s.varied = VariedSetting::Target;
    s.values = {277, 100000};
    s.runsPerSetting = 3;
    s.generationLimit = kMaxGenerationLimit;
    s.threads = 1;
    Experiment e(s);
    e.start();
    // Waits for a condition, not for a time: the first run reaches 277 in a few thousand
    // generations at most.
    while (e.runsDone() == 0) {
        std::this_thread::yield();
    }
    e.cancel();
    e.wait();
    ASSERT_TRUE(e.finished());
    EXPECT_EQ(e.runsDone(), 1U);
    const std::vector<RunResult>& r = e.results();
    EXPECT_EQ(r[0].outcome, RunOutcome::Reached);
    EXPECT_TRUE(sameRun(r[0], runOnce(inputsFor(s, 0), r[0].seed, kMaxGenerationLimit)));
    for (std::size_t i = 1; i < r.size(); ++i) {
        EXPECT_EQ(r[i].outcome, RunOutcome::NotRun) << i;
        EXPECT_EQ(r[i].seed, runSeed(1, i / 3 + 1, i % 3 + 1)) << i;
    }
    const std::vector<SettingSummary> summary = summarize(s, r);
    EXPECT_EQ(summary[0].runs, 1U);
    EXPECT_EQ(summary[0].notRun, 2U);
    EXPECT_EQ(summary[0].reachedPercent, 100.0);
    EXPECT_EQ(summary[1].runs, 0U);
    EXPECT_EQ(summary[1].reachedPercent, std::nullopt);
    EXPECT_EQ(summary[1].generations, std::nullopt);
}

// Quartiles interpolate between the nearest ranks (type 7); the summary counts the runs
// that ended and spreads only the generations of those that reached the target.
TEST(ExperimentTest, SummaryOfASetting) {
    const struct {
        std::vector<double> values;
        Spread spread;
    } cases[] = {
        {{7}, {7, 7, 7, 7, 7, 7}},
        {{4, 1, 3, 2}, {1, 1.75, 2.5, 2.5, 3.25, 4}},
        {{10, 20}, {10, 12.5, 15, 15, 17.5, 20}},
        {{5, 1, 9, 1, 100}, {1, 1, 5, 23.2, 9, 100}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(spreadOf(c.values), c.spread);
    }
    ExperimentSettings s;
    s.values = {1, 2};
    s.runsPerSetting = 4;
    const auto run = [](RunOutcome o, std::uint32_t g) {
        RunResult r;
        r.outcome = o;
        r.generations = g;
        return r;
    };
    const std::vector<RunResult> results{
        run(RunOutcome::Reached, 30),  run(RunOutcome::Limit, 10000), run(RunOutcome::Reached, 10),
        run(RunOutcome::NotRun, 0),    run(RunOutcome::Limit, 10000), run(RunOutcome::Limit, 10000),
        run(RunOutcome::Limit, 10000), run(RunOutcome::Limit, 10000)};
    const std::vector<SettingSummary> summary = summarize(s, results);
    ASSERT_EQ(summary.size(), 2U);
    EXPECT_EQ(summary[0].value, 1);
    EXPECT_EQ(summary[0].runs, 3U);
    EXPECT_EQ(summary[0].notRun, 1U);
    EXPECT_EQ(summary[0].reached, 2U);
    EXPECT_DOUBLE_EQ(*summary[0].reachedPercent, 200.0 / 3);
    EXPECT_EQ(summary[0].generations, (Spread{10, 15, 20, 20, 25, 30}));
    EXPECT_EQ(summary[1].reachedPercent, 0.0);
    EXPECT_EQ(summary[1].generations, std::nullopt);
}

} // namespace
} // namespace ga::test
