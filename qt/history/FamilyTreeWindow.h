#pragma once

#include "engine/FamilyTree.h"
#include "engine/History.h"

#include <QWidget>

#include <cstdint>
#include <optional>
#include <string>

class QLabel;
class QScrollArea;
class QSpinBox;
class QStandardItemModel;
class QTreeView;

namespace ga::qt {

class FamilyTreeDrawing;

// "Soy Ağacı": where one individual came from, back to the prepared population or to the
// chosen depth. Drawn as a picture and listed as a tree view, which a screen reader and
// the keyboard can walk: each item names the individual, its birth, which parent it was
// and the mutation on the line; an ancestor met again says that it is listed above.
class FamilyTreeWindow : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kDefaultDepth = 6;

    FamilyTreeWindow(std::string decimalSeparator, QWidget* parent = nullptr);

    // The tree of individual `position` (1..20) of listed population `index`.
    void showTree(const History& history, std::uint64_t index, int position);

    [[nodiscard]] QTreeView* treeView() const { return view_; }
    [[nodiscard]] FamilyTreeDrawing* drawing() const { return drawing_; }
    [[nodiscard]] QSpinBox* depthBox() const { return depth_; }
    [[nodiscard]] const std::optional<FamilyTree>& tree() const { return tree_; }

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // The texts in the language in use.
    void retranslate();
    void rebuild();
    [[nodiscard]] QString number(double value) const;
    [[nodiscard]] QString birthText(const Ancestor& a) const;
    [[nodiscard]] QString mutationText(const InheritedMutation& m) const;

    std::string separator_;
    const History* history_ = nullptr;
    std::uint64_t runId_ = 0;
    std::uint64_t index_ = 0;
    int position_ = 1;
    double firstGeneration_ = 1;
    std::optional<FamilyTree> tree_;

    QLabel* heading_;
    QSpinBox* depth_;
    QLabel* depthLabel_ = nullptr;
    QScrollArea* scroll_;
    FamilyTreeDrawing* drawing_;
    QTreeView* view_;
    QStandardItemModel* model_;
    QLabel* legend_ = nullptr;
};

} // namespace ga::qt
