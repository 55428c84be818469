#pragma once

#include <QAbstractListModel>
#include <QString>

#include <deque>
#include <span>
#include <string>

namespace ga::qt {

// The lines of the report log: the newest `capacity` lines, oldest first. Lines arrive
// in batches so that a frame's lines cost one insertion, not one each. They are kept as
// the program writes them, in UTF-8, and become Qt strings only when a view shows them:
// at the fastest speed four hundred lines arrive each frame and a dozen are seen. Once the
// log is full, a line that leaves lends its buffer to the one that arrives.
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
    int append(std::span<const std::string> lines);
    // Empties the log.
    void clear();

    [[nodiscard]] int capacity() const { return capacity_; }
    [[nodiscard]] QString line(int row) const;
    [[nodiscard]] const std::string& utf8(int row) const;

  private:
    std::deque<std::string> lines_;
    int capacity_;
};

} // namespace ga::qt
