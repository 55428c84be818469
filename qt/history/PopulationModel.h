#pragma once

#include "form/history/HistoryReader.h"

#include <QAbstractTableModel>
#include <QString>

#include <array>

namespace ga::qt {

// The twenty individuals of one listed population, as a table: position, gene, F and
// fitness, and whether the individual survived the ranking or was just born. The rows stay
// put when the generation changes, so the current row and the keyboard focus stay where
// they are while the window follows a run.
class PopulationModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { Position, Gene, Value, Fitness, Kind, ColumnCount };

    explicit PopulationModel(QObject* parent = nullptr);

    // Shows a page; nothing (empty cells) when `page` is null.
    void show(const HistoryPage* page);
    // The headers and words in the language now in use.
    void retranslate();

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

  private:
    struct Row {
        QString gene;
        QString value;
        QString fitness;
    };
    std::array<Row, kPopulation> rows_;
    bool prepared_ = false; // the population "Hazırla" made: nobody survived or was born
    bool empty_ = true;
};

} // namespace ga::qt
