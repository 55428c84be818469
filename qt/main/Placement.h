#pragma once

class QWidget;

namespace ga::qt {

// Places an added window beside `anchor` on the same screen: to its right where there is
// room, else to its left, else as far right as the screen allows; never taller or wider
// than the screen.
void placeBeside(QWidget& window, const QWidget& anchor);

} // namespace ga::qt
