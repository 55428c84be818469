#pragma once

#include "engine/Experiment.h"

#include <QAbstractTableModel>

#include <string>

namespace ga::qt {

// Every run of an experiment with its seed and where it stopped, read from the experiment
// on demand, so a million runs cost no more than the rows on screen.
class RunsModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column {
        Value,
        Run,
        Seed,
        Generations,
        Reached,
        BestGene,
        BestFitness,
        Evaluations,
        ColumnCount
    };

    explicit RunsModel(std::string decimalSeparator, QObject* parent = nullptr);

    // The experiment must have ended and must outlive its use here (or be replaced first).
    void setExperiment(const Experiment* experiment);

    // Shows every header and cell again, in the language in use.
    void retranslate();

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

  private:
    std::string separator_;
    const Experiment* experiment_ = nullptr;
};

} // namespace ga::qt
