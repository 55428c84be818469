#include "qt/LogModel.h"

#include <algorithm>

namespace ga::qt {

LogModel::LogModel(QObject* parent, int capacity)
    : QAbstractListModel(parent), capacity_(std::max(1, capacity)) {}

int LogModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant LogModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    // A line wider than the log is shown whole in its tooltip.
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        return line(index.row());
    }
    return {};
}

int LogModel::append(const QStringList& lines) {
    if (lines.isEmpty()) {
        return 0;
    }
    // Of a batch longer than the capacity only its newest lines can stay.
    const auto incoming = static_cast<int>(std::min<qsizetype>(lines.size(), capacity_));
    const auto firstKept = lines.size() - incoming;

    const int surplus = rowCount() + incoming - capacity_;
    if (surplus > 0 && surplus == incoming) {
        // A full log stays full: as many lines leave the front as arrive at the back. Told
        // as rows removed and added, a view would work through all its rows twice; told as
        // changed rows whose persistent indexes (selection, current row) move with their
        // lines, it repaints what it shows.
        lines_.erase(lines_.begin(), lines_.begin() + surplus);
        for (qsizetype i = firstKept; i < lines.size(); ++i) {
            lines_.push_back(lines[i]);
        }
        const QModelIndexList before = persistentIndexList();
        QModelIndexList after;
        after.reserve(before.size());
        for (const QModelIndex& index : before) {
            after.append(index.row() >= surplus ? this->index(index.row() - surplus)
                                                : QModelIndex());
        }
        changePersistentIndexList(before, after);
        emit dataChanged(index(0), index(rowCount() - 1), {Qt::DisplayRole, Qt::ToolTipRole});
        return surplus;
    }
    int dropped = 0;
    if (surplus > 0) {
        dropped = surplus;
        beginRemoveRows(QModelIndex(), 0, dropped - 1);
        lines_.erase(lines_.begin(), lines_.begin() + dropped);
        endRemoveRows();
    }

    const int first = rowCount();
    beginInsertRows(QModelIndex(), first, first + incoming - 1);
    for (qsizetype i = firstKept; i < lines.size(); ++i) {
        lines_.push_back(lines[i]);
    }
    endInsertRows();
    return dropped;
}

void LogModel::clear() {
    if (lines_.empty()) {
        return;
    }
    beginResetModel();
    lines_.clear();
    lines_.shrink_to_fit();
    endResetModel();
}

const QString& LogModel::line(int row) const {
    return lines_[static_cast<std::size_t>(row)];
}

} // namespace ga::qt
