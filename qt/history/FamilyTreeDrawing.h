#pragma once

#include "engine/FamilyTree.h"
#include "form/history/FamilyTreeLayout.h"

#include <QString>
#include <QWidget>

#include <vector>

namespace ga::qt {

// One individual's box in the drawing.
struct TreeBox {
    QString gene;
    QString birth;
    QString value;
    TreePlace place;
    bool chosen = false;
    // Reached along more than one line: an ancestor shared by several descendants.
    bool shared = false;
    AncestorOrigin origin = AncestorOrigin::Born;
};

// A line from a child to a parent, with the mutations on it.
struct TreeLine {
    int child = 0;
    int parent = 0;
    QString label;
    bool mutatedHere = false;   // the parent's digit changed in this very mating
    bool mutatedBefore = false; // changed in an earlier mating of the same generation
};

// The family tree drawn: the chosen individual on the left, each column of parents to the
// right of their children, every individual once, and a line from each child to each of
// its parents. A line on which a digit mutated is red and says which digit and how.
class FamilyTreeDrawing : public QWidget {
    Q_OBJECT

  public:
    explicit FamilyTreeDrawing(QWidget* parent = nullptr);

    void setTree(std::vector<TreeBox> boxes, std::vector<TreeLine> lines, int columns, int rows);
    [[nodiscard]] const std::vector<TreeBox>& boxes() const { return boxes_; }
    [[nodiscard]] const std::vector<TreeLine>& lines() const { return lines_; }
    // Where a box is drawn, in the widget's pixels.
    [[nodiscard]] QRectF boxRect(int node) const;

    [[nodiscard]] QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    // Dragged with a finger or the mouse, the drawing pans inside its scroll area.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    [[nodiscard]] QSizeF boxSize() const;

    std::vector<TreeBox> boxes_;
    std::vector<TreeLine> lines_;
    int columns_ = 0;
    int rows_ = 0;
    int boxWidth_ = 150;
    QPointF grabbed_; // where the drag took hold, in global coordinates
};

} // namespace ga::qt
