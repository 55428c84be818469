#include "cli/HeadlessExperiment.h"

#include "engine/Experiment.h"
#include "engine/ExperimentSummary.h"
#include "form/experiments/ExperimentCsv.h"
#include "form/experiments/SummaryColumns.h"
#include "form/texts/Messages.h"

#include <QSaveFile>

#include <algorithm>
#include <atomic>
#include <charconv>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

namespace ga::qt {

namespace {

std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

extern "C" void onInterrupt(int /*signal*/) {
    interrupted.store(true);
}

// Progress is shown at most this often; a terminal needs no more.
constexpr auto kProgressInterval = std::chrono::milliseconds(100);

std::string fixed(double value, int decimals) {
    char buffer[64];
    const auto written = std::to_chars(std::begin(buffer), std::end(buffer), value,
                                       std::chars_format::fixed, decimals);
    return {std::begin(buffer), written.ptr};
}

std::string duration(double seconds) {
    if (seconds < 60) {
        return fixed(seconds, seconds < 10 ? 1 : 0) + " s";
    }
    return fixed(seconds / 60, 0) + " min";
}

void showProgress(std::size_t done, std::size_t total, double elapsed) {
    std::string line =
        "\rgenetik-algoritma: " + std::to_string(done) + " of " + std::to_string(total) + " runs";
    if (done > 0) {
        line += ", about " +
                duration(elapsed * static_cast<double>(total - done) / static_cast<double>(done)) +
                " left";
    }
    line += "\x1b[K"; // clears what a longer line left behind
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
}

using Row = std::vector<std::string>;

// The width of a cell in a terminal: its characters, not its bytes (the dash is three).
std::size_t terminalWidth(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U;
    }));
}

// The summary as an aligned table for a person, in English with the point as decimal
// separator. The rows are made twice, once for the widths and once to print, rather than
// kept: an experiment may have a million.
void printSummary(const ExperimentSettings& settings, const std::vector<RunResult>& results) {
    const std::vector<const SummaryColumnDef*> columns =
        peopleColumns(settings.varied, settings.method);
    const auto header = [&] {
        Row row;
        for (const SummaryColumnDef* column : columns) {
            row.emplace_back(terminalHeader(*column, settings.varied));
        }
        return row;
    };
    const auto summaryRow = [&](std::size_t s) {
        const SettingSummary summary = summarizeSetting(settings, results, s);
        Row row;
        for (const SummaryColumnDef* column : columns) {
            row.push_back(summaryCell(summary, *column, settings.varied, Language::English, "."));
        }
        return row;
    };
    std::vector<std::size_t> widths(columns.size(), 0);
    const auto measure = [&widths](const Row& row) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            widths[c] = std::max(widths[c], terminalWidth(row[c]));
        }
    };
    const auto print = [&widths](const Row& row) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            line += c == 0 ? "" : "  ";
            line.append(widths[c] - terminalWidth(row[c]), ' ');
            line += row[c];
        }
        line += '\n';
        std::fputs(line.c_str(), stderr);
    };
    measure(header());
    for (std::size_t s = 0; s < settings.values.size(); ++s) {
        measure(summaryRow(s));
    }
    print(header());
    for (std::size_t s = 0; s < settings.values.size(); ++s) {
        print(summaryRow(s));
    }
}

} // namespace

int runHeadlessExperiment(const ExperimentSettings& settings, const QString& output) {
    // From here on an interrupt ends the runs but still writes the ones that ended.
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);

    // The file is opened before any run, so a wrong path costs no time.
    QSaveFile file(output);
    if (!output.isEmpty() && !file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "genetik-algoritma: cannot write '%s': %s\n", qPrintable(output),
                     qPrintable(file.errorString()));
        return 1;
    }

    const bool terminal = isatty(STDERR_FILENO) != 0;
    const auto started = std::chrono::steady_clock::now();
    Experiment experiment(settings);
    experiment.start();
    auto shown = started;
    while (!experiment.finished()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (interrupted.load()) {
            experiment.cancel();
        }
        const auto now = std::chrono::steady_clock::now();
        if (terminal && now - shown >= kProgressInterval) {
            shown = now;
            showProgress(experiment.runsDone(), experiment.runCount(),
                         std::chrono::duration<double>(now - started).count());
        }
    }
    experiment.wait();
    if (terminal) {
        std::fputs("\r\x1b[K", stderr);
    }

    bool written = true;
    writeRunsCsv(settings, experiment.results(), [&](std::string_view piece) {
        if (output.isEmpty()) {
            written = written && std::fwrite(piece.data(), 1, piece.size(), stdout) == piece.size();
        } else {
            written = written && file.write(piece.data(), static_cast<qint64>(piece.size())) ==
                                     static_cast<qint64>(piece.size());
        }
    });
    written = output.isEmpty() ? std::fflush(stdout) == 0 && written : written && file.commit();
    printSummary(settings, experiment.results());
    if (!written) {
        std::fprintf(stderr, "genetik-algoritma: cannot write '%s': %s\n",
                     output.isEmpty() ? "standard output" : qPrintable(output),
                     output.isEmpty() ? "write error" : qPrintable(file.errorString()));
        return 1;
    }
    if (interrupted.load()) {
        std::fprintf(stderr,
                     "genetik-algoritma: interrupted; %zu of %zu runs ended and were "
                     "written.\n",
                     experiment.runsDone(), experiment.runCount());
        return 130;
    }
    return 0;
}

} // namespace ga::qt
