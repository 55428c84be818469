#include "engine/Baselines.h"
#include "engine/Experiment.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace ga::test {
namespace {

// F = 10·x + y: the gene's first two digits, so a target picks the genes that start with it
// and the draws of seed 1 can be followed by hand. They begin 0.1339 0.1364 0.4512 0.0210
// 0.3509 0.9114 0.4708 0.0744 0.5698 0.6352 0.0895 0.5562 ..., as genes 13387 13640 45121
// 02102 35089 91135 47075 07442 56984 63523 08945 55617 78965 22163 41866 24977 29186
// 80323 47459 26993 | 28604 ...
RunInputs firstTwoDigits(const char* target) {
    RunInputs in;
    in.target = target;
    in.coefficients = {"10", "1", "0", "0", "0"};
    in.exponents = {"1", "1", "1", "1", "1"};
    return in;
}

// Random search counts by the generation, as the genetic algorithm does: no gene of the
// first twenty starts with 28, the 21st (28604) does. Stopped after one generation it keeps
// the best gene seen, the first of those nearest the target (29186 before 26993).
TEST(BaselinesTest, RandomSearchCountsWholeGenerations) {
    const RunResult found = randomSearchOnce(firstTwoDigits("28"), 1, 100);
    EXPECT_EQ(found.outcome, RunOutcome::Reached);
    EXPECT_EQ(found.evaluations, 40U);
    EXPECT_EQ(found.generations, 2U);
    EXPECT_EQ(found.bestGene, 28604);
    EXPECT_EQ(found.bestFitness, 0);
    EXPECT_EQ(found.seed, 1U);

    const RunResult cut = randomSearchOnce(firstTwoDigits("28"), 1, 1);
    EXPECT_EQ(cut.outcome, RunOutcome::Limit);
    EXPECT_EQ(cut.evaluations, 0U);
    EXPECT_EQ(cut.generations, 1U);
    EXPECT_EQ(cut.bestGene, 29186);
    EXPECT_EQ(cut.bestFitness, 1);
}

// Hill climbing from 13387 (F = 13) towards 12, two draws a step (digit from the units up,
// then down below one half): units down to 13386 and 13385, both as good and kept; the
// ten-thousands down to 03385 (F = 3), worse and dropped; units up to 13386, kept; the
// thousands down to 12386, at the target. Six genes were evaluated.
TEST(BaselinesTest, HillClimbingCountsEveryGeneTried) {
    const RunResult r = hillClimbOnce(firstTwoDigits("12"), 1, 100);
    EXPECT_EQ(r.outcome, RunOutcome::Reached);
    EXPECT_EQ(r.evaluations, 6U);
    EXPECT_EQ(r.generations, 1U);
    EXPECT_EQ(r.bestGene, 12386);
    EXPECT_EQ(r.bestFitness, 0);

    // A target no gene reaches: the climb spends exactly its budget of 20 evaluations a
    // generation, restarts included, and stays within the five-digit genes (a 0 never
    // goes down nor a 9 up), so the best it can find is 99, the highest F.
    const RunResult never = hillClimbOnce(firstTwoDigits("500"), 7, 200);
    EXPECT_EQ(never.outcome, RunOutcome::Limit);
    EXPECT_EQ(never.evaluations, 0U);
    EXPECT_EQ(never.generations, 200U);
    EXPECT_GE(never.bestGene, 99000);
    EXPECT_LE(never.bestGene, 99999);
    EXPECT_EQ(never.bestFitness, 401);
}

// The genetic algorithm's count is 20 for "Hazırla" and 20 a generation up to the first
// population showing a gene at the target, whatever comes after; it is 0 for a run that
// never showed one.
TEST(BaselinesTest, GeneticAlgorithmCountsGenerationsUntilATargetGeneShows) {
    for (const std::uint32_t seed : {1U, 2U, 3U, 4U}) {
        SCOPED_TRACE(seed);
        const RunInputs in = firstTwoDigits("28");
        const RunResult r = runOnce(in, seed, 2000);
        QuietRun quiet(in, seed);
        ASSERT_TRUE(quiet.prepare());
        std::uint64_t expected = 20;
        const auto shows = [&quiet] {
            const Row& u = quiet.run().population().uyumlar;
            return std::find(u.begin() + 1, u.end(), 0.0) != u.end();
        };
        while (!shows() && quiet.run().module1().nesilSayisi < 2000) {
            quiet.tick();
            expected += 20;
        }
        EXPECT_EQ(r.evaluations, shows() ? expected : 0U);
        EXPECT_GT(r.evaluations, 0U);
    }
    const RunResult none = runOnce(firstTwoDigits("500"), 1, 30);
    EXPECT_EQ(none.evaluations, 0U);
    EXPECT_EQ(none.generations, 30U);
}

// A sweep over the methods: seeds derive as for any sweep, and every run is the one its
// method and seed make alone.
TEST(BaselinesTest, ASweepOverTheMethods) {
    ExperimentTexts texts;
    texts.varied = "method";
    texts.values = " hill, ga ,random";
    texts.runsPerSetting = "4";
    texts.generationLimit = "300";
    texts.baseSeed = "5";
    texts.threads = "2";
    texts.inputs = firstTwoDigits("28");
    const ExperimentReading reading = readExperiment(texts);
    ASSERT_TRUE(reading.settings);
    const ExperimentSettings& s = *reading.settings;

    Experiment e(s);
    e.start();
    e.wait();
    ASSERT_EQ(e.runsDone(), 12U);
    for (std::size_t i = 0; i < 12; ++i) {
        SCOPED_TRACE(i);
        const RunResult& r = e.results()[i];
        EXPECT_EQ(r.seed, runSeed(5, i / 4 + 1, i % 4 + 1));
        const RunResult alone = runMethodOnce(methodFor(s, i / 4), texts.inputs, r.seed, 300);
        EXPECT_EQ(r.evaluations, alone.evaluations);
        EXPECT_EQ(r.generations, alone.generations);
        EXPECT_EQ(r.bestGene, alone.bestGene);
        EXPECT_EQ(r.outcome, alone.outcome);
    }
}

} // namespace
} // namespace ga::test
