#include "tests/unit/Form1Probe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace ga::testing {
namespace {

class RunControlTest : public ::testing::Test {
  protected:
    RecordingOps ops;
    Form1 form{ops};

    void SetUp() override {
        ops.clock = 4321.5F;
        form.Form_Load();
    }

    std::vector<std::string> callsFrom(std::size_t first) const {
        return {ops.calls.begin() + static_cast<std::ptrdiff_t>(first), ops.calls.end()};
    }
};

// Loading sets the start-up chart systems from the target, reseeds from the clock and
// gives the run-wide values their start values; nothing else on the window changes.
TEST_F(RunControlTest, LoadSetsStartValues) {
    const std::vector<std::string> expected{"scale Picture1", "scale Picture2", "randomize"};
    EXPECT_EQ(ops.calls, expected);
    ASSERT_EQ(ops.seeds.size(), 1U);
    EXPECT_EQ(ops.seeds[0], 4321.5F);
    const auto& s1 = ops.chartScale(Control::Picture1);
    EXPECT_EQ(s1.width, 2000);
    EXPECT_EQ(s1.height, -554);
    EXPECT_EQ(ops.chartScale(Control::Picture2).height, 99999);
    const auto& m = form.module1;
    EXPECT_EQ(m.nesilSayisi, 1);
    EXPECT_EQ(m.mutasyonSayisi, 0);
    EXPECT_EQ(m.enKotuGen, 99999);
    EXPECT_EQ(m.enKotuUyum, 0);
    EXPECT_EQ(m.enIyiGen, 0);
    EXPECT_EQ(m.enIyiUyum, 277);
    EXPECT_EQ(m.noktaSayisi, 0);
    EXPECT_FALSE(ops.isEnabled(Control::Command2));
    EXPECT_FALSE(ops.isEnabled(Control::Timer1));
}

// "Başlat" enables the timer, says so, and sets the running chart systems; pressed twice
// it does the same again. "Durdur" changes the status, then stops the timer.
TEST_F(RunControlTest, StartAndStop) {
    ops.calls.clear();
    form.Command2_Click();
    form.Command2_Click();
    const std::vector<std::string> start{"enabled Timer1 1",
                                         "caption status Başlatıldı. İşlem devam ediyor...",
                                         "scale Picture1", "scale Picture2"};
    std::vector<std::string> twice = start;
    twice.insert(twice.end(), start.begin(), start.end());
    EXPECT_EQ(ops.calls, twice);
    EXPECT_EQ(ops.chartScale(Control::Picture1).width, 1200);
    EXPECT_EQ(ops.chartScale(Control::Picture1).height, 277);
    EXPECT_EQ(ops.chartScale(Control::Picture2).height, 99999);

    ops.calls.clear();
    form.Command3_Click();
    const std::vector<std::string> stop{"caption status Durduruldu...", "enabled Timer1 0"};
    EXPECT_EQ(ops.calls, stop);
}

// "Durdur" before any run only changes the status text.
TEST_F(RunControlTest, StopBeforeAnyRun) {
    RecordingOps o;
    Form1 f{o};
    f.Command3_Click();
    EXPECT_EQ(o.text(Control::status), "Durduruldu...");
    EXPECT_FALSE(o.isEnabled(Control::Timer1));
    EXPECT_TRUE(o.list(Control::Gen).empty());
}

// "Durdur" then "Başlat" continues the counters and the chart position.
TEST_F(RunControlTest, StopThenStartContinues) {
    form.Command1_Click();
    form.Command2_Click();
    form.Timer1_Timer();
    form.Command3_Click();
    form.Command2_Click();
    form.Timer1_Timer();
    EXPECT_EQ(form.module1.nesilSayisi, 3);
    EXPECT_EQ(form.module1.noktaSayisi, 40);
    EXPECT_EQ(ops.circles.back().x, 40.0F);
    EXPECT_EQ(ops.text(Control::nesil), " 3");
}

// "Hazırla" while running replaces the population and shows the prepared text, but the
// counters, the record and the chart position carry on.
TEST_F(RunControlTest, PrepareWhileRunning) {
    form.Command1_Click();
    form.Command2_Click();
    form.Timer1_Timer();
    const auto before = form.module1;
    const auto genes = form.genler;
    form.Command1_Click();
    EXPECT_TRUE(ops.isEnabled(Control::Timer1));
    EXPECT_EQ(ops.text(Control::status), "Hazırlandı. Başlatınız...");
    EXPECT_NE(form.genler, genes);
    EXPECT_EQ(form.module1.nesilSayisi, before.nesilSayisi);
    EXPECT_EQ(form.module1.noktaSayisi, before.noktaSayisi);
    EXPECT_EQ(form.module1.mutasyonSayisi, before.mutasyonSayisi);
    EXPECT_EQ(ops.list(Control::Gen).size(), 40U);
    form.Timer1_Timer();
    EXPECT_EQ(form.module1.nesilSayisi, before.nesilSayisi + 1);
    EXPECT_EQ(ops.list(Control::Gen).size(), 20U);
}

// "Sıfırla" mid-run empties the lists and the log, blanks the boxes, whitens the
// squares, returns the charts and values to their start, disables "Başlat" and stops
// the timer, in this order.
TEST_F(RunControlTest, ResetMidRun) {
    form.Command1_Click();
    form.Command2_Click();
    form.Timer1_Timer();
    form.Timer1_Timer();
    ops.clock = 100.25F;
    ops.setText(Control::Text1, "500");
    ops.calls.clear();
    form.Command4_Click();

    std::vector<std::string> expected{
        "enabled Timer1 0", "clear Gen",      "clear Sonuc",     "clear uyl",    "clear List1",
        "text nesil 1",     "text tmut  ",    "text teni  ",     "text teni2  ", "text tenk  ",
        "text tenk2  ",     "scale Picture1", "scale Picture2",  "randomize",    "cls Picture1",
        "refresh Picture1", "cls Picture2",   "refresh Picture2"};
    for (int item = 0; item <= 1; ++item) {
        for (int p = 1; p <= 5; ++p) {
            const std::string square(controlName(colourSquare(p, item)));
            expected.push_back("backColor " + square + " 16777215");
            expected.push_back("digit " + square);
        }
    }
    expected.emplace_back("enabled Command2 0");
    expected.emplace_back("caption status Sıfırlandı. Tekrar başlatılma bekleniyor...");
    EXPECT_EQ(ops.calls, expected);

    EXPECT_EQ(ops.seeds.back(), 100.25F);
    EXPECT_EQ(form.module1.enIyiUyum, 500) << "the target as Text1 reads at the reset";
    EXPECT_EQ(form.module1.nesilSayisi, 1);
    EXPECT_EQ(form.module1.noktaSayisi, 0);
    EXPECT_EQ(ops.chartScale(Control::Picture1).height, -1000);
    EXPECT_TRUE(ops.list(Control::List1).empty());
    EXPECT_NE(form.genler[1], 0) << "the arrays are not emptied";
}

// A target typed between "Sıfırla" and the next tick is the start value of the best
// fitness: a ranking that finds nothing below it leaves gene 0 with that value on show.
TEST_F(RunControlTest, NewTargetAfterResetIsTheBestStartValue) {
    useDefaultFunction(form);
    ops.setText(Control::Text3, "0");
    ops.setText(Control::Text1, "5");
    form.Command4_Click();
    EXPECT_EQ(form.module1.enIyiUyum, 5);
    ops.setText(Control::Text1, "277");
    for (int i = 1; i <= 20; ++i) {
        place(form, i, 55555); // fitness 92, above the start value
    }
    form.Timer1_Timer();
    EXPECT_EQ(ops.text(Control::teni), "0");
    EXPECT_EQ(ops.text(Control::teni2), "5");
    EXPECT_EQ(ops.text(Control::tenk), "55555");
    EXPECT_EQ(ops.text(Control::tenk2), "92");
}

// The about box shows one credit line; "Çıkış" closes the window.
TEST_F(RunControlTest, AboutAndExit) {
    form.hk_Click();
    ASSERT_EQ(ops.messages.size(), 1U);
    EXPECT_NE(ops.messages[0].find("Genetik Algoritma"), std::string::npos);
    EXPECT_FALSE(ops.unloaded);
    form.cs_Click();
    EXPECT_TRUE(ops.unloaded);
}

// A default run, seeded, reaches the target on its own: ten survivors at 277.
TEST_F(RunControlTest, DefaultRunReachesTheTarget) {
    for (float seed : {1.0F, 2.0F, 3.0F}) {
        RecordingOps o;
        o.recordCalls = false;
        o.recordCircles = false;
        o.clock = seed;
        Form1 f{o};
        f.Form_Load();
        f.Command1_Click();
        f.Command2_Click();
        int ticks = 0;
        while (o.isEnabled(Control::Timer1) && ticks < 20000) {
            f.Timer1_Timer();
            ++ticks;
        }
        EXPECT_FALSE(o.isEnabled(Control::Timer1)) << "seed " << seed;
        EXPECT_EQ(o.text(Control::status), "Sonuca ulaşıldı. Sonuçları kontrol ediniz.");
        EXPECT_EQ(o.beeps, 1);
        for (int i = 1; i <= 10; ++i) {
            EXPECT_EQ(f.uyumlar[i], 0);
            EXPECT_EQ(f.sonuclar[i], 277);
        }
    }
}

} // namespace
} // namespace ga::testing
