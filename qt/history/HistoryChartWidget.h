#pragma once

#include "engine/History.h"
#include "form/history/HistoryChart.h"

#include <QWidget>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ga::qt {

// The chart of a whole run: the best, mean and worst fitness and the number of distinct
// genes against the generation, with axes, a legend, an infinity band and a cursor at the
// selected generation. A click or the keys (arrows, Page Up/Down, Home, End) choose a
// generation. Its columns are computed when the history or the size changes, never while
// painting, and cost the same for a run of ten generations as for one of millions.
class HistoryChartWidget : public QWidget {
    Q_OBJECT

  public:
    explicit HistoryChartWidget(std::string decimalSeparator, QWidget* parent = nullptr);

    // The history to draw; it must outlive the widget.
    void setHistory(const History* history);
    // New generations, a new run or none: computes the columns anew and repaints.
    void historyChanged();
    void setSelected(std::uint64_t index);
    void setLogarithmic(bool on);
    [[nodiscard]] bool logarithmic() const { return logarithmic_; }

    // Where on the widget generation `index` is drawn (a click there chooses it).
    [[nodiscard]] QPoint pointFor(std::uint64_t index) const;
    [[nodiscard]] const std::vector<ChartColumn>& columns() const { return columns_; }

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

  signals:
    void generationChosen(quint64 index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    [[nodiscard]] HistoryChartScale::Frame plotFrame() const;
    void recompute();
    void choose(std::int64_t index);
    void paintSeries(class QPainter& painter, int series) const;
    void paintLegend(QPainter& painter) const;

    std::string separator_;
    const History* history_ = nullptr;
    std::vector<ChartColumn> columns_;
    std::optional<HistoryChartScale> scale_;
    std::uint64_t count_ = 0;
    std::uint64_t selected_ = 0;
    bool logarithmic_ = false;
};

} // namespace ga::qt
