#pragma once

#include <QAbstractListModel>
#include <QString>
#include <QStringList>

#include <deque>

namespace ga::qt {

// The lines of the report log: the newest `capacity` lines, oldest first. Lines arrive
// in batches so that a tick's thirty lines cost one insertion, not thirty.
class LogModel : public QAbstractListModel {
    Q_OBJECT

  public:
    static constexpr int kDefaultCapacity = 100000;

    explicit LogModel(QObject* parent = nullptr, int capacity = kDefaultCapacity);

    [[nodiscard]] int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;

    // Appends the lines at the end and drops the oldest beyond the capacity; returns how
    // many rows left the front, so a view can keep showing the same lines. Once the log is
    // full the rows stay and their lines move up (reported as changed data, with the
    // persistent indexes moved along or, for lines that left, made invalid).
    int append(const QStringList& lines);
    // Empties the log.
    void clear();

    [[nodiscard]] int capacity() const { return capacity_; }
    [[nodiscard]] const QString& line(int row) const;

  private:
    std::deque<QString> lines_;
    int capacity_;
};

} // namespace ga::qt
