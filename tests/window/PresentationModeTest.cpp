#include "qt/main/PresentationMode.h"
#include "form/window/ControlTable.h"
#include "form/window/Form1.h"
#include "form/window/PresentationLayout.h"
#include "qt/experiments/ExperimentWindow.h"
#include "qt/history/FamilyTreeWindow.h"
#include "qt/history/HistoryWindow.h"
#include "qt/main/TouchBar.h"
#include "qt/searchspace/SearchSpaceMap.h"
#include "qt/searchspace/SearchSpaceWindow.h"
#include "qt/widgets/ChartWidget.h"
#include "qt/widgets/TouchInput.h"
#include "tests/window/WindowFixture.h"
#include "tests/window/WindowTestMain.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPointingDevice>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QTableView>
#include <QTest>

#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <vector>

using ga::Control;
using ga::ControlRow;
using namespace ga::qt;

namespace {

QPointingDevice* touchScreen() {
    static QPointingDevice* device = QTest::createTouchDevice();
    return device;
}

// A finger on `window` is never taken for a long press, however slowly the test runs:
// only the test that presses long says when a press has lasted.
void noLongPress(QWidget* window) {
    if (TouchInput* touch = TouchInput::of(*window)) {
        touch->setHoldTime(std::numeric_limits<int>::max());
    }
}

// A finger put down on `w` at `at` and lifted again.
void tap(QWidget* w, QPoint at) {
    QTest::touchEvent(w, touchScreen()).press(0, at, w);
    QTest::touchEvent(w, touchScreen()).release(0, at, w);
}

void tap(QWidget* w) {
    tap(w, w->rect().center());
}

// A finger put down at `from` and drawn to `to` in small steps, then lifted.
void drag(QWidget* w, QPoint from, QPoint to) {
    QTest::touchEvent(w, touchScreen()).press(0, from, w);
    constexpr int kSteps = 8;
    for (int i = 1; i <= kSteps; ++i) {
        QTest::touchEvent(w, touchScreen()).move(0, from + (to - from) * i / kSteps, w);
    }
    QTest::touchEvent(w, touchScreen()).release(0, to, w);
}

// The width of the dark outline where the row through the chart's middle first meets it.
int outlineWidth(const QImage& image) {
    const int y = image.height() / 2;
    int run = 0;
    for (int x = 0; x < image.width(); ++x) {
        if (qGray(image.pixel(x, y)) < 128) {
            ++run;
        } else if (run > 0) {
            break;
        }
    }
    return run;
}

} // namespace

// The presentation mode as a teacher at a board uses it: switched on with F11, worked by
// finger from the bar at the bottom and on the added windows, and switched off again.
class PresentationModeTest : public ga::test::WindowFixture {
    Q_OBJECT

  private slots:
    void init() { QVERIFY(openWindow()); }
    void cleanup() { closeWindow(); }

    void scaledLayoutKeepsEveryControlAndLeavingRestoresIt_data();
    void scaledLayoutKeepsEveryControlAndLeavingRestoresIt();
    void chartsAreDrawnSharpWithThickLines();
    void touchBarRunsTheLesson();
    void touchWorksOnTheAddedWindows();
    void editableBoxesAnnounceTheirFocus();

  private:
    // Switches the mode on with F11, on the test platform's own screen or, for a larger
    // one, with the window given that screen's size.
    PresentationMode& present(QSize screen = {}) {
        window->activateWindow();
        QTest::keyClick(window.get(), Qt::Key_F11);
        noLongPress(window.get());
        if (!screen.isValid()) {
            QCoreApplication::processEvents();
            return window->presentation();
        }
        // The test platform's screen is small and keeps a full-screen window at its size.
        // (Touch reaches only what lies on a screen, so the touch tests keep to its size.)
        window->setWindowState(window->windowState() & ~Qt::WindowFullScreen);
        window->resize(screen);
        QCoreApplication::processEvents();
        return window->presentation();
    }
};

void PresentationModeTest::scaledLayoutKeepsEveryControlAndLeavingRestoresIt_data() {
    QTest::addColumn<QSize>("screen");
    QTest::newRow("1920x1080") << QSize(1920, 1080);
    QTest::newRow("3840x2160") << QSize(3840, 2160);
}

// Scaled, every control keeps its place relative to the others: its rectangle as designed
// times the one factor, to a pixel, the window's own controls shifted by the same offset,
// and its font grown by the factor; none of it lies under the touch bar. Leaving the mode
// gives back the window exactly as designed: every control's place, size and font, the
// menus' font, the window where it was, and no touch bar; and the choice is remembered.
void PresentationModeTest::scaledLayoutKeepsEveryControlAndLeavingRestoresIt() {
    QFETCH(QSize, screen);
    std::map<Control, std::pair<QRect, QFont>> before;
    for (const ControlRow& row : ga::controlTable()) {
        if (QWidget* w = window->control(row.id)) {
            before[row.id] = {w->geometry(), w->font()};
        }
    }
    const QFont menuFont = window->menuBar()->font();
    const QRect placed = window->geometry();
    PresentationMode& mode = present(screen);
    QVERIFY(PresentationMode::remembered());
    const double s = mode.scale();
    QVERIFY2(s > 1.5, qPrintable(QString::number(s)));
    const QPoint origin = window->control(Control::Frame1)->pos();
    const int barTop = mode.bar()->mapTo(window.get(), QPoint()).y();
    for (const ControlRow& row : ga::controlTable()) {
        QWidget* w = window->control(row.id);
        if (w == nullptr) {
            continue;
        }
        const char* name = qPrintable(w->objectName());
        const QRect was = before[row.id].first;
        const QRect now = w->geometry().translated(row.parent == ga::kWindow ? -origin : QPoint());
        QVERIFY2(std::abs(now.left() - was.left() * s) <= 1, name);
        QVERIFY2(std::abs(now.top() - was.top() * s) <= 1, name);
        // A label may grow to show its caption whole, as it does unscaled; a line keeps
        // a visible thickness.
        if (qobject_cast<QLabel*>(w) == nullptr && row.kind != ga::ControlKind::Line) {
            QVERIFY2(std::abs(now.width() - was.width() * s) <= 1, name);
            QVERIFY2(std::abs(now.height() - was.height() * s) <= 1, name);
        }
        QVERIFY2(std::abs(w->font().pointSizeF() - before[row.id].second.pointSizeF() * s) < 0.01,
                 name);
        QVERIFY2(w->mapTo(window.get(), QPoint(0, w->height())).y() <= barTop, name);
    }

    QTest::keyClick(window.get(), Qt::Key_F11);
    QVERIFY(!mode.isOn());
    QVERIFY(!PresentationMode::remembered());
    for (const auto& [id, was] : before) {
        QCOMPARE(window->control(id)->geometry(), was.first);
        QCOMPARE(window->control(id)->font(), was.second);
    }
    QCOMPARE(window->menuBar()->font(), menuFont);
    QCOMPARE(window->geometry(), placed);
    QVERIFY(!mode.bar()->isVisible());
}

// The charts are drawn anew at the scaled size, not stretched: the image has the surface's
// own pixels, and a circle's outline is at least three pixels wide on a 4K screen while it
// stays one pixel wide as designed.
void PresentationModeTest::chartsAreDrawnSharpWithThickLines() {
    auto* chart = get<ChartWidget>(Control::Picture1);
    const auto drawOne = [chart] {
        chart->setChartScale(ga::ChartScale{0, 0, 100, 100});
        chart->cls();
        chart->circle(50, 50, 20, Qt::black);
        return chart->image();
    };
    const int designed = outlineWidth(drawOne());
    QVERIFY(designed >= 1 && designed <= 2);

    present(QSize(3840, 2160));
    const QImage scaled = drawOne();
    QCOMPARE(scaled.size(), chart->surfaceSize() * chart->devicePixelRatioF());
    QVERIFY(chart->surfaceSize().width() > 3 * 200);
    QVERIFY2(outlineWidth(scaled) >= 3, qPrintable(QString::number(outlineWidth(scaled))));
}

// Every lesson command is a large button in the lower half of the screen; a finger's tap
// does what the window's own button or item does, and the bar follows whether it is usable.
void PresentationModeTest::touchBarRunsTheLesson() {
    type(Control::Text1, QStringLiteral("100000"));
    PresentationMode& mode = present();
    TouchBar* bar = mode.bar();
    for (QPushButton* button : bar->buttons()) {
        QVERIFY2(button->height() >= ga::kTouchTargetPixels, qPrintable(button->objectName()));
        QVERIFY(button->width() >= ga::kTouchTargetPixels);
        QVERIFY(button->mapTo(window.get(), QPoint()).y() > window->height() / 2);
    }
    const auto button = [bar](const char* name) {
        return bar->findChild<QPushButton*>(QString::fromLatin1(name));
    };
    const auto status = [this] { return get<QLabel>(Control::status)->text(); };
    QVERIFY(!button("touchCommand2")->isEnabled());

    tap(button("touchFaster"));
    QCOMPARE(text(Control::Text4), QStringLiteral("16"));
    tap(button("touchSlower"));
    tap(button("touchSlower"));
    QCOMPARE(text(Control::Text4), QStringLiteral("4"));

    tap(button("touchCommand1"));
    QCOMPARE(status(), QStringLiteral("Hazırlandı. Başlatınız..."));
    QCOMPARE(window->timer()->interval(), 250);
    QTRY_VERIFY(button("touchCommand2")->isEnabled());
    QVERIFY(button("touchStep")->isEnabled());

    const double generation = window->form().run().module1().nesilSayisi;
    tap(button("touchStep"));
    QCOMPARE(window->form().run().module1().nesilSayisi, generation + 1);

    tap(button("touchCommand2"));
    QVERIFY(window->timer()->isActive());
    tap(button("touchCommand3"));
    QVERIFY(!window->timer()->isActive());
    QCOMPARE(status(), QStringLiteral("Durduruldu..."));

    tap(button("touchCommand4"));
    QCOMPARE(status(), QStringLiteral("Sıfırlandı. Tekrar başlatılma bekleniyor..."));
    QTRY_VERIFY(!button("touchCommand2")->isEnabled());

    tap(button("touchLeave"));
    QVERIFY(!mode.isOn());
}

// On the added windows a finger drags the history slider and the map's cursor, taps a
// gene on the map, and a long press on an individual or a run offers what the right
// button offers; the windows grow with the mode.
void PresentationModeTest::touchWorksOnTheAddedWindows() {
    type(Control::Text1, QStringLiteral("100000"));
    present();
    press(Control::Command1);
    for (int i = 0; i < 30; ++i) {
        window->form().Timer1_Timer();
    }
    showNow();

    window->showHistory();
    HistoryWindow* history = window->historyWindow();
    QVERIFY(QTest::qWaitForWindowExposed(history));
    history->refresh();
    QVERIFY(history->font().pointSizeF() > QApplication::font().pointSizeF() * 1.2);
    noLongPress(history);
    QSlider* slider = history->slider();
    slider->setValue(0);
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->value();
    option.orientation = slider->orientation();
    const QRect handle = slider->style()->subControlRect(QStyle::CC_Slider, &option,
                                                         QStyle::SC_SliderHandle, slider);
    drag(history, slider->mapTo(history, handle.center()),
         slider->mapTo(history, QPoint(slider->width() * 3 / 4, handle.center().y())));
    QVERIFY2(slider->value() > slider->maximum() / 2, qPrintable(QString::number(slider->value())));
    QCOMPARE(history->selected(), static_cast<std::uint64_t>(slider->value()));

    TouchInput* touch = TouchInput::of(*history);
    QVERIFY(touch != nullptr);
    touch->setHoldTime(0);
    QTableView* table = history->table();
    const QRect third = table->visualRect(table->model()->index(2, 1));
    const QPoint at = table->viewport()->mapTo(history, third.center());
    QTest::touchEvent(history, touchScreen()).press(0, at, history);
    // Once the finger has rested, the right button is down on the individual's row; the
    // menu opens when the finger lifts, and stays open.
    QTRY_COMPARE(table->currentIndex().row(), 2);
    QTest::touchEvent(history, touchScreen()).release(0, at, history);
    QPointer<QMenu> menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu != nullptr);
    QCoreApplication::processEvents();
    QVERIFY(menu != nullptr && menu->isVisible());
    QCOMPARE(menu->actions().size(), 1);
    menu->actions().front()->trigger();
    menu->close();
    FamilyTreeWindow* tree = history->familyTree();
    QVERIFY(tree != nullptr);
    QTRY_VERIFY(tree->isVisible());
    QCOMPARE(static_cast<int>(tree->tree()->position), 3);

    window->showSearchSpace();
    SearchSpaceWindow* space = window->searchSpaceWindow();
    QVERIFY(QTest::qWaitForWindowExposed(space));
    noLongPress(space);
    // The space evaluated and its texts laid out first, so the map stays where it is.
    space->refresh();
    QCoreApplication::processEvents();
    SearchSpaceMap* map = space->map();
    tap(space, map->mapTo(space, map->cellRect(12345).center().toPoint()));
    QCOMPARE(map->chosen(), 12345);
    drag(space, map->mapTo(space, map->cellRect(40000).center().toPoint()),
         map->mapTo(space, map->cellRect(40000 + 100 * 400).center().toPoint()));
    QCOMPARE(map->chosen(), 80000);
}

// Each box a person types into, in the main window and the added ones, takes the focus
// from a finger and shows itself to the accessibility bus as focused, editable text with its
// name: what a board's on-screen keyboard listens for before it opens.
void PresentationModeTest::editableBoxesAnnounceTheirFocus() {
    type(Control::Text1, QStringLiteral("100000"));
    present();
    press(Control::Command1);
    window->form().Timer1_Timer();
    showNow();
    // Each window in turn, alone on the small screen, so that no other lies over it.
    const std::vector<std::function<QWidget*()>> windows{
        [this] { return static_cast<QWidget*>(window.get()); },
        [this] {
            window->showHistory();
            return static_cast<QWidget*>(window->historyWindow());
        },
        [this] {
            window->findChild<QAction*>(QStringLiteral("experimentAction"))->trigger();
            return static_cast<QWidget*>(window->findChild<ExperimentWindow*>());
        },
    };
    int checked = 0;
    for (const auto& open : windows) {
        QWidget* top = open();
        QVERIFY(QTest::qWaitForWindowExposed(top));
        noLongPress(top);
        std::vector<QWidget*> boxes;
        for (QWidget* w : top->findChildren<QWidget*>()) {
            const auto* edit = qobject_cast<QLineEdit*>(w);
            const bool typedInto =
                (edit != nullptr && !edit->isReadOnly() &&
                 qobject_cast<QAbstractSpinBox*>(w->parentWidget()) == nullptr) ||
                qobject_cast<QAbstractSpinBox*>(w) != nullptr;
            if (typedInto && w->isVisible() && w->isEnabled() && w->window() == top) {
                boxes.push_back(w);
            }
        }
        for (QWidget* box : boxes) {
            const QString name = box->objectName();
            tap(top, box->mapTo(top, box->rect().center()));
            QVERIFY2(box->hasFocus(), qPrintable(name));
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(box);
            QVERIFY2(!iface->text(QAccessible::Name).isEmpty(), qPrintable(name));
            QVERIFY2(iface->role() == QAccessible::EditableText ||
                         iface->role() == QAccessible::SpinBox,
                     qPrintable(name));
            QVERIFY2(iface->state().focused, qPrintable(name));
            QVERIFY2(iface->state().editable || iface->role() == QAccessible::SpinBox,
                     qPrintable(name));
            ++checked;
        }
        if (top != window.get()) {
            top->close();
        }
    }
    // The eleven function and input boxes, and the added windows' own.
    QVERIFY2(checked > 15, qPrintable(QString::number(checked)));
}

GA_WINDOW_TEST(PresentationModeTest)
#include "PresentationModeTest.moc"
