#include "qt/main/ReportLog.h"

#include "qt/widgets/LineDelegate.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionViewItem>

#include <algorithm>
#include <cmath>

namespace ga::qt {

ReportLog::ReportLog(QWidget* parent) : QTableView(parent), model_(new LogModel(this)) {
    setModel(model_);
    setItemDelegate(new LineDelegate(this));
    // One column of lines, as a list shows them: no headers, no grid, whole rows.
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // All rows have the same height: nothing is measured per row.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    // Tab moves on to the next control, as it does from a list.
    setTabKeyNavigation(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Whole rows per scroll step, so dropping rows at the front maps onto the scroll value.
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setTextElideMode(Qt::ElideNone);
    fitRowsToFont();

    // The view follows the newest line while the user is at the bottom. Whether they are
    // is decided by where they scroll to, not by the range: a horizontal scroll bar that
    // appears takes a row from the view and would otherwise end the following.
    QScrollBar* bar = verticalScrollBar();
    connect(bar, &QScrollBar::valueChanged, this,
            [this, bar](int value) { following_ = value >= bar->maximum(); });
    connect(bar, &QScrollBar::rangeChanged, this, [this, bar](int /*min*/, int max) {
        if (following_) {
            bar->setValue(max);
        }
    });
}

void ReportLog::showLog(const ga::ReportLog* log) {
    widestLine_ = 0;
    model_->show(log);
    refresh();
}

void ReportLog::refresh() {
    if (model_->resetIfCleared()) {
        widestLine_ = 0;
    }
    const bool follow = following_;
    const int oldValue = verticalScrollBar()->value();
    const bool hadCurrent = currentIndex().isValid();

    const int widest = widestLine_;
    const LogModel::Change change = model_->refresh();
    if (change.added == 0) {
        return;
    }
    const int rows = model_->rowCount();
    const int oldCount = rows - change.added + change.dropped;
    for (int row = rows - change.added; row < rows; ++row) {
        widestLine_ = std::max(widestLine_, lineWidth(model_->utf8(row)));
    }
    const int dropped = change.dropped;
    if (widestLine_ != widest) {
        // A full log keeps its rows and lays nothing out by itself: widen the column now.
        updateGeometries();
    }

    if (hadCurrent && !currentIndex().isValid() && dropped < oldCount) {
        // The current line left the front of a full log; as when rows are removed, the
        // first line that stayed becomes the current (and selected) one.
        setCurrentIndex(model_->index(0));
    }

    if (follow) {
        scrollToBottom();
    } else if (dropped > 0) {
        // The lines on show moved up by the rows dropped at the front; scroll with them.
        executeDelayedItemsLayout();
        verticalScrollBar()->setValue(std::max(0, oldValue - dropped));
    }
}

int ReportLog::lineCount() const {
    return model_->rowCount();
}

void ReportLog::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        fitRowsToFont();
    }
}

void ReportLog::updateGeometries() {
    // The column is as wide as the widest line, so the view scrolls far enough to the
    // right for any line, and never narrower than the view, so a selected row is marked
    // across the whole view as in a list.
    const int wanted = std::max(viewport()->width(), widestLine_ + textPadding_);
    if (horizontalHeader()->count() > 0 && horizontalHeader()->sectionSize(0) != wanted) {
        horizontalHeader()->resizeSection(0, wanted);
    }
    QTableView::updateGeometries();
}

QModelIndex ReportLog::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) {
    // Home and End go to the first and the last line, as in a list.
    const int rows = model_->rowCount();
    if ((cursorAction == MoveHome || cursorAction == MoveEnd) && rows > 0) {
        return model_->index(cursorAction == MoveHome ? 0 : rows - 1);
    }
    return QTableView::moveCursor(cursorAction, modifiers);
}

void ReportLog::fitRowsToFont() {
    // A row is as high as a list row in this font: the size the style gives a line of text.
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.features |= QStyleOptionViewItem::HasDisplay;
    option.text = QStringLiteral("Ğg");
    const QSize hint = style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this);
    verticalHeader()->setDefaultSectionSize(hint.height());
    textPadding_ = std::max(0, hint.width() - fontMetrics().horizontalAdvance(option.text));

    advances_.fill(-1);
    widestLine_ = 0;
    for (int row = 0; row < model_->rowCount(); ++row) {
        widestLine_ = std::max(widestLine_, lineWidth(model_->utf8(row)));
    }
    updateGeometries();
}

qreal ReportLog::advance(char32_t c) {
    if (c < advances_.size()) {
        qreal& known = advances_[c];
        if (known < 0) {
            known = QFontMetricsF(font()).horizontalAdvance(QChar(static_cast<char16_t>(c)));
        }
        return known;
    }
    return QFontMetricsF(font()).horizontalAdvance(QChar(static_cast<char16_t>(c)));
}

int ReportLog::lineWidth(std::string_view utf8) {
    // Advances are fractions of a pixel; rounding each would add up to pixels. The line is
    // read in UTF-8 as it is kept; nearly every letter of the narration is ASCII.
    qreal width = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            width += advance(lead);
            ++i;
        } else if (lead >= 0xC0 && lead < 0xE0 && i + 1 < utf8.size()) {
            width +=
                advance(((lead & 0x1FU) << 6U) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3FU));
            i += 2;
        } else {
            // Longer letters (such as the infinity sign) are rare: measure them whole.
            const std::size_t length = std::min<std::size_t>(lead >= 0xF0 ? 4 : 3, utf8.size() - i);
            width += QFontMetricsF(font()).horizontalAdvance(
                QString::fromUtf8(utf8.data() + i, static_cast<qsizetype>(length)));
            i += length;
        }
    }
    return static_cast<int>(std::ceil(width));
}

} // namespace ga::qt
