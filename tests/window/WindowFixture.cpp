#include "tests/window/WindowFixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

namespace ga::test {

bool WindowFixture::openWindow() {
    // What a test changes in the settings (the language chosen) goes to a place of its own.
    QStandardPaths::setTestModeEnabled(true);
    window = std::make_unique<qt::MainWindow>(".");
    window->show();
    return QTest::qWaitForWindowExposed(window.get());
}

void WindowFixture::closeWindow() {
    for (QMessageBox* box : openBoxes()) {
        box->close();
    }
    window.reset();
}

void WindowFixture::type(Control box, const QString& text) const {
    auto* edit = get<QLineEdit>(box);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void WindowFixture::press(Control button) const {
    QTest::mouseClick(get<QPushButton>(button), Qt::LeftButton);
}

QString WindowFixture::text(Control box) const {
    return get<QLineEdit>(box)->text();
}

void WindowFixture::showNow() const {
    window->flushDisplay();
}

bool WindowFixture::tabTo(Control target) const {
    for (int step = 0; step < 100; ++step) {
        if (QApplication::focusWidget() == get<QWidget>(target)) {
            return true;
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return false;
}

QStringList WindowFixture::lines(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) {
        out << list->item(i)->text();
    }
    return out;
}

QList<QMessageBox*> WindowFixture::openBoxes() {
    QList<QMessageBox*> boxes;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(w); box != nullptr && box->isVisible()) {
            boxes.append(box);
        }
    }
    return boxes;
}

} // namespace ga::test
