#include "qt/widgets/Heading.h"

#include <QFont>
#include <QLabel>

namespace ga::qt {

void makeHeading(QLabel& label, const QFont& windowFont) {
    QFont font = windowFont;
    font.setPointSizeF(font.pointSizeF() * 1.25);
    font.setBold(true);
    label.setFont(font);
}

} // namespace ga::qt
