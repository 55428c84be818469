#include "ui/qt/ReportLog.h"

#include <QFontMetrics>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <algorithm>

namespace ga::qt {

namespace {

// Every row is as wide as the widest line seen, so the view, which sizes all rows alike
// for speed, still scrolls far enough to the right for any line.
class WidestLineDelegate : public QStyledItemDelegate {
  public:
    WidestLineDelegate(const int& widest, QObject* parent)
        : QStyledItemDelegate(parent), widest_(widest) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        const int textWidth = option.fontMetrics.horizontalAdvance(index.data().toString());
        size.setWidth(std::max(size.width(), size.width() - textWidth + widest_));
        return size;
    }

  private:
    const int& widest_;
};

} // namespace

ReportLog::ReportLog(QWidget* parent, int capacity)
    : QListView(parent), model_(new LogModel(this, capacity)) {
    setModel(model_);
    setItemDelegate(new WidestLineDelegate(widestLine_, this));
    // All rows have the same height: layout stays cheap with a hundred thousand lines.
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Whole rows per scroll step, so dropping rows at the front maps onto the scroll value.
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setTextElideMode(Qt::ElideNone);

    flushTimer_.setSingleShot(true);
    flushTimer_.setInterval(kFlushIntervalMs);
    connect(&flushTimer_, &QTimer::timeout, this, &ReportLog::flush);
}

void ReportLog::addLine(const QString& line) {
    pending_.append(line);
    if (!flushTimer_.isActive()) {
        flushTimer_.start();
    }
}

void ReportLog::clearLines() {
    pending_.clear();
    flushTimer_.stop();
    widestLine_ = 0;
    model_->clear();
}

void ReportLog::flush() {
    flushTimer_.stop();
    if (pending_.isEmpty()) {
        return;
    }
    const bool follow = atBottom();
    const int oldValue = verticalScrollBar()->value();

    const QFontMetrics metrics(font());
    for (const QString& line : std::as_const(pending_)) {
        widestLine_ = std::max(widestLine_, metrics.horizontalAdvance(line));
    }
    const int dropped = model_->append(pending_);
    pending_.clear();

    if (follow) {
        scrollToBottom();
    } else if (dropped > 0) {
        // The lines on show moved up by the rows dropped at the front; scroll with them.
        executeDelayedItemsLayout();
        verticalScrollBar()->setValue(std::max(0, oldValue - dropped));
    }
}

int ReportLog::lineCount() const {
    return model_->rowCount() + static_cast<int>(pending_.size());
}

bool ReportLog::atBottom() const {
    const QScrollBar* bar = verticalScrollBar();
    return bar->value() >= bar->maximum();
}

} // namespace ga::qt
