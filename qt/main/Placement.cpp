#include "qt/main/Placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace ga::qt {

void placeBeside(QWidget& window, const QWidget& anchor) {
    const QRect frame = anchor.frameGeometry();
    const QScreen* screen =
        anchor.screen() != nullptr ? anchor.screen() : QGuiApplication::primaryScreen();
    const QRect room = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1280, 800);
    window.resize(std::min(window.width(), room.width()), std::min(window.height(), room.height()));
    constexpr int kGap = 8;
    int x = frame.right() + kGap;
    if (x + window.width() > room.right()) {
        x = frame.left() - kGap - window.width() >= room.left()
                ? frame.left() - kGap - window.width()
                : room.right() - window.width();
    }
    const int y =
        std::clamp(frame.top(), room.top(), std::max(room.top(), room.bottom() - window.height()));
    window.move(std::max(room.left(), x), y);
}

} // namespace ga::qt
