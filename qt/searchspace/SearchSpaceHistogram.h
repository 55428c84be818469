#pragma once

#include "engine/SearchSpace.h"

#include <QWidget>

#include <string>

namespace ga::qt {

// The distribution of fitness over all 100 000 genes: one bar per bin, how many genes fall
// in it; the fitness axis is linear or logarithmic. Genes at the target and genes of
// infinite fitness are counted in the caption below, not drawn.
class SearchSpaceHistogram : public QWidget {
    Q_OBJECT

  public:
    explicit SearchSpaceHistogram(std::string decimalSeparator, QWidget* parent = nullptr);

    void setHistogram(SearchSpace::Histogram histogram);
    [[nodiscard]] const SearchSpace::Histogram& histogram() const { return histogram_; }

    [[nodiscard]] QSize sizeHint() const override { return {400, 160}; }
    [[nodiscard]] QSize minimumSizeHint() const override { return {200, 90}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::string separator_;
    SearchSpace::Histogram histogram_;
};

} // namespace ga::qt
