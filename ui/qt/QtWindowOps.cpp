#include "ui/qt/QtWindowOps.h"

#include "ui/qt/ChartWidget.h"
#include "ui/qt/ColourSquare.h"
#include "ui/qt/ReportLog.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTime>
#include <QTimer>

namespace ga::qt {

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The logic's colours are 0x00BBGGRR.
QColor toQColor(Colour colour) {
    return QColor(static_cast<int>(colour & 0xFFU), static_cast<int>((colour >> 8) & 0xFFU),
                  static_cast<int>((colour >> 16) & 0xFFU));
}

} // namespace

QtWindowOps::QtWindowOps(QWidget& window, const Widgets& widgets, QTimer& timer)
    : window_(window), widgets_(widgets), timer_(timer) {}

template <class T> T* QtWindowOps::widget(Control c) const {
    const auto i = static_cast<std::size_t>(c);
    T* w = i < widgets_.size() ? qobject_cast<T*>(widgets_[i]) : nullptr;
    if (w == nullptr) {
        qWarning("genetik-algoritma: %s is not a %s", controlName(c).data(),
                 T::staticMetaObject.className());
    }
    return w;
}

std::string QtWindowOps::text(Control box) const {
    const auto* edit = widget<QLineEdit>(box);
    return edit != nullptr ? edit->text().toStdString() : std::string{};
}

void QtWindowOps::setText(Control box, std::string_view text) {
    if (auto* edit = widget<QLineEdit>(box)) {
        edit->setText(fromUtf8(text));
        // A narrow box shows the start of a long number, not its end.
        edit->setCursorPosition(0);
    }
}

void QtWindowOps::setCaption(Control label, std::string_view caption) {
    if (auto* l = widget<QLabel>(label)) {
        l->setText(fromUtf8(caption));
    }
}

void QtWindowOps::addItem(Control list, std::string_view line) {
    if (list == Control::List1) {
        if (auto* log = widget<ReportLog>(list)) {
            log->addLine(fromUtf8(line));
        }
    } else if (auto* l = widget<QListWidget>(list)) {
        l->addItem(fromUtf8(line));
    }
}

void QtWindowOps::clear(Control list) {
    if (list == Control::List1) {
        if (auto* log = widget<ReportLog>(list)) {
            log->clearLines();
        }
    } else if (auto* l = widget<QListWidget>(list)) {
        l->clear();
    }
}

void QtWindowOps::setEnabled(Control control, bool enabled) {
    if (control == Control::Timer1) {
        // Enabling a running timer leaves its phase alone; ticks come one interval apart.
        if (!enabled) {
            timer_.stop();
        } else if (!timer_.isActive()) {
            timer_.start();
        }
        return;
    }
    if (auto* w = widget<QWidget>(control)) {
        w->setEnabled(enabled);
    }
}

void QtWindowOps::setInterval(Control timer, int milliseconds) {
    if (timer == Control::Timer1) {
        timer_.setInterval(std::max(1, milliseconds));
    }
}

void QtWindowOps::scale(Control picture, double x1, double y1, double x2, double y2) {
    if (auto* chart = widget<ChartWidget>(picture)) {
        chart->setChartScale(ChartScale{x1, y1, x2 - x1, y2 - y1});
    }
}

void QtWindowOps::setScaleTop(Control picture, float y) {
    if (auto* chart = widget<ChartWidget>(picture)) {
        chart->setScaleTop(y);
    }
}

void QtWindowOps::cls(Control picture) {
    if (auto* chart = widget<ChartWidget>(picture)) {
        chart->cls();
    }
}

void QtWindowOps::refresh(Control picture) {
    if (auto* chart = widget<ChartWidget>(picture)) {
        chart->refresh();
    }
}

void QtWindowOps::circle(Control picture, float x, float y, double radius, Colour colour) {
    if (auto* chart = widget<ChartWidget>(picture)) {
        chart->circle(x, y, radius, toQColor(colour));
    }
}

void QtWindowOps::setBackColor(Control square, Colour colour) {
    if (auto* s = widget<ColourSquare>(square)) {
        s->setColour(toQColor(colour));
    }
}

void QtWindowOps::setSquareDigit(Control square, std::string_view digit) {
    if (auto* s = widget<ColourSquare>(square)) {
        s->setDigit(fromUtf8(digit));
    }
}

void QtWindowOps::msgBox(std::string_view text) {
    auto* box = new QMessageBox(QMessageBox::NoIcon, window_.windowTitle(), fromUtf8(text),
                                QMessageBox::Ok, &window_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    // The button reads "Tamam" whatever translations are installed.
    box->button(QMessageBox::Ok)->setText(QStringLiteral("Tamam"));
    // Shown without a nested event loop: the handler returns at once and the timer keeps
    // ticking while the box is open.
    box->show();
}

void QtWindowOps::beep() {
    QApplication::beep();
}

void QtWindowOps::unload() {
    timer_.stop();
    window_.close();
}

float QtWindowOps::secondsSinceMidnight() {
    return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0F;
}

float QtWindowOps::rnd() {
    return random_.next();
}

void QtWindowOps::randomize(float seed) {
    random_.seed(seed);
}

} // namespace ga::qt
