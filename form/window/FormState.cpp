#include "form/window/FormState.h"

#include "engine/Run.h"
#include "runtime/Random.h"

#include <cmath>
#include <string_view>
#include <utility>

namespace ga {

namespace {

constexpr int kLongestPeriod = 86'400'000;

// Whether the text is well-formed UTF-8 (no overlong forms, no surrogates, nothing above
// U+10FFFF), as every text the window shows must be.
bool validUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t extra = 0;
        char32_t min = 0;
        char32_t code = 0;
        if (c < 0x80U) {
            ++i;
            continue;
        }
        if ((c & 0xE0U) == 0xC0U) {
            extra = 1;
            min = 0x80;
            code = c & 0x1FU;
        } else if ((c & 0xF0U) == 0xE0U) {
            extra = 2;
            min = 0x800;
            code = c & 0x0FU;
        } else if ((c & 0xF8U) == 0xF0U) {
            extra = 3;
            min = 0x10000;
            code = c & 0x07U;
        } else {
            return false;
        }
        if (text.size() - i <= extra) {
            return false;
        }
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0U) != 0x80U) {
                return false;
            }
            code = (code << 6U) | (next & 0x3FU);
        }
        if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return false;
        }
        i += extra + 1;
    }
    return true;
}

bool oneLine(std::string_view text, std::size_t maxBytes) {
    return text.size() <= maxBytes && text.find_first_of("\r\n") == std::string_view::npos &&
           validUtf8(text);
}

bool validCharts(const std::array<ChartState, 2>& charts) {
    std::size_t circles = 0;
    for (const ChartState& chart : charts) {
        for (const ChartDrawing& drawing : chart.drawings) {
            // A drawing exists only because something was drawn in it.
            if (drawing.circles.empty()) {
                return false;
            }
            circles += drawing.circles.size();
            for (const ChartCircle& c : drawing.circles) {
                if (!std::isfinite(c.x) || !std::isfinite(c.y) || c.colour > 0xFFFFFFU) {
                    return false;
                }
            }
        }
    }
    return circles <= kMaxChartCircles;
}

} // namespace

std::optional<CheckedState> checkState(FormState state, StateError& error,
                                       HistoryError& historyError, HistoryLimits limits) {
    historyError = HistoryError::None;
    const auto fail = [&error](StateError e) {
        error = e;
        return std::optional<CheckedState>{};
    };
    for (const std::string& box : state.boxes) {
        if (!oneLine(box, kMaxBoxBytes)) {
            return fail(StateError::Box);
        }
    }
    if (Random probe; !probe.setState(state.randomState)) {
        return fail(StateError::Generator);
    }
    if (state.interval < 1 || state.interval > kLongestPeriod) {
        return fail(StateError::Interval);
    }
    for (const std::vector<double>& list : state.lists) {
        if (list.size() > kMaxListLines) {
            return fail(StateError::Lists);
        }
    }
    if (!validCharts(state.charts)) {
        return fail(StateError::Chart);
    }
    if (state.log.size() > kMaxLogLines) {
        return fail(StateError::Log);
    }
    for (const std::string& line : state.log) {
        if (!oneLine(line, kMaxLineBytes)) {
            return fail(StateError::Log);
        }
    }
    // The rebuilt history takes the data over: a long run's history is never held twice.
    auto history = History::restore(std::move(state.history), historyError, limits);
    state.history = HistoryData{};
    if (!history) {
        return fail(StateError::History);
    }
    // "Hazırla" starts a history and makes "Başlat" usable; "Sıfırla" ends both.
    if (state.startEnabled == history->empty()) {
        return fail(StateError::Run);
    }
    RunError runError = RunError::None;
    auto run = Run::restore(state.population, state.module1, state.seed, state.randomState,
                            std::move(*history), runError);
    if (!run) {
        return fail(runError == RunError::Generator ? StateError::Generator
                                                    : StateError::Population);
    }
    // What the state says of the run is now what the rebuilt run holds, bit for bit.
    state.population = run->population();
    state.module1 = run->module1();
    error = StateError::None;
    return CheckedState(std::move(state), std::move(*run));
}

} // namespace ga
