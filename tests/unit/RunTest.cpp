#include "engine/Run.h"
#include "engine/Experiment.h"
#include "engine/HistoryReplay.h"
#include "engine/QuietRun.h"
#include "runtime/Convert.h"
#include "runtime/Random.h"
#include "tests/unit/FormHarness.h"
#include "tests/unit/SameBits.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace ga::test {
namespace {

// What the window shows from the report line numbered `from` on: the lists, the panel and
// those report lines.
std::vector<std::string> shownSince(const FormHarness& h, std::uint64_t from) {
    std::vector<std::string> all;
    for (Control c : kPopulationLists) {
        all.insert(all.end(), h.ops.list(c).begin(), h.ops.list(c).end());
    }
    for (std::uint64_t n = from; n < h.log().next(); ++n) {
        all.push_back(*h.log().find(n));
    }
    for (Control c : {Control::nesil, Control::tmut, Control::teni, Control::teni2, Control::tenk,
                      Control::tenk2}) {
        all.push_back(h.ops.text(c));
    }
    return all;
}

// Every way the program makes a run makes the same one, bit for bit, on ordinary and
// hostile settings alike (negative, fractional and huge coefficients and exponents,
// mutation 0 and 100, selection that drives the leading digit far out):
//  - the window's handlers with the clock's seed, ticked by the timer (the live run);
//  - the quiet run of an experiment, given that seed;
//  - a copy of either, stepped one generation ahead, which makes the generation its
//    original then makes and leaves the original untouched;
//  - another window given the seed (as --seed, "Tohum…" mid-run, or fixed and then
//    "Sıfırla"), stepped with "Bir nesil ilerlet", which shows the same lines, report and
//    panel and stops at the same generation with the same beep;
//  - the experiment's row for that seed: the generation, outcome and best record where the
//    live run stopped;
//  - the live run's history, asked in any order, which gives back every generation.
TEST(RunTest, EveryWayOfMakingARunMakesTheSameGenerations) {
    const struct {
        const char* name;
        RunInputs inputs;
    } settings[] = {
        {"default", {}},
        {"mutation 100", {"277", "100", {"1", "1", "1", "1", "1"}, {"3", "2", "2", "1", "1"}}},
        {"mutation 0", {"300", "0", {"1", "1", "1", "1", "1"}, {"3", "2", "2", "1", "1"}}},
        {"hostile",
         {"1000", "37.5", {"-1.5", "2e300", "0.1", "-3", "7"}, {"0.5", "-2", "400", "1.5", "0"}}},
        {"huge",
         {"100000", "60", {"1e308", "1", "-1e308", "1", "1"}, {"1e3", "2", "3", "-1", ".5"}}},
        {"fractional",
         {"12.75", "20", {"0.25", "-0.5", "1.125", "3", "-2"}, {"2", "1.5", "3", "0", "1"}}},
        {"leading digit up",
         {"100000", "100", {"1", "0", "0", "0", "0"}, {"1", "1", "1", "1", "1"}}},
        {"leading digit down",
         {"100000", "100", {"-1", "0", "0", "0", "0"}, {"1", "1", "1", "1", "1"}}},
    };
    constexpr int kGenerations = 400;
    constexpr int kLookAheadEvery = 37;
    for (const auto& s : settings) {
        for (int k = 1; k <= 4; ++k) {
            SCOPED_TRACE(::testing::Message() << s.name << ", clock " << k);
            const RunInputs& in = s.inputs;
            FormHarness live;
            live.typeInputs(in);
            live.ops.clock = static_cast<float>(k) * 1000.25F;
            live.form.Form_Load();
            const std::uint64_t liveFrom = live.log().next();
            live.form.Command1_Click();
            live.form.Command2_Click();
            const std::uint32_t seed = live.form.run().seed();
            ASSERT_EQ(seed, clockSeed(live.ops.clock));

            QuietRun quiet(in, seed);
            ASSERT_TRUE(quiet.prepare());
            ASSERT_TRUE(sameBits(quiet.run().population(), live.form.run().population()));

            FormHarness replay;
            replay.typeInputs(in);
            replay.ops.clock = 5.5F;
            if (k % 3 == 1) {
                replay.form.fixSeed(seed);
            }
            replay.form.Form_Load();
            // A step does nothing before "Hazırla", after "Sıfırla" and while the timer runs;
            // one that drew a number would throw the replay off.
            replay.form.stepOnce();
            if (k % 3 == 2) {
                replay.form.Command1_Click();
                replay.form.useSeed(seed);
            } else if (k % 3 == 0) {
                replay.form.fixSeed(seed);
                replay.form.Command1_Click();
                replay.form.stepOnce();
                replay.form.Command4_Click();
                replay.form.stepOnce();
            }
            const std::uint64_t replayFrom = replay.log().next();
            replay.form.Command1_Click();

            std::vector<GenerationRecord> records;
            for (int g = 0; g < kGenerations && live.form.timerEnabled(); ++g) {
                std::optional<ga::Run> liveAhead;
                std::optional<ga::Run> quietAhead;
                if (g % kLookAheadEvery == 0) {
                    liveAhead = live.form.run();
                    liveAhead->step(Val(in.mutation), Val(in.target));
                    quietAhead = quiet.run();
                    quietAhead->step(Val(in.mutation), Val(in.target));
                }
                live.form.stepOnce();
                live.form.Timer1_Timer();
                quiet.tick();
                replay.form.stepOnce();
                const GenerationRecord& r = live.form.run().record();
                records.push_back(r);
                ASSERT_TRUE(sameBits(quiet.run().record(), r)) << "generation " << g;
                ASSERT_TRUE(sameBits(replay.form.run().record(), r)) << "generation " << g;
                if (liveAhead) {
                    ASSERT_TRUE(sameBits(liveAhead->record(), r)) << g;
                    ASSERT_TRUE(sameBits(quietAhead->record(), quiet.run().record())) << g;
                }
                ASSERT_TRUE(sameBits(quiet.run().population(), live.form.run().population()));
                ASSERT_TRUE(sameBits(quiet.run().module1(), live.form.run().module1()));
                ASSERT_EQ(quiet.run().record().reached, !live.form.timerEnabled());
            }
            EXPECT_EQ(shownSince(replay, replayFrom), shownSince(live, liveFrom));
            EXPECT_EQ(replay.ops.beeps, live.ops.beeps);
            if (!live.form.timerEnabled()) {
                EXPECT_EQ(replay.ops.text(Control::status), live.ops.text(Control::status));
            }

            const Module1& m = live.form.run().module1();
            const auto limit = static_cast<std::uint32_t>(m.nesilSayisi);
            const RunResult row = runMethodOnce(Method::GeneticAlgorithm, in, seed, limit);
            EXPECT_EQ(row.generations, limit);
            EXPECT_EQ(row.outcome == RunOutcome::Reached, !live.form.timerEnabled());
            EXPECT_TRUE(sameBits(row.bestGene, m.enIyiGen));
            EXPECT_TRUE(sameBits(row.bestFitness, m.enIyiUyum));

            const History& history = live.form.run().history();
            ASSERT_EQ(history.size(), records.size() + 1);
            HistoryReplay back;
            // Backwards, so that every seek starts again from a checkpoint.
            for (std::uint64_t i = records.size(); i > 0; i = i > 7 ? i - 7 : 0) {
                ASSERT_TRUE(back.seek(history, i));
                ASSERT_TRUE(sameBits(back.record(), records[i - 1])) << "history " << i;
            }

            if (std::string(s.name) == "default") {
                // It reaches the target on its own: ten survivors at 277, one beep.
                EXPECT_FALSE(live.form.timerEnabled());
                EXPECT_EQ(live.ops.text(Control::status),
                          "Sonuca ulaşıldı. Sonuçları kontrol ediniz.");
                EXPECT_EQ(live.ops.beeps, 1);
                for (int i = 1; i <= 10; ++i) {
                    EXPECT_EQ(live.form.run().population().sonuclar[i], 277);
                }
            }
            if (std::string(s.name) == "leading digit up") {
                EXPECT_GT(live.form.run().population().genler[1], 1e6) << "carried far out";
            }
            if (std::string(s.name) == "leading digit down") {
                EXPECT_LT(live.form.run().population().genler[1], -1e6) << "carried far out";
            }
        }
    }
    // Back to the clock: the next "Sıfırla" takes the clock's seed, and the seed is known.
    FormHarness h;
    h.form.fixSeed(3);
    h.form.Form_Load();
    h.ops.clock = 777.25F;
    h.form.useSeed(std::nullopt);
    h.form.Command4_Click();
    EXPECT_EQ(h.form.run().seed(), clockSeed(777.25F));
}

} // namespace
} // namespace ga::test
