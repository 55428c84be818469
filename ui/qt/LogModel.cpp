#include "ui/qt/LogModel.h"

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
    endResetModel();
}

const QString& LogModel::line(int row) const {
    return lines_[static_cast<std::size_t>(row)];
}

} // namespace ga::qt
