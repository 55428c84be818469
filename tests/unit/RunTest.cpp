#include "engine/Run.h"
#include "engine/QuietRun.h"
#include "runtime/Convert.h"
#include "runtime/Random.h"
#include "tests/unit/FormHarness.h"
#include "tests/unit/SameBits.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>

namespace ga::test {
namespace {

struct Setting {
    const char* name;
    RunInputs inputs;
};

// The quiet run and the window's own handlers, given the same seed and the same typed
// inputs, go through the same generations bit for bit and stop at the same one, on
// ordinary and hostile settings alike: negative, fractional and huge coefficients and
// exponents, mutation 0 and 100, and selection that drives the leading digit far out.
// A copy of either run, stepped one generation ahead, makes the generation its original
// then makes, and leaves the original's untouched (it still equals the other run's).
TEST(RunTest, QuietRenderedAndCopiedRunsMakeTheSameGenerations) {
    const Setting settings[] = {
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
    for (const Setting& s : settings) {
        for (int k = 1; k <= 10; ++k) {
            SCOPED_TRACE(::testing::Message() << s.name << ", clock " << k);
            FormHarness h;
            const RunInputs& in = s.inputs;
            h.typeInputs(in);
            h.ops.clock = static_cast<float>(k) * 1000.25F;
            h.form.Form_Load();
            h.form.Command1_Click();
            h.form.Command2_Click();

            QuietRun quiet(in, clockSeed(h.ops.clock));
            ASSERT_TRUE(quiet.prepare());
            ASSERT_TRUE(
                sameBits(quiet.run().preparation().values, h.form.run().preparation().values));
            ASSERT_TRUE(sameBits(quiet.run().population(), h.form.run().population()));

            for (int g = 0; g < kGenerations && h.form.timerEnabled(); ++g) {
                constexpr int kLookAheadEvery = 37;
                std::optional<ga::Run> windowAhead;
                std::optional<ga::Run> quietAhead;
                if (g % kLookAheadEvery == 0) {
                    windowAhead = h.form.run();
                    windowAhead->step(Val(in.mutation), Val(in.target));
                    quietAhead = quiet.run();
                    quietAhead->step(Val(in.mutation), Val(in.target));
                }
                h.form.Timer1_Timer();
                quiet.tick();
                ASSERT_TRUE(sameBits(quiet.run().record(), h.form.run().record()))
                    << "generation " << g;
                if (windowAhead) {
                    ASSERT_TRUE(sameBits(windowAhead->record(), h.form.run().record())) << g;
                    ASSERT_TRUE(sameBits(quietAhead->record(), quiet.run().record())) << g;
                }
                ASSERT_TRUE(sameBits(quiet.run().population(), h.form.run().population()))
                    << "generation " << g;
                ASSERT_TRUE(sameBits(quiet.run().module1(), h.form.run().module1()))
                    << "generation " << g;
                ASSERT_EQ(quiet.run().record().reached, !h.form.timerEnabled());
            }
            if (std::string(s.name) == "leading digit up") {
                EXPECT_GT(h.form.run().population().genler[1], 1e6) << "digits carried far out";
            }
            if (std::string(s.name) == "leading digit down") {
                EXPECT_LT(h.form.run().population().genler[1], -1e6) << "digits carried far out";
            }
        }
    }
}

} // namespace
} // namespace ga::test
