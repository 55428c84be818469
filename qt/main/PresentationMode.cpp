#include "qt/main/PresentationMode.h"

#include "form/window/PresentationLayout.h"
#include "qt/main/MainWindowBase.h"
#include "qt/main/TouchBar.h"
#include "qt/widgets/TouchInput.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTableView>

#include <algorithm>
#include <cmath>

namespace ga::qt {

namespace {

const QString kSettingsKey = QStringLiteral("presentation");
const char* const kScaleProperty = "presentationScale";
const char* const kPlacedProperty = "presentationPlaced";
// The added windows grow by 0.6 of the layout's factor, and never less than this.
constexpr double kLeastCompanionScale = 1.5;
constexpr double kCompanionShare = 0.6;

// The tables of a window whose font changed by `factor`: headers in the window's font
// while the mode is `on`, rows as high as the font needs, and the columns laid out by hand
// as much wider.
void fitTables(QWidget& window, double factor, bool on) {
    for (QTableView* table : window.findChildren<QTableView*>()) {
        table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
        QHeaderView* header = table->horizontalHeader();
        // Headers take the desktop's own font for headers, not the window's.
        const QFont font = on ? window.font() : QFont();
        header->setFont(font);
        table->verticalHeader()->setFont(font);
        for (int c = 0; c < header->count(); ++c) {
            if (header->sectionResizeMode(c) == QHeaderView::Interactive) {
                header->resizeSection(
                    c, static_cast<int>(std::lround(header->sectionSize(c) * factor)));
            }
        }
    }
}

} // namespace

PresentationMode::PresentationMode(MainWindowBase& window, QMenu& menu)
    : QObject(&window), window_(window), action_(menu.addAction(QString())) {
    setObjectName(QStringLiteral("presentationMode"));
    action_->setObjectName(QStringLiteral("presentationAction"));
    action_->setCheckable(true);
    action_->setShortcut(Qt::Key_F11);
    connect(action_, &QAction::triggered, this, [this](bool on) {
        remember(on);
        setOn(on);
    });
    window.centralWidget()->installEventFilter(this);
    window.installEventFilter(this);
    retranslate();
}

double PresentationMode::companionScale() const {
    return on_ ? std::max(kLeastCompanionScale, scale_ * kCompanionShare) : 1.0;
}

void PresentationMode::setOn(bool on) {
    action_->setChecked(on);
    if (on == on_) {
        return;
    }
    on_ = on;
    if (on) {
        // At the board the window is worked by finger: taps, drags and long presses.
        if (TouchInput::of(window_) == nullptr) {
            new TouchInput(window_);
        }
        if (bar_ == nullptr) {
            const QList<QPushButton*> commands{window_.control<QPushButton>(Control::Command1),
                                               window_.control<QPushButton>(Control::Command2),
                                               window_.control<QPushButton>(Control::Command3),
                                               window_.control<QPushButton>(Control::Command4)};
            bar_ = new TouchBar(commands, window_.findChild<QAction*>(QStringLiteral("stepAction")),
                                window_.control<QLineEdit>(Control::Text4), action_,
                                window_.centralWidget());
        }
        if (!window_.isFullScreen()) {
            // A window not shown yet has no place of its own: the system gives it one later.
            normalGeometry_ = window_.geometry();
            hadPlace_ = window_.isVisible();
        }
        // Without a window manager to carry out "full screen", the window covers the
        // screen itself.
        if (const QScreen* screen = window_.screen()) {
            window_.setGeometry(screen->geometry());
        }
        window_.showFullScreen();
        bar_->show();
        relayout();
    } else {
        if (bar_ != nullptr) {
            bar_->hide();
        }
        scale_ = 1;
        scaleMenus(1);
        window_.placeControls(1, {});
        window_.showNormal();
        if (hadPlace_) {
            window_.setGeometry(normalGeometry_);
        } else if (normalGeometry_.isValid()) {
            window_.resize(normalGeometry_.size());
        }
    }
    emit changed();
}

void PresentationMode::relayout() {
    if (!on_) {
        return;
    }
    const double before = companionScale();
    // The menus first: their height decides the room left for the layout.
    scale_ = presentationLayout(window_.width(), window_.height()).scale;
    scaleMenus(companionScale());
    const QWidget* room = window_.centralWidget();
    const PresentationLayout layout = presentationLayout(room->width(), room->height());
    scale_ = layout.scale;
    window_.placeControls(layout.scale, QPoint(layout.stage.x, layout.stage.y));
    bar_->setScale(companionScale() * 1.25, layout.buttonHeight, layout.margin);
    bar_->setGeometry(layout.bar.x, layout.bar.y, layout.bar.width, layout.bar.height);
    bar_->raise();
    if (companionScale() != before) {
        emit changed();
    }
}

void PresentationMode::scaleMenus(double scale) {
    QMenuBar* bar = window_.menuBar();
    QFont font;
    if (scale != 1) {
        font = QApplication::font(bar);
        font.setPointSizeF(font.pointSizeF() * scale);
    }
    // A default font gives the menus back to the application's.
    bar->setFont(font);
    for (QMenu* menu : bar->findChildren<QMenu*>()) {
        menu->setFont(font);
    }
}

bool PresentationMode::eventFilter(QObject* watched, QEvent* event) {
    // Switched on before the window first shows, the mode applies itself again then: the
    // menu bar does not keep a font given before.
    const bool resized = event->type() == QEvent::Resize && watched == window_.centralWidget();
    const bool shown = event->type() == QEvent::Show && watched == &window_;
    if ((resized || shown) && on_) {
        relayout();
    }
    if (event->type() == QEvent::Show && watched != &window_ && watched->isWidgetType() &&
        watched->property(kScaleProperty).isValid()) {
        applyTo(*static_cast<QWidget*>(watched), on_, companionScale());
    }
    return QObject::eventFilter(watched, event);
}

void PresentationMode::retranslate() {
    action_->setText(tr("&Sunum modu"));
    if (bar_ != nullptr) {
        bar_->retranslate();
    }
}

bool PresentationMode::remembered() {
    return QSettings().value(kSettingsKey, false).toBool();
}

void PresentationMode::remember(bool on) {
    QSettings().setValue(kSettingsKey, on);
}

void PresentationMode::follow(QWidget& window) {
    if (TouchInput::of(window) == nullptr) {
        new TouchInput(window);
    }
    PresentationMode* mode = nullptr;
    for (QWidget* w = window.parentWidget(); w != nullptr && mode == nullptr;
         w = w->parentWidget()) {
        mode = w->findChild<PresentationMode*>(QStringLiteral("presentationMode"),
                                               Qt::FindDirectChildrenOnly);
    }
    if (mode == nullptr || window.property(kScaleProperty).isValid()) {
        return;
    }
    // Given before the window first shows, a font does not stay: the mode is applied
    // again on every show.
    window.installEventFilter(mode);
    const QPointer<QWidget> follower(&window);
    connect(mode, &PresentationMode::changed, &window, [mode, follower] {
        if (follower != nullptr) {
            applyTo(*follower, mode->isOn(), mode->companionScale());
        }
    });
    applyTo(window, mode->isOn(), mode->companionScale());
}

void PresentationMode::applyTo(QWidget& window, bool on, double scale) {
    const double was = window.property(kScaleProperty).toDouble();
    window.setProperty(kScaleProperty, on ? scale : 1.0);
    if (!on && was <= 1) {
        return; // as it was made: nothing to give back
    }
    if (!on) {
        window.setFont(QFont());
        window.update();
        fitTables(window, was > 0 ? 1 / was : 1, false);
        return;
    }
    QFont font = QApplication::font(&window);
    font.setPointSizeF(font.pointSizeF() * scale);
    window.setFont(font);
    window.update();
    fitTables(window, was > 0 ? scale / was : scale, true);
    const QScreen* screen = window.screen();
    if (screen == nullptr || (was == scale && window.property(kPlacedProperty).toBool())) {
        return;
    }
    // Low on the screen, where a teacher standing at the board reaches it, and no larger
    // than the screen; shown again at the same scale, a window stays where it was put.
    const QRect room = screen->availableGeometry();
    // As much larger as its font, for the same room per line of text.
    const double grown = scale / std::max(1.0, was);
    const QSize wanted = (window.size() * grown).expandedTo(window.sizeHint());
    const QSize size(std::min(wanted.width(), room.width() * 9 / 10),
                     std::min(wanted.height(), room.height() * 7 / 10));
    window.resize(size);
    window.move(room.right() - size.width() - room.width() / 40,
                room.bottom() - size.height() - room.height() / 10);
    window.setProperty(kPlacedProperty, true);
}

double lineScale(const QWidget& widget) {
    const QVariant scale = widget.window()->property(kScaleProperty);
    return scale.isValid() ? std::max(1.0, scale.toDouble()) : 1.0;
}

} // namespace ga::qt
