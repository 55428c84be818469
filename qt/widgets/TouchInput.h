#pragma once

#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QTimer>

class QWidget;

namespace ga::qt {

// One finger on a window, read as a person means it: a tap is a click, a drag is a press
// and a move with the button held, and a long press stands for the right button (pressed
// once the finger has rested, released with the context menu when it lifts). Boards send touch, not
// mouse events, and have no right button. Installed on a window, it handles every single-finger
// touch on it; touches with more fingers are left to Qt.
class TouchInput : public QObject {
    Q_OBJECT

  public:
    // Handles the touches on `window` from now on. The hold is the desktop's press-and-hold
    // interval until setHoldTime changes it.
    explicit TouchInput(QWidget& window);

    // How long a finger has to rest for a long press, in milliseconds.
    void setHoldTime(int milliseconds);
    [[nodiscard]] int holdTime() const { return hold_.interval(); }

    // The filter installed on `window`, or null.
    static TouchInput* of(const QWidget& window);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    enum class State { Idle, Pending, Dragging, Held };

    void longPress();
    // The end of a long press: the right button's release and the context menu.
    void release();
    void sendMouse(int type, QPointF windowPos, Qt::MouseButton button, Qt::MouseButtons held);

    QWidget& window_;
    QTimer hold_;
    State state_ = State::Idle;
    QPointer<QWidget> target_;
    QPointF start_;
};

} // namespace ga::qt
