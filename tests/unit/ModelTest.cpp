#include "tests/unit/Form1Probe.h"
#include "ui/Digits.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace ga::testing {
namespace {

class ModelTest : public ::testing::Test {
  protected:
    RecordingOps ops;
    Form1 form{ops};
};

// Position 1 takes whatever the other four digits leave, so genes outside the five-digit
// range still split into a leading rest and four digits 0..9.
TEST_F(ModelTest, DigitSplitOfOrdinaryAndStrayGenes) {
    struct Case {
        double gene;
        std::array<double, 5> digits;
    };
    const Case cases[] = {
        {10000, {1, 0, 0, 0, 0}},   {99998, {9, 9, 9, 9, 8}},   {67312, {6, 7, 3, 1, 2}},
        {102345, {10, 2, 3, 4, 5}}, {2345, {0, 2, 3, 4, 5}},    {-7655, {-1, 2, 3, 4, 5}},
        {0, {0, 0, 0, 0, 0}},       {-10000, {-1, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        form.genler[3] = c.gene;
        form.basamaklaraAyir(3);
        for (int j = 1; j <= 5; ++j) {
            EXPECT_EQ(form.basamaklar[3][j], c.digits[j - 1]) << c.gene << " digit " << j;
        }
        EXPECT_EQ(form.basamaklar[3][0], 0) << "column 0 is never written";
    }
}

// The split of whole genes takes a shortcut through integers; it must agree with the
// floating-point divisions and floors everywhere, far beyond the genes a run makes.
TEST(DigitSplit, WholeGenesAgreeWithFloatingPointDivision) {
    const auto reference = [](double g) {
        std::array<double, 6> d{};
        d[1] = std::floor(g / 10000);
        double r = g - d[1] * 10000;
        d[2] = std::floor(r / 1000);
        r = r - d[2] * 1000;
        d[3] = std::floor(r / 100);
        r = r - d[3] * 100;
        d[4] = std::floor(r / 10);
        d[5] = r - d[4] * 10;
        return d;
    };
    std::mt19937_64 rng(42);
    std::vector<double> genes{0,
                              -1,
                              -9999,
                              -10000,
                              -10001,
                              99999,
                              100000,
                              999999999999999,
                              -999999999999999,
                              1e15,
                              -1e15,
                              123456789012345.5,
                              0.5,
                              -0.5};
    for (int i = 0; i < 200000; ++i) {
        const auto bits = static_cast<std::int64_t>(rng() >> static_cast<unsigned>(i % 50 + 14));
        genes.push_back(static_cast<double>(i % 2 == 0 ? bits : -bits));
    }
    for (double g : genes) {
        ASSERT_EQ(splitDigits(g), reference(g)) << std::fixed << g;
    }
}

// F with the default function on the genes whose values are worked out by hand.
TEST_F(ModelTest, DefaultFunctionValues) {
    useDefaultFunction(form);
    const std::array<std::array<double, 2>, 4> cases{{
        {10000, 1},   // 1 + 0 + 0 + 0 + 0
        {99998, 908}, // 729 + 81 + 81 + 9 + 8
        {67312, 277}, // 216 + 49 + 9 + 1 + 2
        {-7655, 21},  // -1 + 4 + 9 + 4 + 5
    }};
    for (const auto& [gene, f] : cases) {
        form.genler[1] = gene;
        form.basamaklaraAyir(1);
        EXPECT_EQ(form.amacFonksiyonu(1), f) << gene;
    }
}

// 0 to the power 0 is 1, so a zero digit with exponent 0 contributes its whole
// coefficient; the terms are weighted by their own coefficient.
TEST_F(ModelTest, ZeroToThePowerZeroIsOne) {
    form.module1.katsayilar = {0, 1, 2, 3, 4, 5};
    form.module1.usler = {0, 0, 0, 0, 0, 0};
    form.genler[1] = 10000;
    form.basamaklaraAyir(1);
    EXPECT_EQ(form.amacFonksiyonu(1), 15);
}

// Powers come from a table of whole digits; it must give exactly what std::pow gives for
// any exponent, follow a change of exponents, and leave non-finite cases to IEEE rules.
TEST_F(ModelTest, PowersMatchStdPowAndFollowExponentChanges) {
    const double exponents[] = {3, 2, 0.5, -1, -2.5, 1.0 / 3, 17, 1e308, -1e-300, 0};
    // Genes whose digits fall outside the table (1e9, -1e6) or are not whole (the last
    // digit of 12345.5) take std::pow directly.
    const double genes[] = {10000, 50000, 90000, 2345, -7655, 123456, 1e9, -1e6, 12345.5};
    for (const int column : {1, 5}) {
        for (double p : exponents) {
            form.module1.katsayilar = {0, 0, 0, 0, 0, 0};
            form.module1.katsayilar[column] = 1;
            form.module1.usler = {0, 1, 1, 1, 1, 1};
            form.module1.usler[column] = p;
            for (double gene : genes) {
                form.genler[1] = gene;
                form.basamaklaraAyir(1);
                const double expected = std::pow(form.basamaklar[1][column], p);
                const double got = form.amacFonksiyonu(1);
                if (std::isnan(expected)) {
                    EXPECT_TRUE(std::isnan(got)) << gene << "^" << p;
                } else {
                    EXPECT_EQ(got, expected) << gene << "^" << p << " in column " << column;
                }
            }
        }
    }
}

// The fitness is the distance to whatever Text1 holds at the call; a value with no
// finite result ranks last instead of poisoning the order.
TEST_F(ModelTest, FitnessReadsTheTargetAtEachCall) {
    ops.setText(Control::Text1, "277");
    EXPECT_EQ(form.uyumHesapla(300), 23);
    EXPECT_EQ(form.uyumHesapla(200), 77);
    ops.setText(Control::Text1, "1,5");
    EXPECT_EQ(form.uyumHesapla(2), 1);
    ops.setText(Control::Text1, "abc");
    EXPECT_EQ(form.uyumHesapla(-4), 4);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(form.uyumHesapla(nan), inf);
    EXPECT_EQ(form.uyumHesapla(-inf), inf);
}

// Zero to a negative power and a negative digit to a fractional power have no finite
// value: the fitness becomes +infinity, never NaN.
TEST_F(ModelTest, UndefinedPowersGiveInfiniteFitness) {
    form.module1.katsayilar = {0, 1, 1, 1, 1, 1};
    form.module1.usler = {0, 0.5, -1, 1, 1, 1};
    place(form, 1, -7655); // (-1)^0.5 is NaN
    EXPECT_EQ(form.uyumlar[1], std::numeric_limits<double>::infinity());
    place(form, 2, 10123); // 0^-1 is +inf
    EXPECT_EQ(form.uyumlar[2], std::numeric_limits<double>::infinity());
    form.module1.usler = {0, 1, 1, 1, 1, 1000};
    form.module1.katsayilar = {0, 1, 1, 1, 1, 0};
    place(form, 3, 10000); // 0 * 0^1000 is 0: an ordinary value
    EXPECT_EQ(form.sonuclar[3], 1);
    place(form, 4, 10009); // 0 * 9^1000 is zero times infinity
    EXPECT_TRUE(std::isnan(form.sonuclar[4]));
    EXPECT_EQ(form.uyumlar[4], std::numeric_limits<double>::infinity());
}

} // namespace
} // namespace ga::testing
