#include "engine/Objective.h"
#include "runtime/Digits.h"
#include "tests/unit/FormHarness.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace ga::test {
namespace {

class ModelTest : public ::testing::Test {
  protected:
    Population pop;
    Module1 m;

    // F of gene g put at position 1.
    double value(double g) {
        pop.genler[1] = g;
        basamaklaraAyir(pop, 1);
        Objective f;
        f.use(m);
        return f.value(pop.basamaklar[1]);
    }
};

// The split is the procedure's divisions and floors: position 1 takes whatever the other
// four digits leave, so genes outside the five-digit range still split into a leading rest
// and four digits 0..9 (102345 is 10, 2, 3, 4, 5 and -7655 is -1, 2, 3, 4, 5). Whole genes
// take a shortcut through integers; it must agree everywhere, far beyond the genes a run
// makes.
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
    EXPECT_EQ(splitDigits(-7655), (std::array<double, 6>{0, -1, 2, 3, 4, 5}));
    EXPECT_EQ(splitDigits(102345), (std::array<double, 6>{0, 10, 2, 3, 4, 5}));
    std::vector<double> genes{0,
                              -1,
                              2345,
                              67312,
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
    useDefaultFunction(m);
    const std::array<std::array<double, 2>, 4> cases{{
        {10000, 1},   // 1 + 0 + 0 + 0 + 0
        {99998, 908}, // 729 + 81 + 81 + 9 + 8
        {67312, 277}, // 216 + 49 + 9 + 1 + 2
        {-7655, 21},  // -1 + 4 + 9 + 4 + 5
    }};
    for (const auto& [gene, f] : cases) {
        EXPECT_EQ(value(gene), f) << gene;
    }
}

// 0 to the power 0 is 1, so a zero digit with exponent 0 contributes its whole
// coefficient; the terms are weighted by their own coefficient.
TEST_F(ModelTest, ZeroToThePowerZeroIsOne) {
    m.katsayilar = {0, 1, 2, 3, 4, 5};
    m.usler = {0, 0, 0, 0, 0, 0};
    EXPECT_EQ(value(10000), 15);
}

// Powers come from a table of whole digits; it must give exactly what std::pow gives for
// any exponent, follow a change of exponents, and leave non-finite cases to IEEE rules,
// whether an individual is evaluated from its gene or from a row of digits.
TEST_F(ModelTest, PowersMatchStdPowAndFollowExponentChanges) {
    const double exponents[] = {3, 2, 0.5, -1, -2.5, 1.0 / 3, 17, 1e308, -1e-300, 0};
    // Genes whose digits fall outside the table (1e9, -1e6) or are not whole (the last
    // digit of 12345.5) take std::pow directly.
    const double genes[] = {10000, 50000, 90000, 2345, -7655, 123456, 1e9, -1e6, 12345.5};
    for (const int column : {1, 5}) {
        for (double p : exponents) {
            m.katsayilar = {0, 0, 0, 0, 0, 0};
            m.katsayilar[column] = 1;
            m.usler = {0, 1, 1, 1, 1, 1};
            m.usler[column] = p;
            for (double gene : genes) {
                const double got = value(gene);
                const double expected = std::pow(pop.basamaklar[1][column], p);
                Objective f;
                f.use(m);
                f.evaluate(pop, 1, 0);
                for (double v : {got, pop.sonuclar[1]}) {
                    if (std::isnan(expected)) {
                        EXPECT_TRUE(std::isnan(v)) << gene << "^" << p;
                    } else {
                        EXPECT_EQ(v, expected) << gene << "^" << p << " in column " << column;
                    }
                }
            }
        }
    }
}

// The fitness is the distance to the target; a value with no finite result (zero to a
// negative power, a negative digit to a fractional one, zero times infinity) ranks last
// instead of poisoning the order.
TEST_F(ModelTest, FitnessIsTheDistanceToTheTarget) {
    EXPECT_EQ(uyumHesapla(300, 277), 23);
    EXPECT_EQ(uyumHesapla(200, 277), 77);
    EXPECT_EQ(uyumHesapla(-4, 0), 4);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(uyumHesapla(nan, 277), inf);
    EXPECT_EQ(uyumHesapla(-inf, 277), inf);
}

} // namespace
} // namespace ga::test
