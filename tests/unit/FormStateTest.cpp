#include "tests/unit/FormHarness.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
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
