#include "engine/QuietRun.h"
#include "form/history/FamilyTreeLayout.h"
#include "form/history/HistoryChart.h"
#include "form/history/HistoryReader.h"
#include "tests/unit/RecordedRun.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace ga::test {
namespace {

// The history window shows a generation exactly as the main window did: the same list
// lines, written with the same decimal separator, and the same report lines, for the
// prepared population, across checkpoints and chunks and where the target was infinite or
// no number.
TEST(HistoryViewTest, PagesEqualWhatTheWindowShowed) {
    const RecordedRun run(2 * static_cast<int>(History::kChunkGenerations) + 300, ",");
    HistoryReader reader(",");
    HistoryPage page;
    ASSERT_GT(run.shown.size(), 50U);
    for (const auto& [index, shown] : run.shown) {
        SCOPED_TRACE(::testing::Message() << "index " << index);
        ASSERT_TRUE(reader.open(run.h.form.run().history(), index, page));
        EXPECT_EQ(page.generation, static_cast<double>(index) + 1);
        EXPECT_EQ(std::vector<std::string>(page.genes.begin(), page.genes.end()), shown.genes);
        EXPECT_EQ(std::vector<std::string>(page.values.begin(), page.values.end()), shown.values);
        EXPECT_EQ(std::vector<std::string>(page.fitness.begin(), page.fitness.end()),
                  shown.fitness);
        EXPECT_EQ(std::vector<std::string>(page.report.begin(), page.report.end()), shown.report);
    }
    EXPECT_FALSE(reader.open(run.h.form.run().history(), run.h.form.run().history().size(), page));
}

History quietHistory(int generations, const char* target = "100000") {
    RunInputs inputs;
    inputs.target = target;
    inputs.mutation = "25";
    QuietRun run(inputs, 31);
    run.prepare();
    History history;
    history.start(run.run().preparation(), run.run().module1());
    for (int g = 0; g < generations; ++g) {
        run.tick();
        history.append(run.run().record());
    }
    return history;
}

// The chart's columns cover the run without gap or overlap, one per generation while they
// fit, and each keeps the extremes of the generations it covers.
TEST(HistoryViewTest, ChartColumnsKeepEveryExtreme) {
    const History history = quietHistory(12000);
    const SummaryPyramid& s = history.summaries();
    for (int columns : {1, 7, 300, 12001, 20000}) {
        SCOPED_TRACE(columns);
        const auto cols = chartColumns(s, columns);
        ASSERT_EQ(cols.size(), std::min<std::uint64_t>(s.count(), columns));
        std::uint64_t next = 0;
        SummarySpan all = SummarySpan::of(*s.at(0));
        for (const ChartColumn& c : cols) {
            ASSERT_EQ(c.first, next);
            ASSERT_LT(c.first, c.last);
            SummarySpan own = SummarySpan::of(*s.at(c.first));
            for (std::uint64_t i = c.first; i < c.last; ++i) {
                own.merge(SummarySpan::of(*s.at(i)));
                all.merge(SummarySpan::of(*s.at(i)));
            }
            ASSERT_EQ(c.span, own);
            next = c.last;
        }
        EXPECT_EQ(next, s.count());
        SummarySpan drawn = cols.front().span;
        for (const ChartColumn& c : cols) {
            drawn.merge(c.span);
        }
        EXPECT_EQ(drawn, all);
    }
    EXPECT_TRUE(chartColumns(History().summaries(), 100).empty());
}

ChartColumn column(double best, double mean, double worst) {
    return {0, 1, SummarySpan{best, best, mean, mean, worst, worst, 3, 9}};
}

bool readable(const std::vector<AxisTick>& ticks) {
    for (const AxisTick& t : ticks) {
        if (!std::isfinite(t.position) || t.label.empty() ||
            t.label.find_first_of("in") != std::string::npos) {
            return false;
        }
    }
    return true;
}

// Values land on the plot by the axis chosen: 0 at the bottom, the top tick at the top of
// the finite part, infinite values in their band above it and nowhere else, never a NaN
// or an overflowed position; a click finds the generation drawn there.
TEST(HistoryViewTest, ChartScalePlacesValues) {
    const HistoryChartScale::Frame plot{50, 10, 600, 300};
    struct Case {
        const char* name;
        std::vector<ChartColumn> columns;
        bool logarithmic;
        double topValue; // lands on the top of the finite part
        bool band;
    };
    const Case cases[] = {
        {"linear", {column(0, 120, 277)}, false, 300, false},
        {"logarithmic", {column(0, 120, 277)}, true, 1000, false},
        {"all zero", {column(0, 0, 0)}, false, 1, false},
        {"infinite worst", {column(0, 50, INFINITY)}, false, 50, true},
        {"all infinite", {column(INFINITY, INFINITY, INFINITY)}, true, 1, true},
        {"huge", {column(1e300, 1e307, 1.7e308)}, false, 1.7e308, false},
        {"huge logarithmic", {column(1e300, 1e307, 1.7e308)}, true, 1.7e308, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const HistoryChartScale scale(plot, 1, 1, c.columns, c.logarithmic, ",");
        EXPECT_EQ(scale.hasInfinityBand(), c.band);
        const double bottom = plot.top + plot.height;
        EXPECT_DOUBLE_EQ(scale.y(0), bottom);
        EXPECT_NEAR(scale.y(c.topValue), scale.finiteTop(), 1.0);
        EXPECT_DOUBLE_EQ(scale.finiteTop(),
                         plot.top + (c.band ? HistoryChartScale::kInfinityBand : 0));
        if (c.band) {
            EXPECT_GE(scale.y(INFINITY), plot.top);
            EXPECT_LT(scale.y(INFINITY), scale.finiteTop());
        }
        EXPECT_TRUE(readable(scale.fitnessTicks()));
        EXPECT_GE(scale.fitnessTicks().size(), 2U);
        for (std::size_t k = 1; k < scale.fitnessTicks().size(); ++k) {
            EXPECT_LT(scale.fitnessTicks()[k].position, scale.fitnessTicks()[k - 1].position);
        }
        EXPECT_EQ(scale.yDistinct(20), scale.finiteTop());
    }

    for (const std::uint64_t count :
         {std::uint64_t{1}, std::uint64_t{2}, std::uint64_t{599}, std::uint64_t{1'000'000}}) {
        const HistoryChartScale scale(plot, count, 412, {column(1, 2, 3)}, false, ",");
        for (const std::uint64_t i : {std::uint64_t{0}, count / 2, count - 1}) {
            EXPECT_EQ(scale.indexAt(scale.x(static_cast<double>(i))), i) << count;
        }
        EXPECT_EQ(scale.indexAt(0), 0U);
        EXPECT_EQ(scale.indexAt(1e9), count - 1);
        ASSERT_FALSE(scale.generationTicks().empty()) << count;
        EXPECT_TRUE(readable(scale.generationTicks()));
        for (const AxisTick& t : scale.generationTicks()) {
            EXPECT_GE(t.position, plot.left);
            EXPECT_LE(t.position, plot.left + plot.width);
        }
    }
    const HistoryChartScale decimal(plot, 1, 1, {column(0, 0.5, 1.5)}, false, ",");
    EXPECT_EQ(decimal.fitnessTicks()[1].label.find(','), 1U) << decimal.fitnessTicks()[1].label;
}

// Every individual of a tree has its own place: one column per parent level, distinct rows
// within a column, and a first parent above the second of the same child.
TEST(HistoryViewTest, TreeLayoutGivesEveryoneAPlace) {
    const History history = quietHistory(3000);
    for (const std::uint64_t index : {std::uint64_t{0}, std::uint64_t{40}, std::uint64_t{2999}}) {
        for (int position : {1, 12, 20}) {
            const auto tree = familyTree(history, index, position, 6);
            ASSERT_TRUE(tree.has_value());
            const FamilyTreeLayout layout = layOut(*tree);
            ASSERT_EQ(layout.places.size(), tree->nodes.size());
            std::set<std::pair<int, double>> taken;
            for (std::size_t k = 0; k < tree->nodes.size(); ++k) {
                const TreePlace& p = layout.places[k];
                EXPECT_EQ(p.column, tree->nodes[k].level);
                EXPECT_LT(p.column, layout.columns);
                EXPECT_GE(p.row, 0);
                EXPECT_LE(p.row, layout.rows - 1);
                EXPECT_TRUE(taken.insert({p.column, p.row}).second) << "place taken twice";
            }
        }
    }

    FamilyTree tree;
    tree.nodes = {Ancestor{}, Ancestor{}, Ancestor{}};
    tree.nodes[1].level = 1;
    tree.nodes[2].level = 1;
    tree.links = {{0, 2, 1, {}}, {0, 1, 2, {}}};
    const FamilyTreeLayout layout = layOut(tree);
    EXPECT_EQ(layout.columns, 2);
    EXPECT_EQ(layout.rows, 2);
    EXPECT_LT(layout.places[2].row, layout.places[1].row) << "the first parent above";
    EXPECT_DOUBLE_EQ(layout.places[0].row, 0.5) << "the child centred on its parents";
}

} // namespace
} // namespace ga::test
