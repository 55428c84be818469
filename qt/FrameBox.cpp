#include "qt/FrameBox.h"

#include <QPainter>
#include <qdrawutil.h>

namespace ga::qt {

namespace {

constexpr int kCaptionIndent = 6;
constexpr int kCaptionPadding = 2;

} // namespace

FrameBox::FrameBox(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

void FrameBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int lineY = metrics.height() / 2;
    qDrawShadeRect(&painter, rect().adjusted(0, lineY, 0, 0), palette(), true, 1, 0);

    const QString caption = title();
    if (caption.isEmpty()) {
        return;
    }
    const QRect captionRect(kCaptionIndent, 0,
                            metrics.horizontalAdvance(caption) + 2 * kCaptionPadding,
                            metrics.height());
    painter.fillRect(captionRect, palette().window());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(captionRect, Qt::AlignCenter | Qt::TextSingleLine, caption);
}

} // namespace ga::qt
