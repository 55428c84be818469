#include "form/window/Form1.h"

#include "form/texts/Messages.h"
#include "form/window/ControlTable.h"
#include "form/window/Narration.h"
#include "runtime/Convert.h"

#include <cmath>
#include <utility>

namespace ga {

int timerPeriodFor(double speed) {
    constexpr int kRecommendedPeriod = 125;
    constexpr int kLongestPeriod = 86'400'000;
    if (!std::isfinite(speed) || speed <= 0) {
        return kRecommendedPeriod;
    }
    const std::int32_t period = CLng(1000 / speed);
    if (period < 1) {
        return 1;
    }
    return period > kLongestPeriod ? kLongestPeriod : period;
}

Form1::Form1(WindowOps& ops, RandomSource& random, std::string decimalSeparator)
    : ops_(ops), decimalSeparator_(std::move(decimalSeparator)), run_(random),
      interval_(kTimerStartInterval) {}

double Form1::target() const {
    const std::string text = ops_.text(Control::Text1);
    if (text != targetText_) {
        targetValue_ = Val(text);
        targetText_ = text;
    }
    return targetValue_;
}

void Form1::show() {
    ops_.apply(batch_);
    batch_.clear();
}

void Form1::setTimer(bool on) {
    timerEnabled_ = on;
    batch_.setEnabled(Control::Timer1, on);
}

void Form1::setStart(bool on) {
    startEnabled_ = on;
    batch_.setEnabled(Control::Command2, on);
}

namespace {

std::size_t listIndex(Control list) {
    return list == Control::Gen ? 0 : list == Control::Sonuc ? 1 : 2;
}

} // namespace

void Form1::appendListLine(Control list, double value) {
    appendCStr(batch_.list(list).lines.add(), value, decimalSeparator_, messages().undefined);
    listValues_[listIndex(list)].push_back(value);
}

void Form1::clearList(Control list) {
    batch_.list(list).cleared = true;
    batch_.list(list).lines.clear();
    listValues_[listIndex(list)].clear();
}

void Form1::setStatus(Status status) {
    status_ = status;
    const Messages& words = messages();
    // In the order of Status.
    const std::string_view texts[] = {words.waiting, words.prepared, words.started,
                                      words.stopped, words.reset,    words.reached};
    batch_.setText(Control::status, texts[static_cast<std::size_t>(status)]);
}

void Form1::retranslate() {
    setStatus(status_);
    for (Control list : kPopulationLists) {
        const std::vector<double> values = listValues_[listIndex(list)];
        clearList(list);
        for (double value : values) {
            appendListLine(list, value);
        }
    }
    show();
}

void Form1::Command1_Click() {
    interval_ = timerPeriodFor(Val(ops_.text(Control::Text4)));
    batch_.interval = interval_;

    // The function is read before the target is judged: reading a box shows nothing, and
    // a refused target leaves the run as it was.
    std::array<double, 6> katsayilar{};
    std::array<double, 6> usler{};
    for (int j = 1; j <= 5; ++j) {
        katsayilar[j] = Val(ops_.text(kCoefficientBoxes[j - 1]));
        usler[j] = Val(ops_.text(kExponentBoxes[j - 1]));
    }
    if (!run_.prepare(katsayilar, usler, target())) {
        batch_.messages.emplace_back(messages().targetRejected);
        show();
        return;
    }

    setStatus(Status::Prepared);
    chartTop();
    renderPreparation();

    setStart(true);
    show();
}

void Form1::renderPreparation() {
    // The lists are appended to, never cleared here: line n of each belongs to the same
    // individual.
    const PreparationRecord& prepared = run_.preparation();
    for (std::size_t k = 0; k < kPopulation; ++k) {
        appendListLine(Control::Gen, prepared.genes[k]);
        appendListLine(Control::Sonuc, prepared.values[k]);
        appendListLine(Control::uyl, prepared.fitness[k]);
    }
}

Form1::StepInputs Form1::nextStepInputs() const {
    return {Val(ops_.text(Control::Text3)), target()};
}

void Form1::Timer1_Timer() {
    // The target of the re-evaluation is Text1 as it reads during this tick.
    const StepInputs in = nextStepInputs();
    run_.step(in.mutationPercent, in.target);
    renderGeneration();
    show();
}

void Form1::renderGeneration() {
    const GenerationRecord& g = run_.record();
    // Written aside first: a line the log keeps then takes only the memory it needs, not
    // what growing it in place would leave it.
    narration_.clear();
    appendReportLines(g, narration_);
    for (const std::string& line : narration_) {
        log_.add(line);
    }
    batch_.logChanged = true;

    for (int i = 1; i <= kPopulation; ++i) {
        chartStep(i);
    }

    for (Control list : kPopulationLists) {
        clearList(list);
    }
    for (std::size_t k = 0; k < kPopulation; ++k) {
        appendListLine(Control::Gen, g.genes[k]);
        appendListLine(Control::Sonuc, g.values[k]);
        appendListLine(Control::uyl, g.fitness[k]);
    }

    metinler();

    if (g.reached) {
        setTimer(false);
        batch_.beep = true;
        setStatus(Status::Reached);
    }
}

} // namespace ga
