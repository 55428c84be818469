#include "qt/experiments/SummaryModel.h"

#include "form/texts/Messages.h"
#include "session/Utf8.h"

#include <utility>

namespace ga::qt {

SummaryModel::SummaryModel(std::string decimalSeparator, QObject* parent)
    : QAbstractTableModel(parent), separator_(std::move(decimalSeparator)),
      columns_(peopleColumns(VariedSetting::Mutation, Method::GeneticAlgorithm)) {}

void SummaryModel::setSummaries(VariedSetting varied, Method method,
                                std::shared_ptr<const std::vector<SettingSummary>> summaries) {
    beginResetModel();
    varied_ = varied;
    columns_ = peopleColumns(varied, method);
    summaries_ = std::move(summaries);
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void SummaryModel::retranslate() {
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    if (rowCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }
}

int SummaryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(summaries_->size());
}

int SummaryModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant SummaryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return fromUtf8(summaryCell((*summaries_)[static_cast<std::size_t>(index.row())],
                                    *columns_[static_cast<std::size_t>(index.column())], varied_,
                                    language(), separator_));
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant SummaryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return section + 1;
    }
    if (section < 0 || section >= columnCount()) {
        return {};
    }
    return fromUtf8(
        columnHeader(*columns_[static_cast<std::size_t>(section)], varied_, language()));
}

} // namespace ga::qt
