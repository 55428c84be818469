#include "ui/qt/ChartWidget.h"

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
    ensureImage();
    image_.fill(Qt::white);
    updateDescription();
    update();
}

void ChartWidget::refresh() {
    repaint();
}

void ChartWidget::circle(double x, double y, double radius, const QColor& colour) {
    const QSize surface = surfaceSize();
    const auto mapped = mapCircle(scale_, x, y, radius, surface.width(), surface.height());
    if (!mapped) {
        return;
    }
    // A circle wholly outside the surface leaves no trace and is not kept.
    const double reach = mapped->radius + kPenWidth;
    if (mapped->cx + reach < 0 || mapped->cy + reach < 0 || mapped->cx - reach > surface.width() ||
        mapped->cy - reach > surface.height()) {
        return;
    }
    ensureImage();
    circles_.push_back({*mapped, colour.rgb()});
    drawInto(image_, circles_.back());
    updateDescription();

    const QRectF bounds(mapped->cx - reach, mapped->cy - reach, 2 * reach, 2 * reach);
    update(bounds.toAlignedRect().adjusted(-1, -1, 1, 1).translated(contentsRect().topLeft()));
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
    for (const Drawn& drawn : circles_) {
        drawInto(image, drawn);
    }
    image_ = std::move(image);
}

void ChartWidget::drawInto(QImage& image, const Drawn& drawn) const {
    if (image.isNull()) {
        return;
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor::fromRgb(drawn.colour), kPenWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(drawn.circle.cx, drawn.circle.cy), drawn.circle.radius,
                        drawn.circle.radius);
}

void ChartWidget::updateDescription() {
    if (description_.isEmpty()) {
        return;
    }
    setAccessibleDescription(description_ +
                             QStringLiteral(" Çizilen nokta sayısı: %1.").arg(circles_.size()));
}

} // namespace ga::qt
