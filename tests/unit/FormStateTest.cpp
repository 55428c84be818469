#include "tests/unit/FormHarness.h"
#include "tests/unit/SameBits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace ga::test {
namespace {

constexpr std::size_t at(Control c) {
    return static_cast<std::size_t>(c);
}

// Where a run stands when it is saved.
enum class SavedAt { Loaded, Prepared, Running, Stopped, Reached, AfterReset };

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

// What a person sees and what goes on: every text, list, square, chart system, button and
// the timer, and what the form would save (which holds the arrays, generator and history).
// `b` opened a run that `a` saved while its timer ran: b's status says it stopped.
void expectSameWindow(const Driven& a, const Driven& b, const std::string& what,
                      bool openedStopped = false) {
    SCOPED_TRACE(what);
    EXPECT_EQ(a.h.ops.texts, b.h.ops.texts);
    for (Control list : kPopulationLists) {
        EXPECT_EQ(a.h.ops.list(list), b.h.ops.list(list)) << controlName(list);
    }
    EXPECT_EQ(a.h.log().lines(), b.h.log().lines());
    EXPECT_EQ(a.h.ops.backColors, b.h.ops.backColors);
    EXPECT_EQ(a.h.ops.squareDigits, b.h.ops.squareDigits);
    EXPECT_EQ(a.h.ops.enabled, b.h.ops.enabled);
    EXPECT_EQ(a.h.ops.interval, b.h.ops.interval);
    for (Control p : {Control::Picture1, Control::Picture2}) {
        const ChartScale& s = a.h.ops.chartScale(p);
        const ChartScale& t = b.h.ops.chartScale(p);
        EXPECT_TRUE(sameBits(s.left, t.left) && sameBits(s.top, t.top) &&
                    sameBits(s.width, t.width) && sameBits(s.height, t.height))
            << controlName(p);
    }
    const FormState x = a.saved();
    const FormState y = b.saved();
    EXPECT_TRUE(sameBits(x.population.genler, y.population.genler));
    EXPECT_TRUE(sameBits(x.population.uyumlar, y.population.uyumlar));
    EXPECT_TRUE(sameBits(x.module1.nesilSayisi, y.module1.nesilSayisi));
    EXPECT_TRUE(sameBits(x.module1.noktaSayisi, y.module1.noktaSayisi));
    EXPECT_EQ(x.seed, y.seed);
    EXPECT_EQ(x.fixedSeed, y.fixedSeed);
    EXPECT_EQ(x.randomState, y.randomState);
    if (openedStopped) {
        EXPECT_EQ(x.status, RunStatus::Started);
        EXPECT_EQ(y.status, RunStatus::Stopped);
    } else {
        EXPECT_EQ(x.status, y.status);
    }
    EXPECT_EQ(x.panel, y.panel);
    EXPECT_EQ(x.charts, y.charts);
    EXPECT_EQ(x.history.size, y.history.size);
    EXPECT_EQ(x.history.chunks, y.history.chunks);
}

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

// A run saved at generation N, opened in a fresh window and run M more generations is the
// same run as one left alone for N + M: the same records, lists, log, panel, squares and
// charts, bit for bit. A run saved while the timer ran opens stopped, says "Durduruldu",
// and "Başlat" goes on; one saved stopped or finished goes on with "Başlat" as well.
TEST(FormStateTest, SavedRunGoesOnExactly) {
    struct Case {
        const char* name;
        SavedAt at;
        int before;                       // ticks before saving
        int after;                        // ticks after opening
        std::function<void(Driven&)> mid; // typed while running, before saving
        bool fixedSeed;
    };
    const std::vector<Case> cases{
        {"window just loaded", SavedAt::Loaded, 0, 40, nullptr, false},
        {"prepared, not started", SavedAt::Prepared, 0, 40, nullptr, false},
        {"running past a checkpoint", SavedAt::Running, 300, 120, nullptr, false},
        {"stopped, with a fixed seed", SavedAt::Stopped, 25, 30, nullptr, true},
        // Stopped: "Başlat" takes the target typed since as its chart's new system.
        {"target and mutation typed mid-run", SavedAt::Stopped, 80, 80,
         [](Driven& d) {
             d.h.ops.setText(Control::Text1, "1e999");
             d.h.form.Timer1_Timer();
             d.h.ops.setText(Control::Text1, "500");
             d.h.ops.setText(Control::Text3, "37.5");
         },
         false},
        {"target reached", SavedAt::Reached, 4000, 20, nullptr, false},
        {"after Sıfırla", SavedAt::AfterReset, 30, 20, nullptr, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // The reached case needs a target the run hits.
        const std::string target = c.at == SavedAt::Reached ? "12" : "100000";
        Driven original;
        if (c.fixedSeed) {
            original.h.form.fixSeed(1234567);
        }
        original.load(4321.5F, target, "20");
        if (c.at != SavedAt::Loaded) {
            original.h.form.Command1_Click();
        }
        if (c.at != SavedAt::Loaded && c.at != SavedAt::Prepared) {
            original.h.form.Command2_Click();
            original.ticks(c.before);
            if (c.mid) {
                c.mid(original);
            }
        }
        if (c.at == SavedAt::Stopped) {
            original.h.form.Command3_Click();
        }
        if (c.at == SavedAt::AfterReset) {
            original.h.form.Command4_Click();
        }
        if (c.at == SavedAt::Reached) {
            ASSERT_FALSE(original.h.form.timerEnabled()) << "the run must reach its target";
        }
        const bool wasRunning = original.h.form.timerEnabled();

        // Another window, at another time of day, opens the saved run.
        Driven opened;
        opened.load(99.25F, "7", "3");
        opened.h.form.Command1_Click();
        opened.h.form.restore(check(original.saved()));
        if (wasRunning) {
            EXPECT_EQ(opened.h.ops.text(Control::status), "Durduruldu...");
            EXPECT_FALSE(opened.h.form.timerEnabled());
            EXPECT_FALSE(opened.h.ops.isEnabled(Control::Timer1));
            // Nothing else differs from the window that ran on.
            opened.h.ops.texts[at(Control::status)] = original.h.ops.text(Control::status);
            opened.h.ops.enabled[at(Control::Timer1)] = true;
        }
        expectSameWindow(original, opened, "as opened", wasRunning);

        if (c.at == SavedAt::Loaded || c.at == SavedAt::AfterReset) {
            // Nothing to go on with: a new run from here is the same run.
            for (Driven* d : {&original, &opened}) {
                d->h.form.Command1_Click();
                d->h.form.Command2_Click();
            }
        } else {
            if (!wasRunning) {
                original.h.form.Command2_Click();
            }
            opened.h.form.Command2_Click();
        }
        original.ticks(c.after);
        opened.ticks(c.after);
        ASSERT_TRUE(sameBits(original.h.form.run().record(), opened.h.form.run().record()));
        expectSameWindow(original, opened, "after going on");
    }
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
