#pragma once

#include <QImage>
#include <QWidget>

#include <vector>

namespace ga {
class SearchSpace;
}

namespace ga::qt {

// All 100 000 five-digit genes as one picture, a cell each (400 across, 250 down, gene g at
// column g mod 400 and row g / 400), coloured by fitness: light for the best, dark for the
// worst, grey where the fitness is infinite. The genes of the population are marked on it.
// A click, or the arrow keys moving a cursor, chooses a gene.
class SearchSpaceMap : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kColumns = 400;
    static constexpr int kRows = 250;

    explicit SearchSpaceMap(QWidget* parent = nullptr);

    // Colours the cells from a freshly evaluated space.
    void setSpace(const SearchSpace& space);
    // The genes of the population that lie on the map.
    void setMarks(std::vector<int> genes);
    [[nodiscard]] const std::vector<int>& marks() const { return marks_; }
    // Moves the cursor to `gene` and says so.
    void choose(int gene);
    [[nodiscard]] int chosen() const { return chosen_; }
    // The cell's rectangle in the widget, and the gene under a point (-1 outside the map).
    [[nodiscard]] QRectF cellRect(int gene) const;
    [[nodiscard]] int geneAt(QPointF point) const;

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

  signals:
    void geneChosen(int gene);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    [[nodiscard]] QRectF mapRect() const;

    QImage cells_;
    std::vector<int> marks_;
    int chosen_ = 0;
};

} // namespace ga::qt
