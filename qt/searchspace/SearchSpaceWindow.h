#pragma once

#include "engine/Model.h"
#include "engine/QuietRun.h"
#include "engine/SearchSpace.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <string>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace ga {
class Form1;
}

namespace ga::qt {

class SearchSpaceHistogram;
class SearchSpaceMap;

// "Arama Uzayı": every five-digit gene evaluated under the function and target the main
// window's boxes hold as typed. It shows the best fitness any gene reaches and the genes
// that reach it (exportable as CSV), how many hit the target, the distribution of fitness,
// a map of all genes with the population marked, any chosen gene in detail, where the run
// stands against the optimum, and what an exhaustive and a random search would need. On a
// frame clock of its own, at most thirty times a second, it reads the boxes (evaluating
// again when they change) and the run's population; it never changes either.
class SearchSpaceWindow : public QWidget {
    Q_OBJECT

  public:
    // `boxes` gives the function and target boxes as typed, the way "Hazırla" finds them.
    SearchSpaceWindow(const Form1& form, std::function<RunInputs()> boxes,
                      QWidget* parent = nullptr);

    // Reads the boxes and the population now instead of at the next frame.
    void refresh();
    // Writes the genes at the best fitness to `path`; false, with a message, if it failed.
    bool exportCsvTo(const QString& path);

    [[nodiscard]] const SearchSpace& space() const { return space_; }
    [[nodiscard]] QLabel* summary() const { return summary_; }
    [[nodiscard]] QListWidget* bestList() const { return best_; }
    [[nodiscard]] QPushButton* exportButton() const { return export_; }
    [[nodiscard]] SearchSpaceHistogram* histogram() const { return histogram_; }
    [[nodiscard]] QCheckBox* logarithmic() const { return logarithmic_; }
    [[nodiscard]] SearchSpaceMap* map() const { return map_; }
    [[nodiscard]] QLabel* geneDetails() const { return gene_; }
    [[nodiscard]] QLabel* standing() const { return standing_; }
    [[nodiscard]] QLabel* yardstick() const { return yardstick_; }

  protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void retranslate();
    void recompute(const RunInputs& inputs);
    // The texts drawn from the space, the population and the chosen gene.
    void updateSpaceTexts();
    void updateHistogram();
    void updateStanding();
    void showGene(int gene);
    void chooseCsvFile();
    [[nodiscard]] QString number(double value) const;

    const Form1& form_;
    std::function<RunInputs()> boxes_;
    SearchSpace space_;
    std::array<std::string, 11> typed_{};
    bool evaluated_ = false;
    Row genes_{};
    std::uint64_t runId_ = 0;
    bool hadPopulation_ = false;
    QTimer frameClock_;

    QLabel* intro_;
    QLabel* summary_;
    QLabel* bestLabel_;
    QListWidget* best_;
    QPushButton* export_;
    QLabel* saved_;
    QLabel* histogramLabel_;
    SearchSpaceHistogram* histogram_;
    QCheckBox* logarithmic_;
    QLabel* histogramNote_;
    QLabel* mapLabel_;
    SearchSpaceMap* map_;
    QLabel* gene_;
    QLabel* standing_;
    QLabel* yardstick_;
};

} // namespace ga::qt
