#pragma once

#include "form/window/Controls.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace ga {

// What a row of the control table becomes on screen.
enum class ControlKind : std::uint8_t {
    Frame,
    Label,
    TextBox,
    Button,
    ListBox,
    ReportLog,
    Chart,
    ColourSquare,
    Line,
    Timer, // invisible: no place on the window
};

// Properties that only some controls have.
enum ControlFlag : std::uint16_t {
    kNoFlags = 0,
    kLocked = 1 << 0, // a text box the user cannot edit
    kNoTabStop = 1 << 1,
    kBold = 1 << 2,     // 8.25 pt bold
    kFormula = 1 << 3,  // 12 pt bold
    kDisabled = 1 << 4, // disabled at start
    kStatus = 1 << 5,   // red text on white
};

// One control of the window as laid out at design time. Positions and sizes are in
// twips, relative to the parent's outer top-left corner; `parent` is Control::Count for
// the window's own client area. A tab index of 0 or less, or a control kind that takes
// no focus, keeps it out of the tab chain.
struct ControlRow {
    Control id;
    ControlKind kind;
    Control parent;
    std::string_view text; // caption or initial text, UTF-8
    int left;
    int top;
    int width;
    int height;
    int tab;
    std::uint16_t flags;
    // The Turkish name read out by screen readers; empty keeps Qt's default, the
    // control's own visible text.
    std::string_view accessibleName;
};

inline constexpr Control kWindow = Control::Count;
// Timer1's period until "Hazırla" sets it, in milliseconds.
inline constexpr int kTimerStartInterval = 200;
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kClientWidthTwips = 10860;
inline constexpr int kClientHeightTwips = 8460;

// Every control of the window as it is at design time (caption or text, place, size, tab
// order, whether it starts disabled), parents before their children, in creation order.
// The real window and the tests' recording window both start from it.
std::span<const ControlRow> controlTable();

// The row of one control.
const ControlRow& controlRow(Control id);

// Twips to logical pixels.
constexpr int toPixels(int twips) {
    return twips / kTwipsPerPixel;
}

} // namespace ga
