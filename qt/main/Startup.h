#pragma once

#include <QFont>

namespace ga::qt {

// The name under which the launcher and the icon are installed; the window asks the icon
// theme for it and a Wayland desktop matches the window to its launcher by it.
inline constexpr char kApplicationId[] = "io.github.genetikalgoritma.GenetikAlgoritma";

// The window's caption, which also titles every message box, whatever the window's title
// says besides it.
inline constexpr char kCaption[] = "Genetik Algoritma - Ravik";

// The layout was designed for "MS Sans Serif"; it is asked for by name and stands in
// for Liberation Sans, which has every Turkish letter and the same metrics class, with
// DejaVu Sans as the last resort. Safe to call more than once.
void installFontSubstitutions();

// The window's fonts: 8.25 pt regular, 8.25 pt bold (frames, status line) and 12 pt
// bold (the formula's letters and plus signs).
QFont regularFont();
QFont boldFont();
QFont formulaFont();

// Whether a windowing system can be reached: a platform chosen explicitly, or an X11 or
// Wayland display in the environment.
bool displayAvailable();

} // namespace ga::qt
