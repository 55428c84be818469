#pragma once

#include "engine/HistorySummary.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ga {

// One column of the history chart: the generations it covers, [first, last), and the
// extremes of every series over them.
struct ChartColumn {
    std::uint64_t first = 0;
    std::uint64_t last = 0;
    SummarySpan span;
};

// The columns of the whole history, at most `columns` of them: one per generation while
// they fit; otherwise each covers an equal share of the run and keeps the minimum and the
// maximum of every series over it, so no extreme is lost however long the run. Each column
// costs a few dozen steps through the summaries' blocks.
std::vector<ChartColumn> chartColumns(const SummaryPyramid& summaries, int columns);

// A tick of an axis: where it lies in pixels and what it reads.
struct AxisTick {
    double position = 0;
    std::string label;
};

// Where the history chart draws: the plot area in pixels, the generations along x, the
// fitness up the left (linear, or logarithmic as log10(1 + value)) and the number of
// distinct genes, 0..20, up the right. An infinite fitness has a band of its own along the
// top of the plot, above every finite value, instead of a place on the scale.
class HistoryChartScale {
  public:
    struct Frame {
        double left = 0;
        double top = 0;
        double width = 1;
        double height = 1;
    };
    static constexpr double kInfinityBand = 16;

    HistoryChartScale(const Frame& plot, std::uint64_t count, double firstGeneration,
                      const std::vector<ChartColumn>& columns, bool logarithmic,
                      std::string_view decimalSeparator);

    // The centre of generation `index` (0-based in the history); fractions allowed.
    [[nodiscard]] double x(double index) const;
    // The generation under a pixel column, within the history.
    [[nodiscard]] std::uint64_t indexAt(double px) const;
    // A fitness, placed; +infinity (or NaN) goes to the middle of the infinity band.
    [[nodiscard]] double y(double fitness) const;
    [[nodiscard]] double yDistinct(double count) const;

    [[nodiscard]] bool hasInfinityBand() const { return band_; }
    // The finite part of the plot starts below the band.
    [[nodiscard]] double finiteTop() const { return plot_.top + (band_ ? kInfinityBand : 0); }
    [[nodiscard]] const Frame& plot() const { return plot_; }

    [[nodiscard]] const std::vector<AxisTick>& fitnessTicks() const { return fitnessTicks_; }
    [[nodiscard]] const std::vector<AxisTick>& generationTicks() const { return generationTicks_; }
    [[nodiscard]] const std::vector<AxisTick>& distinctTicks() const { return distinctTicks_; }

  private:
    [[nodiscard]] double scaled(double fitness) const;

    Frame plot_;
    std::uint64_t count_;
    bool logarithmic_;
    bool band_ = false;
    double top_ = 1; // the fitness at the top of the finite part
    std::vector<AxisTick> fitnessTicks_;
    std::vector<AxisTick> generationTicks_;
    std::vector<AxisTick> distinctTicks_;
};

} // namespace ga
