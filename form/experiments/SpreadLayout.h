#pragma once

#include "engine/ExperimentSummary.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ga {

// The arithmetic of the chart of an experiment's spread: one box plot of the generations
// to the target per setting, in pixels, with the share of runs that reached the target as
// a bar beside each box. The widget only paints what this computes.

// The vertical axis of the generations, linear from 0 or logarithmic (log10(1 + v), so
// that 0 has a place), from the pixel row `bottom` up to `top`.
class GenerationAxis {
  public:
    // Covers the largest generation count in the summaries (or 10 when none reached the
    // target) with at most `maxTicks` ticks, the top at a tick.
    GenerationAxis(const std::vector<SettingSummary>& summaries, bool logarithmic, double top,
                   double bottom, int maxTicks);

    // The pixel row of a generation count.
    [[nodiscard]] double y(double generations) const;
    [[nodiscard]] const std::vector<double>& ticks() const { return ticks_; }
    // A tick's label, with the given decimal separator.
    [[nodiscard]] std::string label(double tick, std::string_view separator) const;
    [[nodiscard]] bool logarithmic() const { return logarithmic_; }

  private:
    [[nodiscard]] double position(double v) const;

    bool logarithmic_ = false;
    double top_ = 0;
    double bottom_ = 1;
    double lo_ = 0; // axis positions of the bottom and top
    double hi_ = 1;
    double step_ = 1;
    std::vector<double> ticks_;
};

// The pixel row of a percentage 0..100 on the same height.
double percentY(double percent, double top, double bottom);

// One column of the chart. Normally one setting; when there are more settings than the
// width can show side by side, neighbouring settings share a column, which then shows their
// combined extent: the lowest minimum and lower quartile, the highest upper quartile and
// maximum, and no median or mean.
struct BoxColumn {
    std::size_t first = 0; // the settings in it, first to last
    std::size_t last = 0;
    double centre = 0; // pixel column of its middle
    double width = 0;  // pixels it has
    std::optional<Spread> generations;
    bool merged = false;
    // The share that reached the target: the lowest and the highest over the column's
    // settings (equal for one setting); nothing when no run of it ended.
    std::optional<double> reachedLow;
    std::optional<double> reachedHigh;
};

// The columns across `width` pixels from `left`, each at least `minWidth` wide.
std::vector<BoxColumn> boxColumns(const std::vector<SettingSummary>& summaries, double left,
                                  double width, double minWidth);

// Show every n-th column's label so that labels `labelWidth` wide do not touch.
std::size_t labelStride(double columnWidth, double labelWidth);

// A setting's value as a label: its shortest exact form with the given decimal separator.
std::string valueLabel(double value, std::string_view separator);
// A value rounded to at most `decimals` places, without trailing zeros ("12.26" -> "12,3"
// for one place with a comma, "20.0" -> "20").
std::string roundedLabel(double value, int decimals, std::string_view separator);

} // namespace ga
