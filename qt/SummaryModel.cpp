#include "qt/SummaryModel.h"

#include "form/SpreadLayout.h"
#include "qt/Utf8.h"

#include <utility>

namespace ga::qt {

SummaryModel::SummaryModel(std::string decimalSeparator, QObject* parent)
    : QAbstractTableModel(parent), separator_(std::move(decimalSeparator)) {}

void SummaryModel::setSummaries(VariedSetting varied,
                                std::shared_ptr<const std::vector<SettingSummary>> summaries) {
    beginResetModel();
    varied_ = varied;
    summaries_ = std::move(summaries);
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, Value, Value);
}

void SummaryModel::retranslate() {
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    if (rowCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
    }
}

int SummaryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(summaries_->size());
}

int SummaryModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QString SummaryModel::text(const SettingSummary& s, int column) const {
    const auto generations = [this, &s](double Spread::*member, int decimals) {
        return s.generations
                   ? fromUtf8(roundedLabel((*s.generations).*member, decimals, separator_))
                   : QStringLiteral("—");
    };
    switch (column) {
    case Value:
        return fromUtf8(valueLabel(s.value, separator_));
    case Runs:
        // A cancelled experiment says how many of the planned runs ended.
        return s.notRun == 0 ? QString::number(s.runs)
                             : tr("%1 / %2").arg(s.runs).arg(s.runs + s.notRun);
    case Reached:
        return QString::number(s.reached);
    case ReachedPercent:
        return s.reachedPercent
                   ? tr("%%1").arg(fromUtf8(roundedLabel(*s.reachedPercent, 1, separator_)))
                   : QStringLiteral("—");
    case Min:
        return generations(&Spread::min, 0);
    case LowerQuartile:
        return generations(&Spread::lowerQuartile, 2);
    case Median:
        return generations(&Spread::median, 2);
    case Mean:
        return generations(&Spread::mean, 1);
    case UpperQuartile:
        return generations(&Spread::upperQuartile, 2);
    case Max:
        return generations(&Spread::max, 0);
    default:
        return {};
    }
}

QVariant SummaryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return text((*summaries_)[static_cast<std::size_t>(index.row())], index.column());
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
    switch (section) {
    case Value:
        return varied_ == VariedSetting::Target ? tr("Ulaşılacak sayı") : tr("Mutasyon yüzdesi");
    case Runs:
        return tr("Çalıştırma sayısı");
    case Reached:
        return tr("Hedefe ulaşan");
    case ReachedPercent:
        return tr("Ulaşan yüzdesi");
    case Min:
        return tr("En az nesil");
    case LowerQuartile:
        return tr("Alt çeyrek");
    case Median:
        return tr("Ortanca");
    case Mean:
        return tr("Ortalama");
    case UpperQuartile:
        return tr("Üst çeyrek");
    case Max:
        return tr("En çok nesil");
    default:
        return {};
    }
}

} // namespace ga::qt
