#include "qt/main/LogModel.h"

#include <algorithm>
#include <limits>

namespace ga::qt {

LogModel::LogModel(QObject* parent) : QAbstractListModel(parent) {}

int LogModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
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

void LogModel::show(const ga::ReportLog* log) {
    if (log_ != nullptr) {
        log_->keepFrom(std::numeric_limits<std::uint64_t>::max());
    }
    beginResetModel();
    log_ = log;
    rows_ = 0;
    first_ = log != nullptr ? log->first() : 0;
    clears_ = log != nullptr ? log->clears() : 0;
    endResetModel();
    keep();
}

void LogModel::keep() {
    if (log_ != nullptr) {
        log_->keepFrom(first_);
    }
}

bool LogModel::resetIfCleared() {
    if (log_ == nullptr || log_->clears() == clears_) {
        return false;
    }
    // Whatever came after the clear comes with the next refresh.
    clears_ = log_->clears();
    if (rows_ > 0) {
        beginResetModel();
        rows_ = 0;
        endResetModel();
    }
    first_ = log_->first();
    keep();
    return true;
}

LogModel::Change LogModel::refresh() {
    const Change change = catchUp();
    keep();
    return change;
}

LogModel::Change LogModel::catchUp() {
    Change change;
    resetIfCleared();
    if (log_ == nullptr) {
        return change;
    }
    const auto capacity = static_cast<int>(log_->capacity());
    const std::uint64_t shownEnd = first_ + static_cast<std::uint64_t>(rows_);
    if (log_->next() == shownEnd) {
        return change;
    }
    // Of more lines than the log holds only its newest can be shown.
    const auto incoming =
        static_cast<int>(std::min<std::uint64_t>(log_->next() - shownEnd, log_->capacity()));

    change.added = incoming;
    const int surplus = rows_ + incoming - capacity;
    if (surplus > 0 && surplus == incoming) {
        // A full log stays full: as many lines leave the front as arrive at the back. Told
        // as rows removed and added, a view would work through all its rows twice; told as
        // changed rows whose persistent indexes (selection, current row) move with their
        // lines, it repaints what it shows.
        first_ = log_->first();
        const QModelIndexList before = persistentIndexList();
        QModelIndexList after;
        after.reserve(before.size());
        for (const QModelIndex& index : before) {
            after.append(index.row() >= surplus ? this->index(index.row() - surplus)
                                                : QModelIndex());
        }
        changePersistentIndexList(before, after);
        emit dataChanged(index(0), index(rows_ - 1), {Qt::DisplayRole, Qt::ToolTipRole});
        change.dropped = surplus;
        return change;
    }
    if (surplus > 0) {
        change.dropped = surplus;
        beginRemoveRows(QModelIndex(), 0, surplus - 1);
        rows_ -= surplus;
        first_ += static_cast<std::uint64_t>(surplus);
        endRemoveRows();
    }
    first_ = log_->next() - static_cast<std::uint64_t>(rows_ + incoming);
    beginInsertRows(QModelIndex(), rows_, rows_ + incoming - 1);
    rows_ += incoming;
    endInsertRows();
    return change;
}

QString LogModel::line(int row) const {
    const std::string_view text = utf8(row);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string_view LogModel::utf8(int row) const {
    if (log_ == nullptr) {
        return {};
    }
    // Until the next refresh a row keeps its line, which the log keeps for it.
    const std::string* line = log_->find(first_ + static_cast<std::uint64_t>(row));
    return line != nullptr ? std::string_view(*line) : std::string_view();
}

} // namespace ga::qt
