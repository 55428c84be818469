#pragma once

#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QString>
#include <QStyledItemDelegate>

namespace ga::qt {

// Paints the rows of the lists and the log as the style does, but lays each distinct
// line out once: the style lays a row's text out three times whenever it is painted, and
// at the fastest speed the rows are painted every frame. Anything but a plain line of
// text that fits its row (a selected or focused row, an icon, a line that must be elided)
// is left to the style.
class LineDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

  private:
    const QStaticText& laidOut(const QString& text, const QFont& font) const;

    // Lines laid out in `font_`; emptied when it grows large, as the lines on show change.
    mutable QHash<QString, QStaticText> lines_;
    mutable QFont font_;
};

} // namespace ga::qt
