// Saving and opening a long run: the window's logic runs a number of generations (a million
// by default) with a report log as full as the window keeps it, then the session is written
// to a file and read back as "Oturumu kaydet" and "Oturumu aç" do, the reading replaying
// every generation of the history. Prints the file's size, the time each way and the peak
// resident memory each took above what the run itself holds.
//
//   session_benchmark [--generations N] [--file PATH]

#include "form/window/Batch.h"
#include "form/window/ControlTable.h"
#include "form/window/Form1.h"
#include "form/window/WindowOps.h"
#include "runtime/Random.h"
#include "session/SessionFile.h"
#include "tests/support/ResidentMemory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <array>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>

namespace {

// The boxes' texts; the report log is Form1's own.
class TextsOps final : public ga::WindowOps {
  public:
    TextsOps() {
        for (const ga::ControlRow& row : ga::controlTable()) {
            texts_[static_cast<std::size_t>(row.id)] = row.text;
        }
    }
    void setText(ga::Control box, std::string text) {
        texts_[static_cast<std::size_t>(box)] = std::move(text);
    }
    [[nodiscard]] std::string text(ga::Control box) const override {
        return texts_[static_cast<std::size_t>(box)];
    }
    void apply(const ga::Batch& batch) override {
        for (const ga::TextChange& change : batch.texts) {
            texts_[static_cast<std::size_t>(change.control)] = change.text;
        }
    }
    float secondsSinceMidnight() override { return 1.5F; }

  private:
    std::array<std::string, ga::kControlCount> texts_;
};

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The processor time this process has used: on a busy machine the wall clock also counts
// the other processes' turns.
double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

} // namespace

int main(int argc, char** argv) {
    const QCoreApplication app(argc, argv);
    long generations = 1000000;
    QString file = QDir::temp().filePath(QStringLiteral("session-benchmark.genetik"));
    const QStringList args = QCoreApplication::arguments();
    for (qsizetype i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--generations")) {
            generations = args[i + 1].toLong();
        } else if (args[i] == QLatin1String("--file")) {
            file = args[i + 1];
        } else {
            std::fprintf(stderr, "usage: session_benchmark [--generations N] [--file PATH]\n");
            return 2;
        }
    }

    TextsOps ops;
    ga::Random random;
    ga::Form1 form(ops, random);
    form.Form_Load();
    form.useSeed(1234567U);
    // A target no gene reaches, so that the run goes the whole way.
    ops.setText(ga::Control::Text1, "100000");
    form.Command1_Click();
    auto start = std::chrono::steady_clock::now();
    for (long i = 0; i < generations; ++i) {
        form.stepOnce();
    }
    std::printf("%ld generations run in %.2f s, resident memory %.1f MB\n", generations,
                secondsSince(start), static_cast<double>(ga::test::residentKiB()) / 1024);

    const double runMB = static_cast<double>(ga::test::residentKiB()) / 1024;
    const auto peakAbove = [runMB] {
        return static_cast<double>(ga::test::peakResidentKiB()) / 1024 - runMB;
    };

    ga::test::resetPeakResident();
    start = std::chrono::steady_clock::now();
    double cpu = cpuSeconds();
    const QString problem = ga::session::saveFile(file, form, QStringLiteral("benchmark"));
    const double saveTime = secondsSince(start);
    const double saveCpu = cpuSeconds() - cpu;
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(file), qPrintable(problem));
        return 1;
    }
    std::printf("saved: %.1f MB in %.2f s (%.2f s of processor time), peak memory %.1f MB above "
                "the run's\n",
                static_cast<double>(QFileInfo(file).size()) / 1e6, saveTime, saveCpu, peakAbove());

    ga::test::resetPeakResident();
    start = std::chrono::steady_clock::now();
    cpu = cpuSeconds();
    ga::session::ReadResult read = ga::session::readFile(file);
    if (!read.state) {
        std::fprintf(stderr, "the session was refused: %s\n", qPrintable(read.detail));
        return 1;
    }
    const double readTime = secondsSince(start);
    form.restore(std::move(*read.state));
    ga::session::releaseFreedMemory();
    std::printf("opened: %.2f s to read and check (the history replayed), %.2f s in all (%.2f s "
                "of processor time), peak memory %.1f MB above the run's\n",
                readTime, secondsSince(start), cpuSeconds() - cpu, peakAbove());
    std::printf("resident memory: %.1f MB\n", static_cast<double>(ga::test::residentKiB()) / 1024);
    QFile::remove(file);
    return 0;
}
