#include "form/experiments/SpreadLayout.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ga::test {
namespace {

SettingSummary setting(double value, std::optional<Spread> g, std::optional<double> percent) {
    SettingSummary s;
    s.value = value;
    s.generations = g;
    s.reachedPercent = percent;
    return s;
}

// The generation axis covers the highest count with its top at a tick, 0 at the bottom;
// the logarithmic one puts 0, 1, 10, ... in even steps above each other.
TEST(SpreadLayoutTest, GenerationAxis) {
    const std::vector<SettingSummary> s{setting(0, Spread{9, 12, 20, 25, 31, 4321}, 50),
                                        setting(5, std::nullopt, 0)};
    const GenerationAxis linear(s, false, 10, 210, 6);
    EXPECT_EQ(linear.ticks().front(), 0);
    EXPECT_GE(linear.ticks().back(), 4321);
    EXPECT_LT(linear.ticks().back() - linear.ticks()[linear.ticks().size() - 2], 4321);
    EXPECT_DOUBLE_EQ(linear.y(0), 210);
    EXPECT_DOUBLE_EQ(linear.y(linear.ticks().back()), 10);
    EXPECT_EQ(linear.label(1000, ","), "1000");

    const GenerationAxis log(s, true, 10, 210, 8);
    EXPECT_EQ(log.ticks(), (std::vector<double>{0, 1, 10, 100, 1000, 10000}));
    EXPECT_DOUBLE_EQ(log.y(0), 210);
    EXPECT_DOUBLE_EQ(log.y(10000), 10);
    EXPECT_LT(log.y(4321), log.y(1000));
    EXPECT_GT(log.y(4321), log.y(10000));

    // Nothing reached the target: an empty axis still has a sensible height.
    const GenerationAxis empty({setting(0, std::nullopt, 0)}, false, 0, 100, 6);
    EXPECT_EQ(empty.ticks().back(), 10);
    EXPECT_DOUBLE_EQ(percentY(100, 10, 210), 10);
    EXPECT_DOUBLE_EQ(percentY(25, 10, 210), 160);
    EXPECT_DOUBLE_EQ(percentY(150, 10, 210), 10);
}

// Each setting has a column while they fit; beyond that neighbours share one, which shows
// their combined extent and no median, and every setting lands in exactly one column.
TEST(SpreadLayoutTest, ColumnsShareWhenTheWidthIsShort) {
    std::vector<SettingSummary> s;
    for (int i = 0; i < 10; ++i) {
        const double d = i;
        s.push_back(setting(d, Spread{10 + d, 20 + d, 30 + d, 31 + d, 40 + d, 50 + d}, 10 * d));
    }
    s[3].generations.reset();
    s[3].reachedPercent.reset();

    const std::vector<BoxColumn> wide = boxColumns(s, 100, 500, 8);
    ASSERT_EQ(wide.size(), 10U);
    EXPECT_DOUBLE_EQ(wide[0].centre, 125);
    EXPECT_DOUBLE_EQ(wide[9].centre, 575);
    EXPECT_FALSE(wide[2].merged);
    EXPECT_EQ(wide[2].generations->median, 32);
    EXPECT_EQ(wide[3].generations, std::nullopt);
    EXPECT_EQ(wide[3].reachedLow, std::nullopt);
    EXPECT_EQ(wide[4].reachedLow, 40);
    EXPECT_EQ(wide[4].reachedHigh, 40);

    const std::vector<BoxColumn> narrow = boxColumns(s, 0, 30, 8);
    ASSERT_EQ(narrow.size(), 3U);
    std::size_t next = 0;
    for (const BoxColumn& c : narrow) {
        EXPECT_EQ(c.first, next);
        next = c.last + 1;
        EXPECT_TRUE(c.merged);
        EXPECT_TRUE(std::isnan(c.generations->median));
    }
    EXPECT_EQ(next, 10U);
    // Settings 0..2 share the first column: their lowest and highest extents.
    EXPECT_EQ(narrow[0].generations->min, 10);
    EXPECT_EQ(narrow[0].generations->lowerQuartile, 20);
    EXPECT_EQ(narrow[0].generations->upperQuartile, 42);
    EXPECT_EQ(narrow[0].generations->max, 52);
    EXPECT_EQ(narrow[0].reachedLow, 0);
    EXPECT_EQ(narrow[0].reachedHigh, 20);

    EXPECT_TRUE(boxColumns({}, 0, 100, 8).empty());
    EXPECT_TRUE(boxColumns(s, 0, 0, 8).empty());
    EXPECT_EQ(boxColumns(s, 0, 3, 8).size(), 1U);
}

TEST(SpreadLayoutTest, LabelsDoNotTouch) {
    const struct {
        double column, label;
        std::size_t stride;
    } cases[] = {{30, 20, 1}, {10, 20, 2}, {10, 21, 3}, {0, 20, 1}};
    for (const auto& c : cases) {
        EXPECT_EQ(labelStride(c.column, c.label), c.stride) << c.column << " " << c.label;
    }
    EXPECT_EQ(valueLabel(0.5, ","), "0,5");
    EXPECT_EQ(valueLabel(100, ","), "100");
    const struct {
        double value;
        int decimals;
        const char* label;
    } rounded[] = {{12.26, 1, "12,3"}, {20.0, 2, "20"},      {1.0 / 3, 2, "0,33"},
                   {-0.01, 1, "0"},    {1e7, 0, "10000000"}, {66.666, 1, "66,7"}};
    for (const auto& r : rounded) {
        EXPECT_EQ(roundedLabel(r.value, r.decimals, ","), r.label) << r.value;
    }
}

} // namespace
} // namespace ga::test
