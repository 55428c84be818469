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

int LogModel::append(std::span<const std::string> lines) {
    if (lines.empty()) {
        return 0;
    }
    // Of a batch longer than the capacity only its newest lines can stay.
    const auto incoming = static_cast<int>(std::min<std::size_t>(lines.size(), capacity_));
    const auto kept = lines.subspan(lines.size() - static_cast<std::size_t>(incoming));

    const int surplus = rowCount() + incoming - capacity_;
    if (surplus > 0 && surplus == incoming) {
        // A full log stays full: as many lines leave the front as arrive at the back. Told
        // as rows removed and added, a view would work through all its rows twice; told as
        // changed rows whose persistent indexes (selection, current row) move with their
        // lines, it repaints what it shows.
        for (const std::string& line : kept) {
            std::string reused = std::move(lines_.front());
            lines_.pop_front();
            reused.assign(line);
            lines_.push_back(std::move(reused));
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
    lines_.insert(lines_.end(), kept.begin(), kept.end());
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

QString LogModel::line(int row) const {
    const std::string& text = utf8(row);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

const std::string& LogModel::utf8(int row) const {
    return lines_[static_cast<std::size_t>(row)];
}

} // namespace ga::qt
