#pragma once

#include "form/window/Controls.h"
#include "qt/main/MainWindow.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class QListWidget;
class QMessageBox;

namespace ga::test {

// What every window test does to the real window, as a person would: open it, type into
// a box, press a button, read a box or a list, walk the tab chain, look for message
// boxes. A test class derives from it and calls openWindow() from init().
class WindowFixture : public QObject {
  public:
    // Opens a fresh main window and waits until it is on screen; false if it never shows.
    bool openWindow();
    // Closes the message boxes left open and the window.
    void closeWindow();

    template <class T> T* get(Control c) const { return window->control<T>(c); }
    // Replaces the text of a box by typing, as a person does.
    void type(Control box, const QString& text) const;
    void press(Control button) const;
    [[nodiscard]] QString text(Control box) const;
    // Shows at once what the last ticks changed, instead of waiting for the next frame.
    void showNow() const;
    // Walks the tab chain until `target` has the focus; false if it is not on the chain.
    bool tabTo(Control target) const;

    static QStringList lines(const QListWidget* list);
    // The message boxes on screen.
    static QList<QMessageBox*> openBoxes();

    std::unique_ptr<qt::MainWindow> window;
};

} // namespace ga::test
