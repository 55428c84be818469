#include "qt/widgets/LineDelegate.h"

#include <QPainter>
#include <QStyle>
#include <QWidget>

#include <cmath>

namespace ga::qt {

namespace {

constexpr qsizetype kMaxLines = 2048;

// What the style would draw with nothing but the text: no icon, check box or wrapping,
// not selected, focused, hovered or being edited.
bool isPlainLine(const QStyleOptionViewItem& option) {
    constexpr auto kState = QStyle::State_Selected | QStyle::State_HasFocus |
                            QStyle::State_MouseOver | QStyle::State_Editing;
    return option.features == QStyleOptionViewItem::HasDisplay && !(option.state & kState) &&
           option.backgroundBrush.style() == Qt::NoBrush && !option.text.isEmpty() &&
           option.direction == Qt::LeftToRight && option.widget != nullptr;
}

} // namespace

void LineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    if (!isPlainLine(opt)) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const QWidget* widget = opt.widget;
    QStyle* style = widget->style();

    // The same text area the style uses: the row less a margin on either side.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect textRect = opt.rect.adjusted(margin, 0, -margin, 0);
    const QStaticText& line = laidOut(opt.text, opt.font);
    const QSizeF size = line.size();
    if (size.width() > textRect.width()) {
        // Too long for its row: the style elides or clips it.
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }

    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &opt, painter, widget);
    QPalette::ColorGroup group =
        (opt.state & QStyle::State_Enabled) != 0 ? QPalette::Normal : QPalette::Disabled;
    if (group == QPalette::Normal && !(opt.state & QStyle::State_Active)) {
        group = QPalette::Inactive;
    }
    const QRect layoutRect = QStyle::alignedRect(
        opt.direction, opt.displayAlignment,
        QSize(textRect.width(), static_cast<int>(std::ceil(size.height()))), textRect);
    painter->save();
    painter->setClipRect(opt.rect);
    painter->setPen(opt.palette.color(group, QPalette::Text));
    painter->setFont(opt.font);
    painter->drawStaticText(layoutRect.topLeft(), line);
    painter->restore();
}

const QStaticText& LineDelegate::laidOut(const QString& text, const QFont& font) const {
    if (font != font_ || lines_.size() >= kMaxLines) {
        lines_.clear();
        font_ = font;
    }
    auto it = lines_.find(text);
    if (it == lines_.end()) {
        QStaticText line(text);
        line.setTextFormat(Qt::PlainText);
        line.prepare(QTransform(), font);
        it = lines_.insert(text, line);
    }
    return *it;
}

} // namespace ga::qt
