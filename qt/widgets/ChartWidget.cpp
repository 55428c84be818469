#include "qt/widgets/ChartWidget.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <cmath>

namespace ga::qt {

namespace {

constexpr qreal kPenWidth = 1.0;

} // namespace

ChartWidget::ChartWidget(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    // The surface is painted completely from the backing image.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartWidget::setChartScale(const ChartScale& scale) {
    scale_ = scale;
}

void ChartWidget::setScaleTop(double y) {
    scale_.top = y;
}

void ChartWidget::cls() {
    circles_.clear();
    drawnCount_ = 0;
    ensureImage();
    image_.fill(Qt::white);
    updateDescription();
    update();
}

void ChartWidget::setDrawingScale(double scale, QSize design) {
    if (scale == drawingScale_ && design == designSurface_) {
        return;
    }
    // Circles still waiting belong to the surface they were placed on.
    drawPlaced();
    drawingScale_ = scale;
    designSurface_ = design;
    rebuildImage();
    update();
}

QSize ChartWidget::placementSurface() const {
    return drawingScale_ == 1 || designSurface_.isEmpty() ? surfaceSize() : designSurface_;
}

bool ChartWidget::place(double x, double y, double radius, QRgb colour) {
    const QSize surface = placementSurface();
    const auto mapped = mapCircle(scale_, x, y, radius, surface.width(), surface.height());
    if (!mapped) {
        return false;
    }
    // A circle wholly outside the surface leaves no trace and is not kept.
    const double reach = mapped->radius + kPenWidth;
    if (mapped->cx + reach < 0 || mapped->cy + reach < 0 || mapped->cx - reach > surface.width() ||
        mapped->cy - reach > surface.height()) {
        return false;
    }
    circles_.push_back({*mapped, colour});
    return true;
}

void ChartWidget::circle(double x, double y, double radius, const QColor& colour) {
    if (place(x, y, radius, colour.rgb())) {
        drawPlaced();
    }
}

void ChartWidget::apply(const std::vector<ChartCommand>& commands, Control picture) {
    for (const ChartCommand& c : commands) {
        if (c.picture != picture) {
            continue;
        }
        switch (c.kind) {
        case ChartCommand::Kind::Scale:
            // Circles placed so far belong to the old system and are drawn with it.
            drawPlaced();
            scale_ = ChartScale{c.x1, c.y1, c.x2 - c.x1, c.y2 - c.y1};
            break;
        case ChartCommand::Kind::ScaleTop:
            scale_.top = c.y1;
            break;
        case ChartCommand::Kind::Cls:
            cls();
            break;
        case ChartCommand::Kind::Refresh:
            drawPlaced();
            break;
        case ChartCommand::Kind::Circle: {
            const Colour colour = c.colour;
            place(c.x1, c.y1, c.x2,
                  qRgb(static_cast<int>(colour & 0xFFU), static_cast<int>((colour >> 8) & 0xFFU),
                       static_cast<int>((colour >> 16) & 0xFFU)));
            break;
        }
        }
    }
    drawPlaced();
}

void ChartWidget::drawPlaced() {
    if (drawnCount_ == circles_.size()) {
        return;
    }
    updateDescription();
    // An image made anew (first use, another size or pixel ratio) holds every circle.
    ensureImage();
    const QRect dirty = drawInto(image_, drawnCount_);
    drawnCount_ = circles_.size();
    if (!dirty.isEmpty()) {
        update(dirty);
    }
}

void ChartWidget::setDescription(const QString& description) {
    description_ = description;
    updateDescription();
}

void ChartWidget::paintEvent(QPaintEvent* event) {
    ensureImage();
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawImage(contentsRect().topLeft(), image_);
    drawFrame(&painter);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = contentsRect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void ChartWidget::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    ensureImage();
}

void ChartWidget::ensureImage() {
    const qreal ratio = devicePixelRatioF();
    const QSize wanted = surfaceSize() * ratio;
    if (!image_.isNull() && image_.size() == wanted && image_.devicePixelRatio() == ratio) {
        return;
    }
    rebuildImage();
}

void ChartWidget::rebuildImage() {
    const qreal ratio = devicePixelRatioF();
    QImage image(surfaceSize() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    // The drawing keeps its pixel positions: a larger surface shows more white, a
    // smaller one cuts the drawing off, as a picture box does.
    drawInto(image, 0);
    image_ = std::move(image);
    drawnCount_ = circles_.size();
}

QRect ChartWidget::drawInto(QImage& image, std::size_t first) const {
    if (image.isNull() || first >= circles_.size()) {
        return {};
    }
    QPainter painter(&image);
    const QRectF bounds = drawCircles(painter, first);
    return bounds.toAlignedRect().adjusted(-1, -1, 1, 1).translated(contentsRect().topLeft());
}

QRectF ChartWidget::drawCircles(QPainter& painter, std::size_t first) const {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    const qreal penWidth = kPenWidth * drawingScale_;
    QPen pen(Qt::black, penWidth);
    // From the placement surface to the real one: 1 unless the window is scaled.
    const QSize placed = placementSurface();
    const QSize surface = surfaceSize();
    const double fx =
        placed.width() > 0 ? static_cast<double>(surface.width()) / placed.width() : 1;
    const double fy =
        placed.height() > 0 ? static_cast<double>(surface.height()) / placed.height() : 1;
    QRectF bounds;
    for (std::size_t i = first; i < circles_.size(); ++i) {
        const Drawn& drawn = circles_[i];
        // Neighbouring circles often share a colour; the pen changes only when it differs.
        if (i == first || drawn.colour != circles_[i - 1].colour) {
            pen.setColor(QColor::fromRgb(drawn.colour));
            painter.setPen(pen);
        }
        const PixelCircle& c = drawn.circle;
        const QPointF centre(c.cx * fx, c.cy * fy);
        const double radius = c.radius * fx;
        painter.drawEllipse(centre, radius, radius);
        const double reach = radius + penWidth;
        bounds |= QRectF(centre.x() - reach, centre.y() - reach, 2 * reach, 2 * reach);
    }
    return bounds;
}

QImage ChartWidget::image() {
    drawPlaced();
    ensureImage();
    return image_;
}

void ChartWidget::paintDrawing(QPainter& painter) const {
    const QSize surface = surfaceSize();
    painter.save();
    painter.setClipRect(QRect(QPoint(0, 0), surface));
    painter.fillRect(QRect(QPoint(0, 0), surface), Qt::white);
    drawCircles(painter, 0);
    painter.restore();
}

void ChartWidget::updateDescription() {
    if (description_.isEmpty()) {
        return;
    }
    setAccessibleDescription(description_ + tr(" Çizilen nokta sayısı: %1.").arg(circles_.size()));
}

} // namespace ga::qt
