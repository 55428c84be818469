#include "qt/main/Startup.h"

#include <QStringList>
#include <QtGlobal>

namespace ga::qt {

namespace {

const QString kFormFamily = QStringLiteral("MS Sans Serif");
constexpr qreal kFormPointSize = 8.25;
constexpr qreal kFormulaPointSize = 12;

} // namespace

void installFontSubstitutions() {
    QFont::removeSubstitutions(kFormFamily);
    QFont::insertSubstitutions(kFormFamily,
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

QFont regularFont() {
    QFont font(kFormFamily);
    font.setPointSizeF(kFormPointSize);
    // Setting every attribute explicitly keeps a child's font from inheriting the bold
    // of the frame it sits in.
    font.setBold(false);
    font.setItalic(false);
    return font;
}

QFont boldFont() {
    QFont font = regularFont();
    font.setBold(true);
    return font;
}

QFont formulaFont() {
    QFont font = boldFont();
    font.setPointSizeF(kFormulaPointSize);
    return font;
}

bool displayAvailable() {
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace ga::qt
