#pragma once

#include "form/history/HistoryReader.h"

#include <QTimer>
#include <QWidget>

#include <cstdint>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListView;
class QSlider;
class QSpinBox;
class QTableView;

namespace ga {
class Form1;
}

namespace ga::qt {

class FamilyTreeWindow;
class HistoryChartWidget;
class LinesModel;
class PopulationModel;

// "Çalışma Geçmişi": the whole run since "Hazırla". A chart of every generation, a
// selector (slider and number box) for any generation, that generation's population as the
// lists showed it and its report lines as the log showed them; Enter or a double click on
// an individual opens its family tree. While the run goes on, the window follows it on a
// frame clock of its own that only reads the history, at most thirty times a second, and
// keeps following the newest generation until another one is chosen (End goes back to it).
class HistoryWindow : public QWidget {
    Q_OBJECT

  public:
    HistoryWindow(const Form1& form, QWidget* parent = nullptr);

    // Reads the history now instead of at the next frame.
    void refresh();
    // Chooses a generation by its index in the history (0: the prepared population).
    void select(std::uint64_t index);
    [[nodiscard]] std::uint64_t selected() const { return selected_; }
    [[nodiscard]] bool following() const { return following_; }
    // Opens the family tree of the individual at `position` (1..20) of the selected
    // generation.
    void openFamilyTree(int position);

    [[nodiscard]] HistoryChartWidget* chart() const { return chart_; }
    [[nodiscard]] QSlider* slider() const { return slider_; }
    [[nodiscard]] QSpinBox* spinBox() const { return spin_; }
    [[nodiscard]] QTableView* table() const { return table_; }
    [[nodiscard]] QListView* report() const { return report_; }
    [[nodiscard]] QLabel* notes() const { return notes_; }
    [[nodiscard]] QLineEdit* title() const { return title_; }
    [[nodiscard]] FamilyTreeWindow* familyTree() const { return tree_; }

  protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    // The texts in the language in use.
    void retranslate();
    void updateRange();
    void updateNotes();
    void showPage(bool opened);
    void setTitle(const QString& text);

    const Form1& form_;
    HistoryReader reader_;
    HistoryPage page_;
    QTimer frameClock_;
    std::uint64_t runId_ = 0;
    std::uint64_t size_ = 0;
    std::uint64_t selected_ = 0;
    bool following_ = true;

    QLabel* notes_;
    HistoryChartWidget* chart_;
    QCheckBox* logarithmic_;
    QSlider* slider_;
    QSpinBox* spin_;
    QLabel* spinLabel_ = nullptr;
    QLineEdit* title_;
    PopulationModel* population_;
    QTableView* table_;
    QLabel* tableLabel_ = nullptr;
    LinesModel* lines_;
    QListView* report_;
    QLabel* reportLabel_ = nullptr;
    FamilyTreeWindow* tree_ = nullptr;
};

} // namespace ga::qt
