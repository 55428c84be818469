#include "tests/unit/FormHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace ga::test {
namespace {

// A window driven to a point of a run: a clock seed (or a fixed one), a target and a
// mutation percentage typed, then `generations` ticks; a function may be typed mid-run.
struct Driven {
    FormHarness h;

    void load(float clock, const std::string& target, const std::string& mutation) {
        h.ops.clock = clock;
        h.ops.setText(Control::Text1, target);
        h.ops.setText(Control::Text3, mutation);
        h.form.Form_Load();
    }
    void ticks(int n) {
        for (int i = 0; i < n && h.form.timerEnabled(); ++i) {
            h.form.Timer1_Timer();
        }
    }
    // A copy of the window's state, as a file keeps it.
    [[nodiscard]] FormState saved() const { return h.form.capture(); }
};

CheckedState check(FormState s) {
    StateError error = StateError::None;
    HistoryError historyError = HistoryError::None;
    auto checked = checkState(std::move(s), error, historyError);
    EXPECT_EQ(error, StateError::None);
    EXPECT_EQ(historyError, HistoryError::None);
    if (!checked) {
        throw std::runtime_error("state refused");
    }
    return std::move(*checked);
}

// Opening a state over a window that ran replaces everything it showed: the boxes as typed,
// the lists (not appended to), the log, and the charts drawn afresh.
TEST(FormStateTest, OpeningReplacesWhatTheWindowShowed) {
    Driven saved;
    saved.load(10.5F, "100000", "15");
    saved.h.ops.setText(Control::ta, "2,5");
    saved.h.form.Command1_Click();
    saved.h.form.Command2_Click();
    saved.ticks(70); // past the charts' right edge: the oldest circles are not kept
    const FormState state = saved.saved();

    Driven busy;
    busy.load(20.5F, "500", "50");
    busy.h.form.Command1_Click();
    busy.h.form.Command2_Click();
    busy.ticks(10);
    busy.h.form.restore(check(state));
    EXPECT_EQ(busy.h.ops.text(Control::ta), "2,5");
    EXPECT_EQ(busy.h.ops.text(Control::Text3), "15");
    EXPECT_EQ(busy.h.ops.list(Control::Gen), saved.h.ops.list(Control::Gen));
    EXPECT_EQ(busy.h.log().lines(), saved.h.log().lines());
    EXPECT_EQ(busy.h.ops.text(Control::status), "Durduruldu...");
    EXPECT_TRUE(busy.h.ops.isEnabled(Control::Command2));

    // The circles drawn again are exactly those that can still be seen.
    std::size_t kept = 0;
    for (const ChartDrawing& d : state.charts[0].drawings) {
        kept += d.circles.size();
    }
    const auto drawn = std::count_if(busy.h.ops.circles.begin(), busy.h.ops.circles.end(),
                                     [](const auto& c) { return c.picture == Control::Picture1; });
    EXPECT_EQ(static_cast<std::size_t>(drawn), kept);
    EXPECT_LT(kept, 70U * kPopulation);
    EXPECT_GT(kept, 1200U);
}

// A run of any length keeps only the circles within reach of the charts' width, so the
// state a file holds stays small; "Sıfırla" drops them all.
TEST(FormStateTest, KeptCirclesStayBounded) {
    Driven d;
    d.h.ops.recordCircles = false;
    d.load(1.5F, "100000", "5");
    d.h.form.Command1_Click();
    d.h.form.Command2_Click();
    for (int ticks : {100, 1000, 5000}) {
        d.ticks(ticks);
        const FormState s = d.saved();
        for (const ChartState& chart : s.charts) {
            std::size_t circles = 0;
            for (const ChartDrawing& drawing : chart.drawings) {
                circles += drawing.circles.size();
            }
            EXPECT_LE(circles, 1200U + 2 * 14 + 60 + 1) << "after " << ticks << " more";
        }
    }
    d.h.form.Command4_Click();
    for (const ChartState& chart : d.saved().charts) {
        EXPECT_TRUE(chart.drawings.empty());
    }
}

// Every part of a state that does not hold together is refused with its reason, before
// anything could change: a file edited by hand or cut short never half-opens.
TEST(FormStateTest, RefusesStatesThatDoNotHoldTogether) {
    Driven d;
    d.load(7.5F, "100000", "20");
    d.h.form.Command1_Click();
    d.h.form.Command2_Click();
    d.ticks(40);
    const FormState good = d.saved();

    struct Case {
        const char* name;
        std::function<void(FormState&)> spoil;
        StateError error;
    };
    const std::vector<Case> cases{
        {"generator state not one", [](FormState& s) { s.randomState = "1 2 3"; },
         StateError::Generator},
        {"no timer period", [](FormState& s) { s.interval = 0; }, StateError::Interval},
        {"timer period over a day", [](FormState& s) { s.interval = 86'400'001; },
         StateError::Interval},
        {"a box with a line break", [](FormState& s) { s.boxes[0] = "1\n2"; }, StateError::Box},
        {"a box too long", [](FormState& s) { s.boxes[3] = std::string(kMaxBoxBytes + 1, '1'); },
         StateError::Box},
        {"a log line not UTF-8", [](FormState& s) { s.log[1] = "\xC4"; }, StateError::Log},
        {"a log line with an overlong letter", [](FormState& s) { s.log[1] = "\xC0\xAF"; },
         StateError::Log},
        {"too many log lines", [](FormState& s) { s.log.resize(kMaxLogLines + 1); },
         StateError::Log},
        {"too many list lines", [](FormState& s) { s.lists[2].resize(kMaxListLines + 1); },
         StateError::Lists},
        {"a circle at no number",
         [](FormState& s) { s.charts[1].drawings[0].circles[0].y = std::nanf(""); },
         StateError::Chart},
        {"a colour beyond white",
         [](FormState& s) { s.charts[0].drawings[0].circles[0].colour = 0x1000000; },
         StateError::Chart},
        {"an empty drawing", [](FormState& s) { s.charts[0].drawings.emplace_back(); },
         StateError::Chart},
        {"a history cut short", [](FormState& s) { s.history.size -= 1; }, StateError::History},
        {"a gene that is not the history's", [](FormState& s) { s.population.genler[4] += 1; },
         StateError::Population},
        {"a generation count that is not the history's",
         [](FormState& s) { s.module1.nesilSayisi += 1; }, StateError::Population},
        {"a coefficient that is not the history's",
         [](FormState& s) { s.module1.katsayilar[2] = 7; }, StateError::Population},
        {"Başlat usable without a run", [](FormState& s) { s.history = HistoryData{}; },
         StateError::Run},
        {"Başlat not usable during a run", [](FormState& s) { s.startEnabled = false; },
         StateError::Run},
    };
    for (const Case& c : cases) {
        FormState s = good;
        c.spoil(s);
        StateError error = StateError::None;
        HistoryError historyError = HistoryError::None;
        EXPECT_FALSE(checkState(std::move(s), error, historyError)) << c.name;
        EXPECT_EQ(error, c.error) << c.name;
    }
    StateError error = StateError::None;
    HistoryError historyError = HistoryError::None;
    EXPECT_TRUE(checkState(good, error, historyError)) << "the unspoilt state is taken";
}

} // namespace
} // namespace ga::test
