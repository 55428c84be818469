#include "qt/main/TouchBar.h"

#include "form/window/PresentationLayout.h"
#include "qt/main/Startup.h"
#include "runtime/Convert.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include <cmath>

namespace ga::qt {

namespace {

QString withoutMnemonic(QString text) {
    return text.remove(QLatin1Char('&'));
}

} // namespace

TouchBar::TouchBar(const QList<QPushButton*>& commands, QAction* step, QLineEdit* speed,
                   QAction* mode, QWidget* parent)
    : QWidget(parent), commands_(commands), step_(step), speed_(speed), mode_(mode) {
    setObjectName(QStringLiteral("touchBar"));
    auto* layout = new QHBoxLayout(this);
    for (QPushButton* command : commands_) {
        QPushButton* mirror = addButton(QStringLiteral("touch") + command->objectName());
        mirror->setEnabled(command->isEnabled());
        connect(mirror, &QPushButton::clicked, command, &QPushButton::click);
        command->installEventFilter(this);
        mirrors_ << mirror;
        layout->addWidget(mirror);
    }
    stepButton_ = addButton(QStringLiteral("touchStep"));
    stepButton_->setEnabled(step_->isEnabled());
    connect(stepButton_, &QPushButton::clicked, step_, &QAction::trigger);
    connect(step_, &QAction::changed, this,
            [this] { stepButton_->setEnabled(step_->isEnabled()); });
    layout->addWidget(stepButton_);
    layout->addSpacing(24);

    slower_ = addButton(QStringLiteral("touchSlower"));
    connect(slower_, &QPushButton::clicked, this, [this] { stepSpeed(false); });
    speedLabel_ = new QLabel(this);
    speedLabel_->setObjectName(QStringLiteral("touchSpeed"));
    speedLabel_->setAlignment(Qt::AlignCenter);
    faster_ = addButton(QStringLiteral("touchFaster"));
    connect(faster_, &QPushButton::clicked, this, [this] { stepSpeed(true); });
    connect(speed_, &QLineEdit::textChanged, this, &TouchBar::showSpeed);
    layout->addWidget(slower_);
    layout->addWidget(speedLabel_);
    layout->addWidget(faster_);
    layout->addStretch(1);

    leave_ = addButton(QStringLiteral("touchLeave"));
    connect(leave_, &QPushButton::clicked, mode_, &QAction::trigger);
    layout->addWidget(leave_);

    setAutoFillBackground(true);
    retranslate();
}

QPushButton* TouchBar::addButton(const QString& name) {
    auto* button = new QPushButton(this);
    button->setObjectName(name);
    // A finger's press must not leave the focus on the bar: the keyboard stays where the
    // teacher was typing.
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

QList<QPushButton*> TouchBar::buttons() const {
    return findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly);
}

void TouchBar::setScale(double scale, int buttonHeight, int margin) {
    QFont font = boldFont();
    font.setPointSizeF(font.pointSizeF() * scale);
    setFont(font);
    layout()->setContentsMargins(margin, margin, margin, margin);
    layout()->setSpacing(margin);
    const int side = std::max(kTouchTargetPixels, buttonHeight);
    for (QPushButton* button : buttons()) {
        button->setFixedHeight(side);
        // Wider than high: a finger finds a broad button from the side as well.
        button->setMinimumWidth(side * 3 / 2);
    }
    // Wide enough for the fastest speed, so the buttons beside it do not move.
    speedLabel_->setMinimumWidth(QFontMetrics(font).horizontalAdvance(tr("Hız: %1").arg(20000)));
}

void TouchBar::retranslate() {
    for (qsizetype i = 0; i < commands_.size(); ++i) {
        mirrors_[i]->setText(commands_[i]->text());
    }
    stepButton_->setText(withoutMnemonic(step_->text()));
    slower_->setText(tr("◀ Yavaş"));
    slower_->setAccessibleName(tr("Daha yavaş"));
    faster_->setText(tr("Hızlı ▶"));
    faster_->setAccessibleName(tr("Daha hızlı"));
    leave_->setText(tr("Sunumdan çık"));
    showSpeed();
}

void TouchBar::showSpeed() {
    speedLabel_->setText(tr("Hız: %1").arg(speed_->text()));
}

void TouchBar::stepSpeed(bool faster) {
    const double next = nextSpeed(Val(speed_->text().toStdString()), faster);
    // Typed as a person types: all selected, then the new number.
    speed_->selectAll();
    speed_->insert(QString::number(next, 'g', 15));
}

bool TouchBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        const qsizetype i = commands_.indexOf(qobject_cast<QPushButton*>(watched));
        if (i >= 0) {
            mirrors_[i]->setEnabled(commands_[i]->isEnabled());
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TouchBar::paintEvent(QPaintEvent* /*event*/) {
    // A rule along the top sets the bar apart from the window's own controls.
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Mid), std::max(1, height() / 40)));
    painter.drawLine(0, 0, width(), 0);
}

} // namespace ga::qt
