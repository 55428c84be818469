#include "tests/unit/FormHarness.h"

#include <gtest/gtest.h>

#include <bit>
#include <string>
#include <vector>

namespace ga::test {
namespace {

class RunControlTest : public ::testing::Test {
  protected:
    FormHarness h;
    RecordingOps& ops = h.ops;
    Form1& form = h.form;

    void SetUp() override {
        ops.clock = 4321.5F;
        form.Form_Load();
    }
};

// Loading sets the start-up chart systems from the target, reseeds from the clock and
// gives the run-wide values their start values; nothing else on the window changes.
TEST_F(RunControlTest, LoadSetsStartValues) {
    ASSERT_EQ(h.random.seeds.size(), 1U);
    EXPECT_EQ(h.random.seeds[0], std::bit_cast<std::uint32_t>(4321.5F));
    const auto& s1 = ops.chartScale(Control::Picture1);
    EXPECT_EQ(s1.width, 2000);
    EXPECT_EQ(s1.height, -554);
    EXPECT_EQ(ops.chartScale(Control::Picture2).height, 99999);
    const auto& m = form.run().module1();
    EXPECT_EQ(m.nesilSayisi, 1);
    EXPECT_EQ(m.mutasyonSayisi, 0);
    EXPECT_EQ(m.enKotuGen, 99999);
    EXPECT_EQ(m.enKotuUyum, 0);
    EXPECT_EQ(m.enIyiGen, 0);
    EXPECT_EQ(m.enIyiUyum, 277);
    EXPECT_EQ(m.noktaSayisi, 0);
    RecordingOps fresh;
    EXPECT_EQ(ops.texts, fresh.texts) << "the window keeps its design-time texts";
    EXPECT_EQ(ops.enabled, fresh.enabled);
}

// "Başlat" enables the timer, says so, and sets the running chart systems; pressed twice
// it does the same again. "Durdur" changes the status and stops the timer; before any run
// that is all it does.
TEST_F(RunControlTest, StartAndStop) {
    form.Command3_Click();
    EXPECT_EQ(ops.text(Control::status), "Durduruldu...");
    EXPECT_TRUE(ops.list(Control::Gen).empty());
    for (int press = 0; press < 2; ++press) {
        form.Command2_Click();
        EXPECT_TRUE(ops.isEnabled(Control::Timer1));
        EXPECT_TRUE(form.timerEnabled());
        EXPECT_EQ(ops.text(Control::status), "Başlatıldı. İşlem devam ediyor...");
        EXPECT_EQ(ops.chartScale(Control::Picture1).width, 1200);
        EXPECT_EQ(ops.chartScale(Control::Picture1).height, 277);
        EXPECT_EQ(ops.chartScale(Control::Picture2).height, 99999);
    }
    form.Command3_Click();
    EXPECT_FALSE(ops.isEnabled(Control::Timer1));
    EXPECT_FALSE(form.timerEnabled());
    EXPECT_EQ(ops.text(Control::status), "Durduruldu...");
}

// "Hazırla" while running replaces the population and shows the prepared text, but the
// counters, the record and the chart position carry on.
TEST_F(RunControlTest, PrepareWhileRunning) {
    form.Command1_Click();
    form.Command2_Click();
    form.Timer1_Timer();
    const auto before = form.run().module1();
    const auto genes = form.run().population().genler;
    form.Command1_Click();
    EXPECT_TRUE(ops.isEnabled(Control::Timer1));
    EXPECT_EQ(ops.text(Control::status), "Hazırlandı. Başlatınız...");
    EXPECT_NE(form.run().population().genler, genes);
    EXPECT_EQ(form.run().module1().nesilSayisi, before.nesilSayisi);
    EXPECT_EQ(form.run().module1().noktaSayisi, before.noktaSayisi);
    EXPECT_EQ(form.run().module1().mutasyonSayisi, before.mutasyonSayisi);
    EXPECT_EQ(ops.list(Control::Gen).size(), 40U);
    form.Timer1_Timer();
    EXPECT_EQ(form.run().module1().nesilSayisi, before.nesilSayisi + 1);
    EXPECT_EQ(ops.list(Control::Gen).size(), 20U);
}

// "Sıfırla" mid-run empties the lists and the log, blanks the boxes, whitens the
// squares, returns the charts and values to their start, disables "Başlat" and stops
// the timer; the arrays keep what they hold.
TEST_F(RunControlTest, ResetMidRun) {
    form.Command1_Click();
    form.Command2_Click();
    form.Timer1_Timer();
    form.Timer1_Timer();
    ops.clock = 100.25F;
    ops.setText(Control::Text1, "500");
    form.Command4_Click();

    EXPECT_FALSE(ops.isEnabled(Control::Timer1));
    EXPECT_FALSE(ops.isEnabled(Control::Command2));
    for (Control list : kPopulationLists) {
        EXPECT_TRUE(ops.list(list).empty());
    }
    EXPECT_TRUE(form.log().empty());
    EXPECT_EQ(ops.text(Control::nesil), "1");
    for (Control c :
         {Control::tmut, Control::teni, Control::teni2, Control::tenk, Control::tenk2}) {
        EXPECT_EQ(ops.text(c), " ");
    }
    EXPECT_TRUE(ops.circles.empty()) << "both charts erased";
    for (int item = 0; item <= 1; ++item) {
        for (int p = 1; p <= 5; ++p) {
            EXPECT_EQ(ops.backColor(colourSquare(p, item)), 0xFFFFFFU);
            EXPECT_EQ(ops.squareDigits[static_cast<std::size_t>(colourSquare(p, item))], "");
        }
    }
    EXPECT_EQ(ops.text(Control::status), "Sıfırlandı. Tekrar başlatılma bekleniyor...");
    EXPECT_EQ(h.random.seeds.back(), std::bit_cast<std::uint32_t>(100.25F));
    EXPECT_EQ(form.run().module1().enIyiUyum, 500) << "the target as Text1 reads at the reset";
    EXPECT_EQ(form.run().module1().nesilSayisi, 1);
    EXPECT_EQ(form.run().module1().noktaSayisi, 0);
    EXPECT_EQ(ops.chartScale(Control::Picture1).height, -1000);
    EXPECT_NE(form.run().population().genler[1], 0) << "the arrays are not emptied";
}

// A target typed between "Sıfırla" and the next tick is the start value of the best
// fitness: a ranking that finds nothing below it leaves gene 0 with that value on show.
TEST_F(RunControlTest, NewTargetAfterResetIsTheBestStartValue) {
    ops.setText(Control::Text3, "0");
    ops.setText(Control::Text1, "5");
    form.Command4_Click();
    EXPECT_EQ(form.run().module1().enIyiUyum, 5);
    ops.setText(Control::Text1, "277");
    Module1 m = form.run().module1();
    useDefaultFunction(m);
    std::array<double, 20> genes{};
    genes.fill(55555); // fitness 92, above the start value
    h.setGenes(genes, m);
    form.Timer1_Timer();
    EXPECT_EQ(ops.text(Control::teni), "0");
    EXPECT_EQ(ops.text(Control::teni2), "5");
    EXPECT_EQ(ops.text(Control::tenk), "55555");
    EXPECT_EQ(ops.text(Control::tenk2), "92");
}

// The about box shows one credit line with the program's version; "Çıkış" closes the
// window.
TEST_F(RunControlTest, AboutAndExit) {
    form.hk_Click();
    ASSERT_EQ(ops.messages.size(), 1U);
    EXPECT_NE(ops.messages[0].find("Genetik Algoritma " GA_TEST_VERSION), std::string::npos);
    EXPECT_FALSE(ops.unloaded);
    form.cs_Click();
    EXPECT_TRUE(ops.unloaded);
}

} // namespace
} // namespace ga::test
