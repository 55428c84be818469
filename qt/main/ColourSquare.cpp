#include "qt/main/ColourSquare.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace ga::qt {

ColourSquare::ColourSquare(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
}

void ColourSquare::setColour(const QColor& colour) {
    if (colour_ == colour) {
        return;
    }
    colour_ = colour;
    update();
}

void ColourSquare::clearColour() {
    if (colour_) {
        colour_.reset();
        update();
    }
}

void ColourSquare::setDigit(const QString& digit) {
    if (digit == digit_) {
        return;
    }
    if (baseName_.isEmpty()) {
        baseName_ = accessibleName();
    }
    digit_ = digit;
    setAccessibleName(digit.isEmpty() ? baseName_ : baseName_ + QStringLiteral(": ") + digit);
}

void ColourSquare::setBaseName(const QString& name) {
    baseName_ = name;
    setAccessibleName(digit_.isEmpty() ? baseName_ : baseName_ + QStringLiteral(": ") + digit_);
}

QColor ColourSquare::shownColour() const {
    return colour_.value_or(palette().color(QPalette::Button));
}

void ColourSquare::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(contentsRect(), shownColour());
    drawFrame(&painter);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = contentsRect().adjusted(1, 1, -1, -1);
        option.backgroundColor = shownColour();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

} // namespace ga::qt
