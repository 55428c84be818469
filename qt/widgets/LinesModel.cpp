#include "qt/widgets/LinesModel.h"

#include <algorithm>

namespace ga::qt {

void LinesModel::setLines(const QStringList& lines) {
    const auto old = static_cast<int>(lines_.size());
    const auto now = static_cast<int>(lines.size());
    if (now < old) {
        beginRemoveRows({}, now, old - 1);
        lines_.resize(now);
        endRemoveRows();
    }
    // Changed rows in runs, one signal per run.
    const int kept = std::min(old, now);
    for (int row = 0; row < kept;) {
        if (lines_[row] == lines[row]) {
            ++row;
            continue;
        }
        const int first = row;
        while (row < kept && lines_[row] != lines[row]) {
            lines_[row] = lines[row];
            ++row;
        }
        emit dataChanged(index(first), index(row - 1));
    }
    if (now > old) {
        beginInsertRows({}, old, now - 1);
        lines_.append(lines.mid(old));
        endInsertRows();
    }
}

int LinesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant LinesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= lines_.size() ||
        (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)) {
        return {};
    }
    return lines_[index.row()];
}

} // namespace ga::qt
