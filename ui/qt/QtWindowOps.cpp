#include "ui/qt/QtWindowOps.h"

#include "ui/qt/ChartWidget.h"
#include "ui/qt/ColourSquare.h"
#include "ui/qt/ReportLog.h"

#include <QApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTime>
#include <QTimer>

#include <algorithm>

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

void showText(QLineEdit& edit, const QString& text) {
    // Setting a text lays the box out again; the same text only needs the cursor put back
    // (which also drops a selection, as setting the text does).
    if (edit.text() != text) {
        edit.setText(text);
    }
    // A narrow box shows the start of a long number, not its end.
    edit.setCursorPosition(0);
}

} // namespace

QtWindowOps::QtWindowOps(QWidget& window, const Widgets& widgets, TickTimer& timer)
    : window_(window), widgets_(widgets), timer_(timer) {
    frameTimer_.setSingleShot(true);
    frameTimer_.setInterval(kFrameIntervalMs);
    QObject::connect(&frameTimer_, &QTimer::timeout, &frameTimer_, [this] { flushDisplay(); });
}

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
    for (const PendingText& pending : pendingTexts_) {
        if (pending.box == box && pending.waiting) {
            return pending.text;
        }
    }
    const auto* edit = widget<QLineEdit>(box);
    return edit != nullptr ? edit->text().toStdString() : std::string{};
}

void QtWindowOps::setText(Control box, std::string_view text) {
    auto* edit = widget<QLineEdit>(box);
    if (edit == nullptr) {
        return;
    }
    if (!edit->isReadOnly()) {
        // A box the user types into changes at once.
        showText(*edit, fromUtf8(text));
        return;
    }
    pendingText(box).text.assign(text);
}

void QtWindowOps::setCaption(Control label, std::string_view caption) {
    if (auto* l = widget<QLabel>(label)) {
        l->setText(fromUtf8(caption));
    }
}

void QtWindowOps::addItem(Control list, std::string_view line) {
    if (list == Control::List1) {
        if (auto* log = widget<ReportLog>(list)) {
            // The log collects its lines itself; they join the frame.
            log->addLine(fromUtf8(line));
            scheduleFlush();
        }
    } else if (widget<QListWidget>(list) != nullptr) {
        PendingList& pending = pendingList(list);
        if (pending.count < pending.lines.size()) {
            pending.lines[pending.count].assign(line);
        } else {
            pending.lines.emplace_back(line);
        }
        ++pending.count;
    }
}

void QtWindowOps::clear(Control list) {
    if (list == Control::List1) {
        if (auto* log = widget<ReportLog>(list)) {
            log->clearLines();
        }
    } else if (widget<QListWidget>(list) != nullptr) {
        PendingList& pending = pendingList(list);
        pending.cleared = true;
        pending.count = 0;
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
    if (widget<ColourSquare>(square) != nullptr) {
        pendingSquare(square).colour = toQColor(colour);
    }
}

void QtWindowOps::setSquareDigit(Control square, std::string_view digit) {
    if (widget<ColourSquare>(square) != nullptr) {
        PendingSquare& pending = pendingSquare(square);
        pending.hasDigit = true;
        pending.digit.assign(digit);
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

void QtWindowOps::flushDisplay() {
    frameTimer_.stop();
    for (PendingList& pending : pendingLists_) {
        if (pending.waiting) {
            showList(pending);
            pending.waiting = false;
        }
    }
    for (PendingText& pending : pendingTexts_) {
        if (pending.waiting) {
            showText(*widget<QLineEdit>(pending.box), fromUtf8(pending.text));
            pending.waiting = false;
        }
    }
    for (PendingSquare& pending : pendingSquares_) {
        if (!pending.waiting) {
            continue;
        }
        auto* s = widget<ColourSquare>(pending.square);
        if (pending.colour) {
            s->setColour(*pending.colour);
        }
        if (pending.hasDigit) {
            s->setDigit(fromUtf8(pending.digit));
        }
        pending.waiting = false;
    }
    for (Control picture : {Control::Picture1, Control::Picture2}) {
        if (auto* chart = widget<ChartWidget>(picture)) {
            chart->flushDrawing();
        }
    }
    if (auto* log = widget<ReportLog>(Control::List1)) {
        log->flush();
    }
}

void QtWindowOps::scheduleFlush() {
    if (!frameTimer_.isActive()) {
        frameTimer_.start();
    }
}

namespace {

// The entry for `control`, made on first use, and marked as waiting (emptied first if it
// was not).
template <class Pending, class Reset>
Pending& entryFor(std::vector<Pending>& entries, Control control, Control Pending::*key,
                  Reset reset) {
    auto it = std::find_if(entries.begin(), entries.end(),
                           [&](const Pending& p) { return p.*key == control; });
    if (it == entries.end()) {
        Pending added{};
        added.*key = control;
        it = entries.insert(entries.end(), std::move(added));
    }
    if (!it->waiting) {
        reset(*it);
        it->waiting = true;
    }
    return *it;
}

} // namespace

QtWindowOps::PendingList& QtWindowOps::pendingList(Control list) {
    scheduleFlush();
    return entryFor(pendingLists_, list, &PendingList::list, [](PendingList& p) {
        p.cleared = false;
        p.count = 0;
    });
}

QtWindowOps::PendingText& QtWindowOps::pendingText(Control box) {
    scheduleFlush();
    return entryFor(pendingTexts_, box, &PendingText::box, [](PendingText& /*unused*/) {});
}

QtWindowOps::PendingSquare& QtWindowOps::pendingSquare(Control square) {
    scheduleFlush();
    return entryFor(pendingSquares_, square, &PendingSquare::square, [](PendingSquare& p) {
        p.colour.reset();
        p.hasDigit = false;
    });
}

void QtWindowOps::showList(const PendingList& pending) {
    auto* list = widget<QListWidget>(pending.list);
    QStringList added;
    added.reserve(static_cast<qsizetype>(pending.count));
    for (std::size_t i = 0; i < pending.count; ++i) {
        added.append(fromUtf8(pending.lines[i]));
    }
    if (!pending.cleared) {
        list->addItems(added);
        return;
    }
    if (list->count() > added.size()) {
        list->clear();
        list->addItems(added);
        return;
    }
    // Clear and AddItem again with as many lines as before or more: the rows that are
    // there take the new texts (unchanged ones cost nothing) instead of being deleted and
    // made anew, which leaves the same lines and, as Clear does, no current row and no
    // selection.
    list->selectionModel()->clear();
    const auto kept = static_cast<int>(list->count());
    bool changed = false;
    for (int row = 0; row < kept; ++row) {
        QListWidgetItem* item = list->item(row);
        if (item->text() != added[row]) {
            item->setText(added[row]);
            changed = true;
        }
    }
    if (added.size() > kept) {
        list->addItems(added.mid(kept));
    }
    if (changed) {
        // A changed row makes the list lay its rows out again from the event loop, and
        // then paint them all once more; laid out now, they are painted with this frame.
        list->doItemsLayout();
    }
}

} // namespace ga::qt
