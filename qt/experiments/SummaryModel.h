#pragma once

#include "engine/ExperimentSummary.h"
#include "form/experiments/SummaryColumns.h"

#include <QAbstractTableModel>

#include <memory>
#include <string>
#include <vector>

namespace ga::qt {

// The results table of an experiment: one row per setting with its runs, how many reached
// the target, and the spread of the generations they needed, in the summary's columns.
class SummaryModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit SummaryModel(std::string decimalSeparator, QObject* parent = nullptr);

    // Shared with the chart: a million settings are kept once. `method` is the runs' method
    // when it does not vary.
    void setSummaries(VariedSetting varied, Method method,
                      std::shared_ptr<const std::vector<SettingSummary>> summaries);
    [[nodiscard]] const std::vector<SettingSummary>& summaries() const { return *summaries_; }

    // Shows every header and cell again, in the language in use.
    void retranslate();

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

  private:
    std::string separator_;
    // The columns a person sees, in order.
    std::vector<const SummaryColumnDef*> columns_;
    VariedSetting varied_ = VariedSetting::Mutation;
    std::shared_ptr<const std::vector<SettingSummary>> summaries_ =
        std::make_shared<const std::vector<SettingSummary>>();
};

} // namespace ga::qt
