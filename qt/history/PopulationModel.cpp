#include "qt/history/PopulationModel.h"
#include "session/Utf8.h"

#include <utility>

namespace ga::qt {

PopulationModel::PopulationModel(QObject* parent) : QAbstractTableModel(parent) {}

void PopulationModel::show(const HistoryPage* page) {
    const bool empty = page == nullptr;
    const bool prepared = page != nullptr && page->index == 0;
    const bool kindChanged = empty != empty_ || prepared != prepared_;
    empty_ = empty;
    prepared_ = prepared;
    // Only the rows whose text changed are announced, so the view repaints only those: in
    // a population that has converged, few change from one generation to the next.
    for (int r = 0; r < kPopulation; ++r) {
        const auto k = static_cast<std::size_t>(r);
        Row row = page == nullptr ? Row{}
                                  : Row{fromUtf8(page->genes[k]), fromUtf8(page->values[k]),
                                        fromUtf8(page->fitness[k])};
        Row& shown = rows_[k];
        if (kindChanged || row.gene != shown.gene || row.value != shown.value ||
            row.fitness != shown.fitness) {
            shown = std::move(row);
            emit dataChanged(index(r, 0), index(r, ColumnCount - 1));
        }
    }
}

void PopulationModel::retranslate() {
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    emit dataChanged(index(0, Kind), index(kPopulation - 1, Kind));
}

int PopulationModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kPopulation;
}

int PopulationModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PopulationModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= kPopulation) {
        return {};
    }
    const Row& row = rows_[static_cast<std::size_t>(index.row())];
    if (role == Qt::TextAlignmentRole) {
        // Numbers start at the left, as in the main window's lists, so a narrow column still
        // shows their leading digits.
        return index.column() == Position ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                          : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) {
        return {};
    }
    switch (index.column()) {
    case Position:
        return index.row() + 1;
    case Gene:
        return row.gene;
    case Value:
        return row.value;
    case Fitness:
        return row.fitness;
    case Kind:
        if (empty_) {
            return QString();
        }
        if (prepared_) {
            return tr("hazırlandı");
        }
        return index.row() < kSurvivors ? tr("hayatta kaldı") : tr("yeni doğdu");
    default:
        return {};
    }
}

QVariant PopulationModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (section) {
    case Position:
        return tr("Sıra");
    case Gene:
        return tr("Gen");
    case Value:
        return tr("F");
    case Fitness:
        return tr("Uyum");
    case Kind:
        return tr("Durum");
    default:
        return {};
    }
}

} // namespace ga::qt
