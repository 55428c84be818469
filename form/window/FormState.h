#pragma once

#include "engine/History.h"
#include "engine/Model.h"
#include "engine/Run.h"
#include "form/window/Batch.h"
#include "form/window/Controls.h"
#include "form/window/ReportLog.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ga {

// The boxes a person types into, in the order a saved state keeps their texts.
inline constexpr Control kTypedBoxes[] = {
    Control::ta,    Control::tb,    Control::tc,    Control::td, Control::te,
    Control::pa,    Control::pb,    Control::pc,    Control::pd, Control::pe,
    Control::Text1, Control::Text3, Control::Text4,
};
inline constexpr std::size_t kTypedBoxCount = std::size(kTypedBoxes);

// What the status line says.
enum class RunStatus : std::uint8_t { Waiting, Prepared, Started, Stopped, Reset, Reached };

// What the results panel shows: the design-time texts (nothing has been run since the
// window opened), the blanks "Sıfırla" leaves, or the run-wide values of Module1.
enum class PanelState : std::uint8_t { Design, Cleared, Shown };

// One circle as drawn, in the user coordinates of the system it was drawn in.
struct ChartCircle {
    float x = 0;
    float y = 0;
    Colour colour = 0;

    friend bool operator==(const ChartCircle&, const ChartCircle&) = default;
};

// A picture box's user coordinate system: the corners of the last Scale, and the top edge
// a later ScaleTop moved (the height staying).
struct ChartSystem {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    std::optional<double> top;

    friend bool operator==(const ChartSystem&, const ChartSystem&) = default;
};

// Circles drawn one after another in one coordinate system.
struct ChartDrawing {
    ChartSystem system;
    std::vector<ChartCircle> circles;

    friend bool operator==(const ChartDrawing&, const ChartDrawing&) = default;
};

// A picture box as far as it can be drawn again: the system in force and the circles since
// its last Cls that can still be seen, grouped by the system they were drawn in.
struct ChartState {
    ChartSystem system;
    std::vector<ChartDrawing> drawings;

    friend bool operator==(const ChartState&, const ChartState&) = default;
};

// Everything of the window that matters to go on with a run exactly: what the boxes hold as
// typed, the arrays and run-wide values, the seed and where the generator stands, what the
// lists, panel, squares, charts and status line show, the history and the report log.
struct FormState {
    std::array<std::string, kTypedBoxCount> boxes;
    Population population;
    Module1 module1;
    std::uint32_t seed = 0;
    std::optional<std::uint32_t> fixedSeed;
    std::string randomState;
    bool startEnabled = false;
    // Whether the timer ran; a state restored never runs.
    bool running = false;
    RunStatus status = RunStatus::Waiting;
    int interval = 0; // Timer1's period in milliseconds
    PanelState panel = PanelState::Design;
    // Gen, Sonuc and uyl: the numbers each list shows, in order.
    std::array<std::vector<double>, 3> lists;
    std::array<ChartState, 2> charts; // Picture1, Picture2
    HistoryData history;
    // The report log's lines, oldest first.
    std::vector<std::string> log;
};

// Limits on a state that is read back: the most a window ever holds (the log keeps
// 100 000 lines) with room to spare, so a hostile state cannot make the window grow
// without bound.
inline constexpr std::size_t kMaxListLines = 1'000'000;
inline constexpr std::size_t kMaxLogLines = ReportLog::kDefaultCapacity;
inline constexpr std::size_t kMaxLineBytes = 10'000;
inline constexpr std::size_t kMaxBoxBytes = 32'767;
inline constexpr std::size_t kMaxChartCircles = 100'000;

// Why a state was refused.
enum class StateError : std::uint8_t {
    None,
    Box,        // a box's text is too long or holds a line break
    Generator,  // the generator's state is not one
    Interval,   // the timer's period is out of range
    Lists,      // too many list lines
    Chart,      // a chart's system or circles are not drawable values, or too many
    Log,        // too many report lines, or one too long, not UTF-8 or with a line break
    History,    // the history data does not hold together (see HistoryError)
    Population, // the arrays or run-wide values do not match the history's last generation
    Run,        // "Başlat" usable without a history, or the other way round
};

// A state checked through, with its run rebuilt: the only thing Form1 restores from.
class CheckedState {
  public:
    [[nodiscard]] const FormState& state() const { return state_; }

  private:
    friend std::optional<CheckedState> checkState(FormState state, StateError& error,
                                                  HistoryError& historyError, HistoryLimits limits);
    friend class Form1;
    CheckedState(FormState state, Run run) : state_(std::move(state)), run_(std::move(run)) {}

    FormState state_;
    Run run_;
};

// Checks every part of a state that was read back, and rebuilds its run, replaying its
// history. Nothing when anything is off, with the reason in `error` (and in `historyError` when
// the history is the reason).
std::optional<CheckedState> checkState(FormState state, StateError& error,
                                       HistoryError& historyError, HistoryLimits limits = {});

} // namespace ga
