#include "qt/main/QtWindowOps.h"

#include "qt/main/ColourSquare.h"
#include "qt/main/ReportLog.h"
#include "qt/main/Startup.h"
#include "qt/widgets/ChartWidget.h"
#include "session/Utf8.h"

#include <QApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTime>

#include <algorithm>

namespace ga::qt {

namespace {

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
    frameClock_.setSingleShot(true);
    frameClock_.setInterval(kFrameIntervalMs);
    QObject::connect(&frameClock_, &QTimer::timeout, &frameClock_, [this] { flushDisplay(); });
}

template <class T> T* QtWindowOps::widget(Control c) const {
    const auto i = static_cast<std::size_t>(c);
    return i < widgets_.size() ? qobject_cast<T*>(widgets_[i]) : nullptr;
}

std::string QtWindowOps::text(Control box) const {
    if (const auto& pending = texts_[static_cast<std::size_t>(box)]) {
        return *pending;
    }
    const auto* edit = widget<QLineEdit>(box);
    return edit != nullptr ? edit->text().toStdString() : std::string{};
}

float QtWindowOps::secondsSinceMidnight() {
    return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0F;
}

void QtWindowOps::apply(const Batch& batch) {
    mergeDisplay(batch);
    actNow(batch);
}

void QtWindowOps::actNow(const Batch& batch) {
    for (const EnabledChange& change : batch.enabled) {
        if (change.control != Control::Timer1) {
            if (auto* w = widget<QWidget>(change.control)) {
                w->setEnabled(change.enabled);
            }
        } else if (!change.enabled) {
            timer_.stop();
        } else if (!timer_.isActive()) {
            // Enabling a running timer leaves its phase alone; ticks come one interval apart.
            timer_.start();
        }
    }
    if (batch.interval) {
        timer_.setInterval(std::max(1, *batch.interval));
    }
    for (const std::string& message : batch.messages) {
        showMessage(message);
    }
    if (batch.beep) {
        QApplication::beep();
    }
    if (batch.unload) {
        timer_.stop();
        window_.close();
    }
}

void QtWindowOps::mergeDisplay(const Batch& batch) {
    bool waiting = false;
    for (std::size_t l = 0; l < lists_.size(); ++l) {
        const ListChange& change = batch.lists[l];
        if (!change.cleared && change.lines.empty()) {
            continue;
        }
        PendingList& pending = lists_[l];
        if (!pending.waiting) {
            pending.cleared = false;
            pending.count = 0;
            pending.waiting = true;
        }
        if (change.cleared) {
            pending.cleared = true;
            pending.count = 0;
        }
        for (const std::string& line : change.lines) {
            if (pending.count < pending.lines.size()) {
                pending.lines[pending.count].assign(line);
            } else {
                pending.lines.push_back(line);
            }
            ++pending.count;
        }
        waiting = true;
    }

    // The log's lines stay in Form1's log; the view catches up with it at the frame.
    waiting = waiting || batch.logChanged;

    for (const TextChange& change : batch.texts) {
        auto* edit = widget<QLineEdit>(change.control);
        if (edit != nullptr && !edit->isReadOnly()) {
            // A box the user types into changes at once.
            showText(*edit, fromUtf8(change.text));
            continue;
        }
        texts_[static_cast<std::size_t>(change.control)] = change.text;
        waiting = true;
    }

    for (const SquareChange& change : batch.squares) {
        auto it = std::find_if(squares_.begin(), squares_.end(),
                               [&](const PendingSquare& p) { return p.square == change.square; });
        if (it == squares_.end()) {
            it = squares_.insert(squares_.end(), PendingSquare{change.square, 0, {}});
        }
        it->colour = change.colour;
        it->digit = change.digit;
        waiting = true;
    }

    if (!batch.chart.empty()) {
        chart_.insert(chart_.end(), batch.chart.begin(), batch.chart.end());
        waiting = true;
    }

    if (waiting && !frameClock_.isActive()) {
        frameClock_.start();
    }
}

void QtWindowOps::flushIfDue() {
    if (frameClock_.isActive() && sinceFlush_.isValid() &&
        sinceFlush_.elapsed() >= kFrameIntervalMs - 1) {
        flushDisplay();
    }
}

void QtWindowOps::flushDisplay() {
    frameClock_.stop();
    sinceFlush_.start();
    for (std::size_t l = 0; l < lists_.size(); ++l) {
        if (lists_[l].waiting) {
            showList(kPopulationLists[l], lists_[l]);
            lists_[l].waiting = false;
        }
    }

    for (std::size_t c = 0; c < texts_.size(); ++c) {
        std::optional<std::string>& pending = texts_[c];
        if (!pending) {
            continue;
        }
        const auto control = static_cast<Control>(c);
        if (auto* edit = widget<QLineEdit>(control)) {
            showText(*edit, fromUtf8(*pending));
        } else if (auto* label = widget<QLabel>(control)) {
            label->setText(fromUtf8(*pending));
        }
        pending.reset();
    }

    for (const PendingSquare& pending : squares_) {
        if (auto* s = widget<ColourSquare>(pending.square)) {
            if (pending.colour == kNoColour) {
                s->clearColour();
            } else {
                s->setColour(toQColor(pending.colour));
            }
            s->setDigit(fromUtf8(pending.digit));
        }
    }
    squares_.clear();

    // Each chart gets its own commands, in the order they came.
    for (Control picture : {Control::Picture1, Control::Picture2}) {
        if (auto* chart = widget<ChartWidget>(picture)) {
            chart->apply(chart_, picture);
        }
    }
    chart_.clear();

    if (auto* log = widget<ReportLog>(Control::List1)) {
        log->refresh();
    }
}

void QtWindowOps::showMessage(const std::string& text) {
    auto* box = new QMessageBox(QMessageBox::NoIcon, QString::fromUtf8(kCaption), fromUtf8(text),
                                QMessageBox::Ok, &window_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    // The button reads "Tamam" in Turkish whatever Qt's own translations say.
    box->button(QMessageBox::Ok)->setText(QCoreApplication::translate("QtWindowOps", "Tamam"));
    // Shown without a nested event loop: the handler returns at once and the timer keeps
    // ticking while the box is open.
    box->show();
}

void QtWindowOps::showList(Control control, const PendingList& pending) {
    auto* list = widget<QListWidget>(control);
    if (list == nullptr) {
        return;
    }
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
