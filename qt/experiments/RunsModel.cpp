#include "qt/experiments/RunsModel.h"

#include "form/experiments/SpreadLayout.h"
#include "form/experiments/SummaryColumns.h"
#include "form/texts/Messages.h"
#include "runtime/Convert.h"
#include "session/Utf8.h"

#include <utility>

namespace ga::qt {

RunsModel::RunsModel(std::string decimalSeparator, QObject* parent)
    : QAbstractTableModel(parent), separator_(std::move(decimalSeparator)) {}

void RunsModel::setExperiment(const Experiment* experiment) {
    beginResetModel();
    experiment_ = experiment;
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, Value, Value);
}

void RunsModel::retranslate() {
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    if (rowCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
    }
}

int RunsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || experiment_ == nullptr
               ? 0
               : static_cast<int>(experiment_->results().size());
}

int RunsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RunsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    const auto i = static_cast<std::size_t>(index.row());
    const ExperimentSettings& settings = experiment_->settings();
    const RunResult& r = experiment_->results()[i];
    const bool ran = r.outcome != RunOutcome::NotRun;
    switch (index.column()) {
    case Value:
        if (settings.varied == VariedSetting::Method) {
            return fromUtf8(
                methodLabel(methodFor(settings, i / settings.runsPerSetting), language()));
        }
        return fromUtf8(valueLabel(settings.values[i / settings.runsPerSetting], separator_));
    case Run:
        return QString::number(i % settings.runsPerSetting + 1);
    case Seed:
        return QString::number(r.seed);
    case Generations:
        return ran ? QString::number(r.generations) : QStringLiteral("—");
    case Reached:
        if (!ran) {
            return tr("Yapılmadı");
        }
        return r.outcome == RunOutcome::Reached ? tr("Evet") : tr("Hayır");
    case BestGene:
        // As the results panel shows them.
        return ran ? fromUtf8(CStr(r.bestGene, separator_, messages().undefined))
                   : QStringLiteral("—");
    case BestFitness:
        return ran ? fromUtf8(CStr(r.bestFitness, separator_, messages().undefined))
                   : QStringLiteral("—");
    case Evaluations:
        return ran && r.evaluations > 0 ? QString::number(r.evaluations) : QStringLiteral("—");
    default:
        return {};
    }
}

QVariant RunsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return section + 1;
    }
    switch (section) {
    case Value:
        if (experiment_ != nullptr && experiment_->settings().varied == VariedSetting::Method) {
            return tr("Yöntem");
        }
        return experiment_ != nullptr && experiment_->settings().varied == VariedSetting::Target
                   ? tr("Ulaşılacak sayı")
                   : tr("Mutasyon yüzdesi");
    case Run:
        return tr("Çalıştırma");
    case Seed:
        return tr("Tohum");
    case Generations:
        return tr("Nesil");
    case Reached:
        return tr("Hedefe ulaştı");
    case BestGene:
        return tr("En iyi gen");
    case BestFitness:
        return tr("En iyi uyum");
    case Evaluations:
        return tr("Hedefe dek değerlendirme");
    default:
        return {};
    }
}

} // namespace ga::qt
