#include "qt/main/FrameBox.h"

#include <QPainter>
#include <qdrawutil.h>

#include <algorithm>
#include <cmath>

namespace ga::qt {

namespace {

constexpr int kCaptionIndent = 6;
constexpr int kCaptionPadding = 2;

} // namespace

FrameBox::FrameBox(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

void FrameBox::setScale(double scale) {
    if (scale != scale_) {
        scale_ = scale;
        update();
    }
}

void FrameBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int lineY = metrics.height() / 2;
    const int rule = std::max(1, static_cast<int>(std::lround(scale_)));
    qDrawShadeRect(&painter, rect().adjusted(0, lineY, 0, 0), palette(), true, rule, 0);

    const QString caption = title();
    if (caption.isEmpty()) {
        return;
    }
    const auto scaled = [this](int pixels) {
        return static_cast<int>(std::lround(pixels * scale_));
    };
    const QRect captionRect(scaled(kCaptionIndent), 0,
                            metrics.horizontalAdvance(caption) + 2 * scaled(kCaptionPadding),
                            metrics.height());
    painter.fillRect(captionRect, palette().window());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(captionRect, Qt::AlignCenter | Qt::TextSingleLine, caption);
}

} // namespace ga::qt
