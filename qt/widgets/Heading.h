#pragma once

class QFont;
class QLabel;

namespace ga::qt {

// Gives `label` the look of a heading in a window whose font is `windowFont`: bold and a
// quarter larger. Called again when the window's font changes (the presentation mode's),
// since a font set on a label no longer follows its window's size.
void makeHeading(QLabel& label, const QFont& windowFont);

} // namespace ga::qt
