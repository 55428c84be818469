#include "form/window/ChartAxes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace ga::test {
namespace {

// Ticks come on round steps that cover the range, never more than asked, and read
// without rounding noise; odd ranges (flat, reversed, tiny, huge) still get an axis.
TEST(ChartAxesTest, NiceTicksCoverTheRangeOnRoundSteps) {
    struct Case {
        double lo, hi;
        int max;
        double step;
        std::vector<double> values;
    };
    const Case cases[] = {
        {0, 277, 6, 100, {0, 100, 200}},          {0, 1000000, 5, 500000, {0, 500000, 1000000}},
        {3, 17, 8, 2, {4, 6, 8, 10, 12, 14, 16}}, {0.1, 0.37, 4, 0.1, {0.1, 0.2, 0.3}},
        {20, 20, 5, 5, {10, 15, 20, 25, 30}},     {17, 3, 8, 2, {4, 6, 8, 10, 12, 14, 16}},
    };
    for (const Case& c : cases) {
        const AxisTicks t = niceTicks(c.lo, c.hi, c.max);
        EXPECT_DOUBLE_EQ(t.step, c.step) << c.lo << ".." << c.hi;
        ASSERT_EQ(t.values.size(), c.values.size()) << c.lo << ".." << c.hi;
        for (std::size_t k = 0; k < c.values.size(); ++k) {
            EXPECT_NEAR(t.values[k], c.values[k], 1e-12);
        }
    }
    EXPECT_TRUE(niceTicks(0, std::numeric_limits<double>::infinity(), 5).values.empty());
    EXPECT_EQ(tickLabel(0.30000000000000004, 0.1, ","), "0,3");
    EXPECT_EQ(tickLabel(-0.0, 1, "."), "0");
    EXPECT_EQ(tickLabel(250000, 50000, "."), "250000");
    EXPECT_EQ(tickLabel(2e7, 1e7, "."), "2E+07");
}

// The log axis puts 0 at the bottom and tens evenly apart, and thins its powers of ten to
// fit, always reaching the top; an infinite top ends at the largest power of ten.
TEST(ChartAxesTest, LogAxis) {
    EXPECT_EQ(logAxisPosition(0), 0);
    EXPECT_NEAR(logAxisPosition(999), 3, 1e-12);
    EXPECT_EQ(logAxisPosition(-5), 0);
    EXPECT_EQ(logTicks(277, 6), (std::vector<double>{0, 1, 10, 100, 1000}));
    const auto many = logTicks(1e300, 6);
    EXPECT_LE(many.size(), 7U);
    EXPECT_GE(many.back(), 1e300);
    EXPECT_EQ(logTicks(std::numeric_limits<double>::infinity(), 4).back(), 1e308);
}

} // namespace
} // namespace ga::test
