#include "tests/unit/FormHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace ga::test {
namespace {

class PreparationTest : public ::testing::Test {
  protected:
    FormHarness h;
    RecordingOps& ops = h.ops;
    Form1& form = h.form;

    void press() { form.Command1_Click(); }
    const std::vector<std::string>& list(Control c) const { return ops.list(c); }
};

// The period is 1000 / speed rounded half to even, kept within 1 ms .. one day; speeds
// that are not positive numbers fall back to the recommended speed's 125 ms.
TEST_F(PreparationTest, TimerPeriodFromSpeed) {
    struct Case {
        const char* speed;
        int period;
    };
    const Case cases[] = {
        {"8", 125},       {"3", 333},    {"16", 62},  {"7", 143},           {"1", 1000},
        {"0.01", 100000}, {"2000", 1},   {"4000", 1}, {"1e-300", 86400000}, {"0", 125},
        {"-3", 125},      {"abc", 125},  {"", 125},   {"1e999", 125},       {"-0", 125},
        {"2,5", 500},     {" 1 6 ", 62},
    };
    for (const auto& c : cases) {
        ops.setText(Control::Text4, c.speed);
        press();
        EXPECT_EQ(ops.interval, c.period) << "speed \"" << c.speed << "\"";
    }
}

// Targets outside 0 < t <= 100000 are refused with one message box; the period has
// still changed, and an earlier population (or none), its lists, the status and "Başlat"
// stay.
TEST_F(PreparationTest, RejectedTargetLeavesEverythingButThePeriod) {
    ops.setText(Control::Text1, "0");
    press();
    EXPECT_FALSE(ops.isEnabled(Control::Command2)) << "a refused first Hazırla";
    EXPECT_TRUE(list(Control::Gen).empty());
    EXPECT_EQ(ops.text(Control::status), "Bekliyor...");

    ops.setText(Control::Text1, "277");
    press();
    const auto genes = form.run().population().genler;
    const auto gen = list(Control::Gen);
    ASSERT_EQ(gen.size(), 20U);

    for (const char* target : {"100000.5", "0", "-5", "abc", "", "1e999", "100001"}) {
        ops.messages.clear();
        ops.setText(Control::Text4, "4");
        ops.setText(Control::Text1, target);
        form.Command3_Click();
        press();
        ASSERT_EQ(ops.messages.size(), 1U) << target;
        EXPECT_EQ(ops.messages[0], "Girdiğiniz değer çok büyük veya negatif");
        EXPECT_EQ(ops.interval, 250) << target;
        EXPECT_EQ(form.run().population().genler, genes) << target;
        EXPECT_EQ(list(Control::Gen), gen) << target;
        EXPECT_EQ(list(Control::Sonuc).size(), 20U);
        EXPECT_EQ(list(Control::uyl).size(), 20U);
        EXPECT_EQ(ops.text(Control::status), "Durduruldu...");
        EXPECT_TRUE(ops.isEnabled(Control::Command2));
    }
}

// The edges of the accepted range and a number followed by text are accepted.
TEST_F(PreparationTest, AcceptedTargets) {
    for (const char* target : {"100000", "277abc", "0.001", "1e5"}) {
        FormHarness o;
        o.ops.setText(Control::Text1, target);
        o.form.Command1_Click();
        EXPECT_TRUE(o.ops.messages.empty()) << target;
        EXPECT_EQ(o.ops.list(Control::Gen).size(), 20U) << target;
        EXPECT_TRUE(o.ops.isEnabled(Control::Command2)) << target;
        EXPECT_EQ(o.ops.text(Control::status), "Hazırlandı. Başlatınız...");
        EXPECT_FLOAT_EQ(static_cast<float>(o.ops.chartScale(Control::Picture1).top),
                        static_cast<float>(Val(target)))
            << "the fitness chart's top edge moves to the target";
    }
}

// Rnd 0 and the largest float below 1 give the two ends of the gene range.
TEST_F(PreparationTest, GeneRangeEnds) {
    std::vector<float> script;
    for (int i = 0; i < 10; ++i) {
        script.push_back(0.0F);
        script.push_back(std::nextafter(1.0F, 0.0F));
    }
    h.random.script(script);
    press();
    for (int i = 1; i <= 20; ++i) {
        EXPECT_EQ(form.run().population().genler[i], i % 2 == 1 ? 10000 : 99998) << i;
    }
    EXPECT_EQ(list(Control::Gen)[0], "10000");
    EXPECT_EQ(list(Control::Sonuc)[0], "1");
    EXPECT_EQ(list(Control::uyl)[0], "276");
    EXPECT_EQ(list(Control::Gen)[1], "99998");
    EXPECT_EQ(list(Control::Sonuc)[1], "908");
    EXPECT_EQ(list(Control::uyl)[1], "631");
    EXPECT_EQ(h.random.calls, 20);
}

// Lines are appended, never cleared: two presses leave 40 lines per list while the
// arrays hold only the second population.
TEST_F(PreparationTest, TwoPressesAppendFortyLines) {
    press();
    press();
    EXPECT_EQ(list(Control::Gen).size(), 40U);
    EXPECT_EQ(list(Control::Sonuc).size(), 40U);
    EXPECT_EQ(list(Control::uyl).size(), 40U);
    for (int i = 1; i <= 20; ++i) {
        EXPECT_EQ(list(Control::Gen)[static_cast<std::size_t>(19 + i)],
                  CStr(form.run().population().genler[i], "."));
    }
}

// With the defaults every F is a whole number from 1 to 908 and every fitness |F - 277|;
// the digits, F and fitness of each individual agree with each other.
TEST_F(PreparationTest, PopulationIsConsistent) {
    h.random.seed(12345);
    press();
    const Population& p = form.run().population();
    for (int i = 1; i <= 20; ++i) {
        const double g = p.genler[i];
        EXPECT_GE(g, 10000);
        EXPECT_LE(g, 99998);
        EXPECT_EQ(g, std::floor(g));
        const double f = p.sonuclar[i];
        EXPECT_GE(f, 1);
        EXPECT_LE(f, 908);
        EXPECT_EQ(p.uyumlar[i], std::abs(f - 277));
        const auto n = static_cast<std::size_t>(i - 1);
        EXPECT_EQ(list(Control::Sonuc)[n], CStr(f, "."));
        EXPECT_EQ(list(Control::uyl)[n], CStr(p.uyumlar[i], "."));
    }
}

// Coefficients and exponents are read as numbers: an empty exponent is 0, so its term
// equals its coefficient; fractional values show with the locale's separator.
TEST_F(PreparationTest, CoefficientsAndExponentsAsTyped) {
    FormHarness o{","};
    o.ops.setText(Control::ta, "1.5");
    o.ops.setText(Control::pa, "");
    o.ops.setText(Control::tb, "0");
    o.ops.setText(Control::tc, "0");
    o.ops.setText(Control::td, "0");
    o.ops.setText(Control::te, "0");
    o.ops.setText(Control::Text1, "1");
    o.form.Command1_Click();
    EXPECT_EQ(o.ops.list(Control::Sonuc)[0], "1,5");
    EXPECT_EQ(o.ops.list(Control::uyl)[0], "0,5");
}

} // namespace
} // namespace ga::test
