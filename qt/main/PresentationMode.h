#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>

class QAction;
class QMenu;
class QWidget;

namespace ga::qt {

class MainWindowBase;
class TouchBar;

// The mode for the classroom board ("Sunum modu", F11, --present): the main window full
// screen with its whole layout scaled by one factor, a bar of touch buttons along the
// bottom, larger menus, and the added windows following with larger fonts and lines, placed
// low where a teacher reaches them. Off, the window is exactly as designed. The choice is
// remembered between starts, as the language is.
class PresentationMode : public QObject {
    Q_OBJECT

  public:
    // Adds the mode's item to `menu`.
    PresentationMode(MainWindowBase& window, QMenu& menu);

    void setOn(bool on);
    [[nodiscard]] bool isOn() const { return on_; }
    // The layout's scale: 1 while the mode is off.
    [[nodiscard]] double scale() const { return scale_; }
    // The scale of the menus and the added windows, gentler than the layout's so that
    // they fit beside it: 1 while the mode is off.
    [[nodiscard]] double companionScale() const;
    [[nodiscard]] QAction* action() const { return action_; }
    // The touch bar, made when the mode is first switched on.
    [[nodiscard]] TouchBar* bar() const { return bar_; }

    void retranslate();

    // Whether the mode was on when the program last ended; and to remember it.
    static bool remembered();
    static void remember(bool on);

    // An added window follows the mode of the main window it belongs to from now on, and
    // takes touch (tap, drag, long press) in either mode. Safe to call more than once.
    static void follow(QWidget& window);
    // Larger fonts and lines for an added window at `scale`, or back to its own with `on`
    // false; an added window being shown for the first time goes low on the screen.
    static void applyTo(QWidget& window, bool on, double scale);

  signals:
    void changed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void relayout();
    void scaleMenus(double scale);

    MainWindowBase& window_;
    QAction* action_;
    TouchBar* bar_ = nullptr;
    bool on_ = false;
    double scale_ = 1;
    // Where the window was before the mode, to go back to.
    QRect normalGeometry_;
    bool hadPlace_ = false;
};

// How much thicker an added window's lines are drawn: its presentation scale, 1 normally.
double lineScale(const QWidget& widget);

} // namespace ga::qt
