// The live window measured as a person uses it: it starts the real window, types into
// its boxes and presses its buttons through Qt, and prints one line per figure.
//
//   window_benchmark [--seconds N] [--generations N] [--idle-seconds N] [--history]
//                    [--history-generations N] [--present]
//
// --present measures the window in the presentation mode, full screen and scaled to the
// screen (run it under a 3840x2160 virtual screen for the classroom board's case).
//
// --history opens the history window first, so that the run at speed 2000 is measured
// with it following along. --history-generations N then runs N generations as fast as the
// window's logic goes, with the history window open, and measures resident memory and
// how long choosing a generation takes to show.

#include "form/window/Form1.h"
#include "qt/history/HistoryChartWidget.h"
#include "qt/history/HistoryWindow.h"
#include "qt/main/MainWindow.h"
#include "qt/main/PresentationMode.h"
#include "qt/main/ReportLog.h"
#include "qt/main/Startup.h"
#include "tests/support/ResidentMemory.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>

namespace {

using ga::Control;

using ga::test::residentKiB;

// Seconds since the process was started by the kernel, to 10 ms.
double processAgeSeconds() {
    std::ifstream statFile("/proc/self/stat");
    std::string field;
    for (int i = 1; i <= 22 && statFile >> field; ++i) {
        if (i == 2 && field.back() != ')') { // the command name may hold blanks
            while (statFile >> field && field.back() != ')') {
            }
        }
    }
    const double startTicks = std::stod(field);
    double uptime = 0;
    std::ifstream("/proc/uptime") >> uptime;
    return uptime - startTicks / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Notes the first paint of the window.
class FirstPaint : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && seconds < 0) {
            seconds = processAgeSeconds();
            sinceMain = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        }
        return QObject::eventFilter(watched, event);
    }
    QElapsedTimer clock;
    double seconds = -1;
    double sinceMain = -1;
};

void type(ga::qt::MainWindow& w, Control box, const QString& text) {
    auto* edit = w.control<QLineEdit>(box);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void press(ga::qt::MainWindow& w, Control button) {
    QTest::mouseClick(w.control<QPushButton>(button), Qt::LeftButton);
}

// Runs the event loop as the program does (QTest::qWait sleeps 10 ms whenever nothing is
// due, which would hold back a timer that ticks every millisecond).
void runFor(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

double generations(const ga::qt::MainWindow& w) {
    return w.form().run().module1().nesilSayisi;
}

// Posts a real click on a button, as the window system would, and returns the seconds
// until its handler has run and the status line shows `expected`.
double clickLatency(ga::qt::MainWindow& w, Control button, const QString& expected) {
    auto* target = w.control<QPushButton>(button);
    auto* status = w.control<QLabel>(Control::status);
    QElapsedTimer clock;
    double latency = -1;
    auto connection = QObject::connect(target, &QPushButton::clicked, [&] {
        if (status->text() == expected) {
            latency = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        }
    });
    const QPoint centre = target->rect().center();
    const QPointF global = target->mapToGlobal(QPointF(centre));
    clock.start();
    QCoreApplication::postEvent(target,
                                new QMouseEvent(QEvent::MouseButtonPress, QPointF(centre), global,
                                                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(target,
                                new QMouseEvent(QEvent::MouseButtonRelease, QPointF(centre), global,
                                                Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    while (latency < 0 && clock.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    QObject::disconnect(connection);
    return latency;
}

// The share of one core the process uses while the event loop runs for `seconds`, after
// a second to settle.
double idleCpu(double seconds) {
    runFor(1000);
    const double cpu0 = cpuSeconds();
    QElapsedTimer idle;
    idle.start();
    runFor(static_cast<int>(seconds * 1000));
    return (cpuSeconds() - cpu0) / (static_cast<double>(idle.elapsed()) / 1000);
}

double milliseconds(const QElapsedTimer& clock) {
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

// With the log full: one tick's worth of lines appended and painted, and jumps to places
// all over the log, each painted at once; mean and worst of each. The view shows a copy of
// the window's log meanwhile, so that the lines appended here stay out of the run.
void reportFullLog(ga::qt::ReportLog& log, const ga::ReportLog& full) {
    ga::ReportLog copy(full.capacity());
    copy.assign(full.lines());
    log.showLog(&copy);
    QCoreApplication::processEvents();
    const std::string line = " 54321 ile 12345 çiftleşti ve 54345 doğdu.";
    constexpr int kTicks = 50;
    constexpr int kLinesPerTick = 25;
    double appendSum = 0;
    double appendWorst = 0;
    QElapsedTimer clock;
    for (int tick = 0; tick < kTicks; ++tick) {
        clock.start();
        for (int i = 0; i < kLinesPerTick; ++i) {
            copy.add(line);
        }
        log.refresh();
        log.repaint();
        const double ms = milliseconds(clock);
        appendSum += ms;
        appendWorst = std::max(appendWorst, ms);
    }
    std::printf("log with %d lines, a tick's %d lines appended and painted: %.2f ms mean, "
                "%.2f ms worst\n",
                log.lineCount(), kLinesPerTick, appendSum / kTicks, appendWorst);

    QScrollBar* bar = log.verticalScrollBar();
    constexpr int kJumps = 40;
    double scrollSum = 0;
    double scrollWorst = 0;
    for (int jump = 0; jump <= kJumps; ++jump) {
        // Back and forth across the whole log: top, bottom, and places in between.
        const int step = jump % 2 == 0 ? jump : kJumps - jump;
        clock.start();
        bar->setValue(bar->maximum() / kJumps * step);
        log.repaint();
        const double ms = milliseconds(clock);
        scrollSum += ms;
        scrollWorst = std::max(scrollWorst, ms);
    }
    bar->setValue(bar->maximum());
    std::printf("log with %d lines, a jump to another place painted: %.2f ms mean, %.2f ms "
                "worst\n",
                log.lineCount(), scrollSum / (kJumps + 1), scrollWorst);
    log.showLog(&full);
}

// A long run with the history window open: N generations as fast as the window's logic
// goes (the display and the history window still get their frames), then resident memory,
// and the time from choosing a generation anywhere in the run to its page painted.
void historyAtScale(ga::qt::MainWindow& w, double generationsToRun) {
    press(w, Control::Command3);
    press(w, Control::Command4);
    type(w, Control::Text1, QStringLiteral("100000"));
    press(w, Control::Command1);
    w.showHistory();
    ga::qt::HistoryWindow* history = w.historyWindow();
    runFor(200);

    // What following the run costs the history window: a new generation read and painted.
    {
        constexpr int kSteps = 200;
        double sum = 0;
        double worst = 0;
        QElapsedTimer clock;
        for (int k = 0; k < kSteps; ++k) {
            w.form().Timer1_Timer();
            w.flushDisplay();
            QCoreApplication::processEvents();
            clock.start();
            history->refresh();
            // The repaints and layout that the new generation asks for, as the event loop
            // would carry them out.
            QCoreApplication::processEvents();
            const double ms = milliseconds(clock);
            sum += ms;
            worst = std::max(worst, ms);
        }
        std::printf("history window following a run, one generation read and painted: %.2f ms "
                    "mean, %.2f ms worst\n",
                    sum / kSteps, worst);
    }

    QElapsedTimer frame;
    frame.start();
    QElapsedTimer run;
    run.start();
    for (double g = 0; g < generationsToRun; ++g) {
        w.form().Timer1_Timer();
        if (frame.elapsed() >= 16) {
            w.ops().flushIfDue();
            QCoreApplication::processEvents();
            frame.start();
        }
    }
    w.flushDisplay();
    runFor(500);
    const ga::History& h = w.form().run().history();
    std::printf("history: %.0f generations in %.1f s; resident memory %.1f MB, of which the "
                "history holds %.1f MB (limits %.0f MB)\n",
                generationsToRun, static_cast<double>(run.elapsed()) / 1000,
                static_cast<double>(residentKiB()) / 1024,
                static_cast<double>(h.bytes()) / (1024.0 * 1024.0),
                static_cast<double>(h.limits().detailBytes + h.limits().summaryBytes) /
                    (1024.0 * 1024.0));

    std::mt19937_64 pick(7);
    std::uniform_int_distribution<std::uint64_t> index(h.firstOpenable(), h.size() - 1);
    constexpr int kPicks = 50;
    double sum = 0;
    double worst = 0;
    QElapsedTimer clock;
    for (int k = 0; k < kPicks; ++k) {
        const double number = h.generationNumber(index(pick));
        clock.start();
        history->spinBox()->setValue(static_cast<int>(number));
        history->repaint();
        const double ms = milliseconds(clock);
        sum += ms;
        worst = std::max(worst, ms);
    }
    std::printf("history of %llu generations, a generation chosen anywhere and painted: %.2f ms "
                "mean, %.2f ms worst\n",
                static_cast<unsigned long long>(h.size()), sum / kPicks, worst);
    clock.start();
    history->chart()->historyChanged();
    history->chart()->repaint();
    std::printf("history chart of %llu generations computed and painted: %.2f ms\n",
                static_cast<unsigned long long>(h.size()), milliseconds(clock));
}

double argument(int argc, char** argv, const char* name, double fallback) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], name) == 0) {
            return std::stod(argv[i + 1]);
        }
    }
    return fallback;
}

bool flag(int argc, char** argv, const char* name) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], name) == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    FirstPaint firstPaint;
    firstPaint.clock.start();
    const double seconds = argument(argc, argv, "--seconds", 60);
    const double targetGenerations = argument(argc, argv, "--generations", 100000);
    const double idleSeconds = argument(argc, argv, "--idle-seconds", 20);
    const bool withHistory = flag(argc, argv, "--history");
    const double historyGenerations = argument(argc, argv, "--history-generations", 0);
    const bool present = flag(argc, argv, "--present");

    QApplication app(argc, argv);
    ga::qt::installFontSubstitutions();
    QApplication::setFont(ga::qt::regularFont());
    ga::qt::MainWindow window(QLocale::system().decimalPoint().toStdString());
    window.installEventFilter(&firstPaint);
    if (present) {
        window.presentation().setOn(true);
    } else {
        window.show();
    }
    while (firstPaint.seconds < 0 && firstPaint.clock.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    std::printf("start to first painted window: %.0f ms since the process started "
                "(%.0f ms since main)\n",
                firstPaint.seconds * 1000, firstPaint.sinceMain * 1000);

    if (present) {
        // The window manager may take a moment to make the window full screen.
        runFor(1000);
        std::printf("presentation mode on a %dx%d screen: layout scaled by %.2f\n", window.width(),
                    window.height(), window.presentation().scale());
    }
    if (withHistory) {
        window.showHistory();
        std::printf("with the history window open\n");
    }

    // Full speed, a target the default function never reaches.
    type(window, Control::Text1, QStringLiteral("100000"));
    type(window, Control::Text4, QStringLiteral("2000"));
    press(window, Control::Command1);
    press(window, Control::Command2);
    const double g0 = generations(window);
    const double runCpu0 = cpuSeconds();
    QElapsedTimer run;
    run.start();
    runFor(static_cast<int>(seconds * 1000));
    const double ran = generations(window) - g0;
    const double rate = ran / (static_cast<double>(run.elapsed()) / 1000);
    std::printf("generations per second at speed 2000 over %.0f s: %.0f\n", seconds, rate);
    // Less at the mercy of other processes than the rate: what each generation costs.
    std::printf("CPU per generation at speed 2000, window and display included: %.0f us "
                "(%.0f %% of one core)\n",
                (cpuSeconds() - runCpu0) / ran * 1e6,
                (cpuSeconds() - runCpu0) / (static_cast<double>(run.elapsed()) / 1000) * 100);

    const double stop = clickLatency(window, Control::Command3, QStringLiteral("Durduruldu..."));
    std::printf("\"Durdur\" at speed 2000, click to status changed: %.1f ms\n", stop * 1000);

    press(window, Control::Command2);
    long halfway = -1;
    while (generations(window) < targetGenerations && window.isVisible()) {
        runFor(250);
        if (halfway < 0 && generations(window) >= targetGenerations / 2) {
            halfway = residentKiB();
        }
    }
    std::printf("resident memory after %.0f generations: %.1f MB (%.1f MB at half way)\n",
                generations(window), static_cast<double>(residentKiB()) / 1024,
                static_cast<double>(halfway) / 1024);

    // The log holds its 100 000 lines now; it must stay quick to append to and to scroll.
    press(window, Control::Command3);
    reportFullLog(*window.control<ga::qt::ReportLog>(Control::List1), window.form().log());

    // The default speed with that full log, as a person would leave a long run going.
    type(window, Control::Text4, QStringLiteral("8"));
    press(window, Control::Command1);
    press(window, Control::Command2);
    std::printf("CPU at the default speed 8 with a full log: %.1f %% of one core\n",
                idleCpu(idleSeconds) * 100);
    press(window, Control::Command3);

    QElapsedTimer reset;
    reset.start();
    press(window, Control::Command4);
    std::printf("\"Sıfırla\" with a full log: %.1f ms\n",
                static_cast<double>(reset.nsecsElapsed()) / 1e6);

    // The default speed, as a person would leave it running.
    type(window, Control::Text1, QStringLiteral("100000"));
    type(window, Control::Text4, QStringLiteral("8"));
    press(window, Control::Command1);
    press(window, Control::Command2);
    std::printf("CPU at the default speed 8: %.1f %% of one core\n", idleCpu(idleSeconds) * 100);

    if (historyGenerations > 0) {
        historyAtScale(window, historyGenerations);
    }
    return 0;
}
