#include "qt/widgets/TouchInput.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QTouchEvent>
#include <QWidget>

namespace ga::qt {

TouchInput::TouchInput(QWidget& window) : QObject(&window), window_(window) {
    setObjectName(QStringLiteral("touchInput"));
    hold_.setSingleShot(true);
    hold_.setInterval(QGuiApplication::styleHints()->mousePressAndHoldInterval());
    connect(&hold_, &QTimer::timeout, this, &TouchInput::longPress);
    window.setAttribute(Qt::WA_AcceptTouchEvents);
    window.installEventFilter(this);
}

void TouchInput::setHoldTime(int milliseconds) {
    hold_.setInterval(milliseconds);
}

TouchInput* TouchInput::of(const QWidget& window) {
    return window.findChild<TouchInput*>(QStringLiteral("touchInput"), Qt::FindDirectChildrenOnly);
}

bool TouchInput::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched != &window_ || (type != QEvent::TouchBegin && type != QEvent::TouchUpdate &&
                                type != QEvent::TouchEnd && type != QEvent::TouchCancel)) {
        return QObject::eventFilter(watched, event);
    }
    auto* touch = static_cast<QTouchEvent*>(event);
    if (type == QEvent::TouchCancel) {
        if (state_ == State::Dragging) {
            sendMouse(QEvent::MouseButtonRelease, start_, Qt::LeftButton, Qt::NoButton);
        }
        hold_.stop();
        state_ = State::Idle;
        return true;
    }
    if (touch->points().size() != 1 && state_ == State::Idle) {
        return false; // more fingers: Qt's own gestures
    }
    const QPointF at = touch->points().front().position();
    switch (type) {
    case QEvent::TouchBegin: {
        QWidget* child = window_.childAt(at.toPoint());
        target_ = child != nullptr ? child : &window_;
        start_ = at;
        state_ = State::Pending;
        hold_.start();
        break;
    }
    case QEvent::TouchUpdate:
        if (state_ == State::Pending &&
            (at - start_).manhattanLength() >= QGuiApplication::styleHints()->startDragDistance()) {
            // A finger that moves is a drag: the press where it landed, then the moves.
            hold_.stop();
            state_ = State::Dragging;
            sendMouse(QEvent::MouseButtonPress, start_, Qt::LeftButton, Qt::LeftButton);
        }
        if (state_ == State::Dragging) {
            sendMouse(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
        }
        break;
    default: // TouchEnd
        hold_.stop();
        if (state_ == State::Pending) {
            sendMouse(QEvent::MouseButtonPress, start_, Qt::LeftButton, Qt::LeftButton);
            sendMouse(QEvent::MouseButtonRelease, start_, Qt::LeftButton, Qt::NoButton);
        } else if (state_ == State::Dragging) {
            sendMouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
        } else if (state_ == State::Held) {
            release();
        }
        state_ = State::Idle;
        break;
    }
    event->accept();
    return true;
}

void TouchInput::longPress() {
    if (state_ != State::Pending || target_ == nullptr) {
        return;
    }
    // The right button goes down now, which chooses the row under the finger in a table;
    // it comes up with the finger, and the menu opens then, so that the lifting finger
    // does not fall on the menu and close it.
    state_ = State::Held;
    sendMouse(QEvent::MouseButtonPress, start_, Qt::RightButton, Qt::RightButton);
}

void TouchInput::release() {
    sendMouse(QEvent::MouseButtonRelease, start_, Qt::RightButton, Qt::NoButton);
    if (target_ == nullptr) {
        return;
    }
    const QPoint local = target_->mapFrom(&window_, start_.toPoint());
    QContextMenuEvent menu(QContextMenuEvent::Mouse, local, target_->mapToGlobal(local));
    QApplication::sendEvent(target_, &menu);
}

void TouchInput::sendMouse(int type, QPointF windowPos, Qt::MouseButton button,
                           Qt::MouseButtons held) {
    if (target_ == nullptr) {
        return;
    }
    const QPointF local = target_->mapFrom(&window_, windowPos);
    if (type == QEvent::MouseButtonPress) {
        // Qt gives the focus on a press only for events from the window system; a finger's
        // press gives it as a click would, to the first widget up the line that takes it.
        for (QWidget* w = target_; w != nullptr; w = w->parentWidget()) {
            if (w->isEnabled() && (w->focusPolicy() & Qt::ClickFocus) == Qt::ClickFocus) {
                w->setFocus(Qt::MouseFocusReason);
                break;
            }
            if (w->isWindow()) {
                break;
            }
        }
    }
    QMouseEvent mouse(static_cast<QEvent::Type>(type), local, windowPos,
                      target_->mapToGlobal(local), button, held, Qt::NoModifier);
    QApplication::sendEvent(target_, &mouse);
}

} // namespace ga::qt
