#pragma once

#include <QAbstractListModel>
#include <QStringList>

namespace ga::qt {

// A list of text lines that are replaced all at once, as a generation's report lines are:
// rows that keep their text are left alone, so a view repaints only what changed and its
// current row (where a keyboard or screen-reader user stands) stays where it was.
class LinesModel : public QAbstractListModel {
    Q_OBJECT

  public:
    using QAbstractListModel::QAbstractListModel;

    void setLines(const QStringList& lines);
    [[nodiscard]] const QStringList& lines() const { return lines_; }

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;

  private:
    QStringList lines_;
};

} // namespace ga::qt
