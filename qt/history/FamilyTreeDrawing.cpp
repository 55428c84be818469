#include "qt/history/FamilyTreeDrawing.h"

#include "qt/main/PresentationMode.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <utility>

namespace ga::qt {

namespace {

constexpr double kMargin = 12;
constexpr double kColumnGap = 150; // room for the labels of mutated lines
constexpr double kRowGap = 14;

const QColor kMutatedHere(200, 0, 0);
const QColor kMutatedBefore(210, 120, 0);

} // namespace

FamilyTreeDrawing::FamilyTreeDrawing(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void FamilyTreeDrawing::setTree(std::vector<TreeBox> boxes, std::vector<TreeLine> lines,
                                int columns, int rows) {
    boxes_ = std::move(boxes);
    lines_ = std::move(lines);
    columns_ = columns;
    rows_ = rows;
    // As wide as the widest text of any box.
    const QFontMetrics fm(font());
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics boldMetrics(bold);
    int widest = 150;
    for (const TreeBox& b : boxes_) {
        widest = std::max(
            {widest,
             boldMetrics.horizontalAdvance(b.gene + QStringLiteral("  ") + tr("(ortak ata)")),
             fm.horizontalAdvance(b.birth), fm.horizontalAdvance(b.value)});
    }
    boxWidth_ = widest + 14;
    updateGeometry();
    resize(sizeHint());
    update();
}

QSizeF FamilyTreeDrawing::boxSize() const {
    const QFontMetrics fm(font());
    return {static_cast<double>(boxWidth_), 3.0 * fm.height() + 10};
}

QSize FamilyTreeDrawing::sizeHint() const {
    const QSizeF box = boxSize();
    const double w = 2 * kMargin + columns_ * box.width() + std::max(0, columns_ - 1) * kColumnGap;
    const double h = 2 * kMargin + rows_ * box.height() + std::max(0, rows_ - 1) * kRowGap;
    return {static_cast<int>(std::ceil(w)), static_cast<int>(std::ceil(h))};
}

QRectF FamilyTreeDrawing::boxRect(int node) const {
    const QSizeF box = boxSize();
    const TreePlace& p = boxes_[static_cast<std::size_t>(node)].place;
    return {kMargin + p.column * (box.width() + kColumnGap),
            kMargin + p.row * (box.height() + kRowGap), box.width(), box.height()};
}

void FamilyTreeDrawing::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QFontMetrics fm(font());
    const double thick = lineScale(*this);

    for (const TreeLine& line : lines_) {
        const QRectF child = boxRect(line.child);
        const QRectF parent = boxRect(line.parent);
        // From the side of the child that faces the parent.
        const bool rightwards = parent.left() >= child.right();
        const QPointF from(rightwards ? child.right() : child.left(), child.center().y());
        const QPointF to(rightwards ? parent.left() : parent.right(), parent.center().y());
        const QColor colour =
            line.mutatedHere ? kMutatedHere : (line.mutatedBefore ? kMutatedBefore : Qt::black);
        painter.setPen(QPen(colour, (line.mutatedHere || line.mutatedBefore ? 2.0 : 1.0) * thick));
        painter.drawLine(from, to);
        if (!line.label.isEmpty()) {
            const QPointF middle = (from + to) / 2;
            const QRectF room(middle.x() - kColumnGap / 2 + 4, middle.y() - 2.2 * fm.height(),
                              kColumnGap - 8, 2.2 * fm.height());
            painter.drawText(room, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextWordWrap,
                             line.label);
        }
    }

    for (std::size_t n = 0; n < boxes_.size(); ++n) {
        const TreeBox& b = boxes_[n];
        const QRectF r = boxRect(static_cast<int>(n));
        QColor fill(245, 245, 245);
        if (b.chosen) {
            fill = QColor(220, 235, 255);
        } else if (b.origin == AncestorOrigin::Prepared) {
            fill = QColor(235, 250, 230);
        } else if (b.origin == AncestorOrigin::Forgotten) {
            fill = QColor(235, 235, 235);
        }
        painter.setPen(QPen(Qt::black, (b.shared ? 2.5 : 1.0) * thick,
                            b.origin == AncestorOrigin::Forgotten ? Qt::DashLine : Qt::SolidLine));
        painter.setBrush(fill);
        painter.drawRoundedRect(r, 4, 4);
        painter.setPen(Qt::black);
        QFont bold = font();
        bold.setBold(true);
        painter.setFont(bold);
        const QRectF text = r.adjusted(6, 4, -6, -4);
        painter.drawText(text, Qt::AlignLeft | Qt::AlignTop,
                         b.shared ? b.gene + QStringLiteral("  ") + tr("(ortak ata)") : b.gene);
        painter.setFont(font());
        painter.drawText(text.adjusted(0, fm.height(), 0, 0), Qt::AlignLeft | Qt::AlignTop,
                         b.birth + QLatin1Char('\n') + b.value);
    }
}

void FamilyTreeDrawing::mousePressEvent(QMouseEvent* event) {
    grabbed_ = event->globalPosition();
    QWidget::mousePressEvent(event);
}

void FamilyTreeDrawing::mouseMoveEvent(QMouseEvent* event) {
    // The scroll area is the viewport's parent; the drawing sits in its viewport.
    auto* area = parentWidget() != nullptr
                     ? qobject_cast<QScrollArea*>(parentWidget()->parentWidget())
                     : nullptr;
    if ((event->buttons() & Qt::LeftButton) == 0 || area == nullptr) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    const QPointF moved = event->globalPosition() - grabbed_;
    grabbed_ = event->globalPosition();
    QScrollBar* across = area->horizontalScrollBar();
    QScrollBar* down = area->verticalScrollBar();
    across->setValue(across->value() - static_cast<int>(std::lround(moved.x())));
    down->setValue(down->value() - static_cast<int>(std::lround(moved.y())));
}

} // namespace ga::qt
