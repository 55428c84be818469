#pragma once

#include "engine/ExperimentSummary.h"

#include <QWidget>

#include <memory>
#include <string>
#include <vector>

namespace ga::qt {

// The chart of an experiment: per setting, a box plot of the generations the runs needed to
// reach the target (whiskers at the least and the most, the box from the lower to the upper
// quartile, the median as a line, the mean as a diamond) and beside it a bar of the share of
// runs that reached the target, on a percentage axis of its own at the right. The
// arithmetic is form/SpreadLayout's; this only paints. Screen readers get the numbers as
// the chart's description.
class SpreadChart : public QWidget {
    Q_OBJECT

  public:
    explicit SpreadChart(std::string decimalSeparator, QWidget* parent = nullptr);

    void setSummaries(VariedSetting varied,
                      std::shared_ptr<const std::vector<SettingSummary>> summaries);
    void setLogarithmic(bool logarithmic);
    [[nodiscard]] bool logarithmic() const { return logarithmic_; }

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // The varied setting's name, and a setting's value as the axis shows it.
    [[nodiscard]] QString variedName() const;
    [[nodiscard]] QString settingLabel(const SettingSummary& s) const;

    void paintLegend(class QPainter& painter, int top) const;
    void updateDescription();

    std::string separator_;
    VariedSetting varied_ = VariedSetting::Mutation;
    std::shared_ptr<const std::vector<SettingSummary>> summaries_ =
        std::make_shared<const std::vector<SettingSummary>>();
    bool logarithmic_ = true;
};

} // namespace ga::qt
