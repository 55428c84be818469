#include "runtime/Random.h"
#include "tests/unit/FormHarness.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ga::test {
namespace {

// A seed is typed as decimal digits with blanks around at most; anything else, and any
// number beyond 32 bits, is refused rather than read as something the user did not mean.
TEST(SeedTest, OnlyWholeNumbersInRangeAreSeeds) {
    const std::pair<const char*, std::optional<std::uint32_t>> cases[] = {
        {"0", 0U},
        {"1234567", 1234567U},
        {" 42\t", 42U},
        {"4294967295", 4294967295U},
        {"007", 7U},
        {"4294967296", {}},
        {"-1", {}},
        {"+5", {}},
        {"1.5", {}},
        {"1e3", {}},
        {"", {}},
        {"  ", {}},
        {"12 34", {}},
        {"abc", {}},
        {"99999999999999999999", {}},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(parseSeed(text), expected) << '"' << text << '"';
    }
}

// The mapping the README documents, so that another program can reproduce a run: the
// 64-bit Mersenne Twister seeded with the seed, and Rnd the top 24 bits of each output.
TEST(SeedTest, SeedsBecomeTheDocumentedNumbers) {
    Random random;
    random.seed(1234567);
    EXPECT_EQ(random.rnd(), static_cast<float>(18172760479972437302ULL >> 40U) / 16777216.0F);
    EXPECT_EQ(random.rnd(), 0.767049611F);
    FormHarness h;
    h.form.fixSeed(1234567);
    h.form.Form_Load();
    h.form.Command1_Click();
    const std::vector<std::string> first{h.ops.list(Control::Gen).begin(),
                                         h.ops.list(Control::Gen).begin() + 4};
    EXPECT_EQ(first, (std::vector<std::string>{"98662", "79033", "69055", "14752"}));
}

// Everything the window showed, for comparing two runs.
std::vector<std::string> shown(const FormHarness& h) {
    std::vector<std::string> all;
    for (Control c : kPopulationLists) {
        all.insert(all.end(), h.ops.list(c).begin(), h.ops.list(c).end());
    }
    all.insert(all.end(), h.log().begin(), h.log().end());
    for (Control c :
         {Control::nesil, Control::tmut, Control::teni, Control::tenk, Control::status}) {
        all.push_back(h.ops.text(c));
    }
    return all;
}

// Loads, prepares and runs to the automatic stop; returns what the window shows.
std::vector<std::string> runToTheEnd(FormHarness& h) {
    h.form.Command1_Click();
    h.form.Command2_Click();
    while (h.form.timerEnabled() && h.form.run().module1().nesilSayisi < 20000) {
        h.form.Timer1_Timer();
    }
    return shown(h);
}

// Two programs given the same seed, started at different times, make the same run; with
// the seed fixed, "Sıfırla", "Hazırla", "Başlat" replays it in the same program; and a seed
// chosen mid-run applies at once, so the next "Hazırla" draws from it.
TEST(SeedTest, TheSameSeedGivesTheSameRun) {
    constexpr std::uint32_t kSeed = 2; // a run that reaches the target
    FormHarness first;
    first.ops.clock = 100.5F;
    first.form.fixSeed(kSeed);
    first.form.Form_Load();
    FormHarness second;
    second.ops.clock = 86000.25F;
    second.form.fixSeed(kSeed);
    second.form.Form_Load();
    EXPECT_EQ(first.form.run().seed(), kSeed);

    const auto run = runToTheEnd(first);
    EXPECT_EQ(first.ops.text(Control::status), "Sonuca ulaşıldı. Sonuçları kontrol ediniz.");
    EXPECT_EQ(runToTheEnd(second), run);

    second.ops.clock = 5.0F;
    second.form.Command4_Click();
    EXPECT_EQ(second.form.run().seed(), kSeed) << "Sıfırla reseeds with the fixed seed";
    EXPECT_EQ(runToTheEnd(second), run);

    FormHarness third;
    third.form.Form_Load();
    third.form.Command1_Click();
    third.form.useSeed(kSeed);
    EXPECT_EQ(runToTheEnd(third), run);

    // Back to the clock: the next reset takes the clock's seed, and the seed is known.
    second.form.useSeed(std::nullopt);
    second.form.Command4_Click();
    EXPECT_EQ(second.form.run().seed(), clockSeed(5.0F));
    EXPECT_NE(runToTheEnd(second), run);
}

// "Bir nesil ilerlet" is a tick exactly: N steps leave what N ticks leave, the automatic
// stop included; it does nothing before "Hazırla", after "Sıfırla" or while the timer runs.
TEST(SeedTest, SteppingEqualsTicking) {
    FormHarness stepped;
    FormHarness ticked;
    for (FormHarness* h : {&stepped, &ticked}) {
        h->form.fixSeed(7);
        h->form.Form_Load();
    }
    stepped.form.stepOnce();
    EXPECT_EQ(stepped.form.run().module1().nesilSayisi, 1) << "nothing before Hazırla";
    for (FormHarness* h : {&stepped, &ticked}) {
        h->form.Command1_Click();
    }
    ticked.form.Command2_Click();
    while (ticked.form.timerEnabled()) {
        ticked.form.Timer1_Timer();
        stepped.form.stepOnce();
    }
    EXPECT_EQ(shown(stepped), shown(ticked));
    EXPECT_EQ(stepped.ops.beeps, 1);

    stepped.form.Command2_Click();
    const double generation = stepped.form.run().module1().nesilSayisi;
    stepped.form.stepOnce();
    EXPECT_EQ(stepped.form.run().module1().nesilSayisi, generation)
        << "nothing while the timer runs";
    stepped.form.Command4_Click();
    stepped.form.stepOnce();
    EXPECT_EQ(stepped.form.run().module1().nesilSayisi, 1) << "nothing after Sıfırla";
    EXPECT_FALSE(stepped.form.canStep());
}

// The generator's whole state can be kept as text and taken up again exactly; a text that
// is not such a state is refused and changes nothing.
TEST(SeedTest, GeneratorStateRoundTrips) {
    Random a;
    a.seed(2024);
    for (int i = 0; i < 1000; ++i) {
        a.rnd();
    }
    Random b;
    ASSERT_TRUE(b.setState(a.state()));
    for (int i = 0; i < 1000; ++i) {
        ASSERT_EQ(a.rnd(), b.rnd());
    }
    const std::string kept = b.state();
    EXPECT_FALSE(b.setState("12 34"));
    EXPECT_FALSE(b.setState(kept + " x"));
    EXPECT_EQ(b.state(), kept);
}

} // namespace
} // namespace ga::test
