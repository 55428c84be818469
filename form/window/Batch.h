#pragma once

#include "form/window/Controls.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ga {

// A colour as the program computes it: 0x00BBGGRR.
using Colour = std::uint32_t;
// A colour square with no colour of its own, as the window opens.
inline constexpr Colour kNoColour = 0xFF000000U;

// Lines of text whose buffers are kept from one batch to the next, so that a tick at the
// fastest speed does not allocate its seventy-odd lines anew.
class Lines {
  public:
    // A new, empty line at the end, to be written in place.
    std::string& add();
    void add(std::string_view line) { add().assign(line); }
    void clear() { used_ = 0; }

    [[nodiscard]] std::size_t size() const { return used_; }
    [[nodiscard]] bool empty() const { return used_ == 0; }
    [[nodiscard]] const std::string& operator[](std::size_t i) const { return lines_[i]; }
    [[nodiscard]] auto begin() const { return lines_.begin(); }
    [[nodiscard]] auto end() const { return lines_.begin() + static_cast<std::ptrdiff_t>(used_); }
    [[nodiscard]] std::span<const std::string> all() const { return {lines_.data(), used_}; }

  private:
    std::vector<std::string> lines_;
    std::size_t used_ = 0;
};

// A population list: emptied first (Clear) or not, then lines appended (AddItem).
struct ListChange {
    bool cleared = false;
    Lines lines;
};

// One drawing operation on a picture box, applied in order with the others.
struct ChartCommand {
    enum class Kind : std::uint8_t { Scale, ScaleTop, Cls, Refresh, Circle };
    Kind kind = Kind::Circle;
    Control picture = Control::Picture1;
    // Scale: the corners (x1, y1)-(x2, y2). ScaleTop: the new top edge in y1. Circle: the
    // centre (x1, y1), both single-precision values, and the radius in x2, in horizontal
    // user units.
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    Colour colour = 0;
};

// The text of a box or the caption of a label.
struct TextChange {
    Control control = Control::Count;
    std::string text;
};

// A colour square: its colour, and the digit it stands for (empty: none) for screen
// readers.
struct SquareChange {
    Control square = Control::Count;
    Colour colour = 0;
    std::string digit;
};

struct EnabledChange {
    Control control = Control::Count;
    bool enabled = false;
};

// Everything one handler or one tick changes on the window, handed over at once.
struct Batch {
    // Gen, Sonuc and uyl, in that order.
    ListChange lists[3];
    // The report log (Form1's own) gained, lost or changed lines.
    bool logChanged = false;
    // Texts and captions; a later change of the same control wins.
    std::vector<TextChange> texts;
    std::vector<SquareChange> squares;
    std::vector<ChartCommand> chart;
    // Buttons and the timer; these take effect at once.
    std::vector<EnabledChange> enabled;
    std::optional<int> interval;
    // Modal message boxes with one OK button.
    std::vector<std::string> messages;
    bool beep = false;
    // Closes the only window, which ends the program.
    bool unload = false;

    // Empties the batch, keeping its buffers.
    void clear();
    ListChange& list(Control c);
    [[nodiscard]] const ListChange& list(Control c) const;
    void setText(Control c, std::string_view text);
    void setEnabled(Control c, bool on) { enabled.push_back({c, on}); }
    void circle(Control picture, float x, float y, double radius, Colour colour);
};

} // namespace ga
