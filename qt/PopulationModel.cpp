#include "qt/PopulationModel.h"

namespace ga::qt {

namespace {

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

PopulationModel::PopulationModel(QObject* parent) : QAbstractTableModel(parent) {}

void PopulationModel::show(const HistoryPage* page) {
    empty_ = page == nullptr;
    prepared_ = page != nullptr && page->index == 0;
    for (std::size_t k = 0; k < kPopulation; ++k) {
        rows_[k] = page == nullptr ? Row{}
                                   : Row{fromUtf8(page->genes[k]), fromUtf8(page->values[k]),
                                         fromUtf8(page->fitness[k])};
    }
    emit dataChanged(index(0, 0), index(kPopulation - 1, ColumnCount - 1));
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
        return index.column() == Kind ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                      : QVariant(Qt::AlignRight | Qt::AlignVCenter);
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
