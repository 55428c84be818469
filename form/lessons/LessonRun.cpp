#include "form/lessons/LessonRun.h"

#include "engine/Experiment.h"
#include "runtime/Convert.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <thread>

namespace ga {

LessonRun::LessonRun() {
    // The window at start-up, before any set-up: its boxes' default texts and a clock seed,
    // which no lesson may rely on (a lesson's reader requires a seed first).
    run_.start(0, target());
}

double LessonRun::target() const {
    return Val(inputs_.target);
}

double LessonRun::mutation() const {
    return Val(inputs_.mutation);
}

void LessonRun::apply(const LessonSetUp& setUp) {
    if (setUp.coefficients) {
        inputs_.coefficients = *setUp.coefficients;
    }
    if (setUp.exponents) {
        inputs_.exponents = *setUp.exponents;
    }
    if (setUp.target) {
        inputs_.target = *setUp.target;
    }
    if (setUp.mutation) {
        inputs_.mutation = *setUp.mutation;
    }
    if (setUp.speed) {
        speed_ = *setUp.speed;
    }
    if (setUp.seed) {
        // "Tohum…" then "Sıfırla": the generator from the seed, the record from the target.
        seed_ = setUp.seed;
        run_.start(*seed_, target());
        prepared_ = false;
    }
}

void LessonRun::prepare() {
    std::array<double, 6> katsayilar{};
    std::array<double, 6> usler{};
    for (std::size_t j = 1; j <= 5; ++j) {
        katsayilar.at(j) = Val(inputs_.coefficients.at(j - 1));
        usler.at(j) = Val(inputs_.exponents.at(j - 1));
    }
    if (run_.prepare(katsayilar, usler, target())) {
        prepared_ = true;
    }
}

void LessonRun::perform(const LessonTask& task) {
    switch (task.kind) {
    case LessonTaskKind::Prepare:
        prepare();
        break;
    case LessonTaskKind::Step:
        if (!prepared_) {
            prepare();
        }
        for (std::uint32_t i = 0; i < task.generations && prepared_; ++i) {
            run_.step(mutation(), target());
        }
        break;
    case LessonTaskKind::Run:
        if (!prepared_) {
            prepare();
        }
        while (prepared_ && run_.module1().nesilSayisi < task.generations) {
            if (run_.step(mutation(), target()).reached) {
                break;
            }
        }
        break;
    case LessonTaskKind::Experiment: {
        ExperimentTexts texts;
        texts.inputs = inputs_;
        const std::array<std::string, 3> varied{"mutation", "target", "method"};
        texts.varied = varied.at(static_cast<std::size_t>(task.varied));
        texts.values = task.values;
        texts.runsPerSetting = std::to_string(task.runs);
        texts.generationLimit = std::to_string(task.limit);
        texts.baseSeed = std::to_string(task.seed);
        ExperimentReading reading = readExperiment(texts);
        experiment_ = std::move(reading.settings);
        summaries_.reset();
        break;
    }
    case LessonTaskKind::History:
    case LessonTaskKind::SearchSpace:
        break;
    }
}

std::optional<ListedPopulation> LessonRun::listed(std::optional<double> at) {
    const History& h = run_.history();
    if (h.empty()) {
        return std::nullopt;
    }
    const double g = at.value_or(h.generationNumber(h.size() - 1));
    const double index = g - h.firstGeneration();
    if (!(index >= 0 && index < static_cast<double>(h.size())) || std::trunc(index) != index) {
        return std::nullopt;
    }
    if (!replay_.seek(h, static_cast<std::uint64_t>(index))) {
        return std::nullopt;
    }
    return replay_.listed();
}

const GenerationRecord* LessonRun::recordAt(std::optional<double> at) {
    if (!listed(at) || replay_.index() == 0) {
        return nullptr;
    }
    return &replay_.record();
}

const std::vector<SettingSummary>& LessonRun::summaries() {
    if (!summaries_) {
        summaries_.emplace();
        if (experiment_) {
            ExperimentSettings settings = *experiment_;
            settings.threads = std::clamp(std::thread::hardware_concurrency(), 1U, kMaxThreads);
            Experiment e(settings);
            e.start();
            e.wait();
            *summaries_ = summarize(e.settings(), e.results());
        }
    }
    return *summaries_;
}

const SearchSpace& LessonRun::space() {
    std::array<double, 6> katsayilar{};
    std::array<double, 6> usler{};
    for (std::size_t j = 1; j <= 5; ++j) {
        katsayilar.at(j) = Val(inputs_.coefficients.at(j - 1));
        usler.at(j) = Val(inputs_.exponents.at(j - 1));
    }
    const double t = target();
    if (space_ == nullptr || space_->coefficients() != katsayilar || space_->exponents() != usler ||
        !(space_->target() == t)) {
        space_ = std::make_unique<SearchSpace>();
        space_->evaluate(katsayilar, usler, t);
    }
    return *space_;
}

std::optional<double> LessonRun::quantity(Quantity q, std::optional<double> at) {
    const auto setting = [this, at]() -> const SettingSummary* {
        for (const SettingSummary& s : summaries()) {
            if (at && s.value == *at) {
                return &s;
            }
        }
        return nullptr;
    };
    // The setting value whose figure is lowest; a tie has no single answer.
    const auto lowest = [this](auto figure) -> std::optional<double> {
        std::optional<double> best;
        std::optional<double> value;
        bool tie = false;
        for (const SettingSummary& s : summaries()) {
            const std::optional<double> f = figure(s);
            if (!f) {
                continue;
            }
            if (!best || *f < *best) {
                best = f;
                value = s.value;
                tie = false;
            } else if (*f == *best) {
                tie = true;
            }
        }
        return tie ? std::nullopt : value;
    };
    switch (q) {
    case Quantity::None:
        return std::nullopt;
    case Quantity::Generation:
        return run_.module1().nesilSayisi;
    case Quantity::BestFitness:
    case Quantity::BestGene:
    case Quantity::Mutations: {
        // The newest values are the run's own; an earlier generation's are its record's.
        if (!at) {
            if (!prepared_) {
                return std::nullopt;
            }
            const Module1& m = run_.module1();
            return q == Quantity::BestFitness ? m.enIyiUyum
                   : q == Quantity::BestGene  ? m.enIyiGen
                                              : m.mutasyonSayisi;
        }
        const GenerationRecord* r = recordAt(at);
        if (r == nullptr) {
            return std::nullopt;
        }
        return q == Quantity::BestFitness ? r->bestFitness
               : q == Quantity::BestGene  ? r->bestGene
                                          : r->mutations;
    }
    case Quantity::DistinctGenes: {
        const std::optional<ListedPopulation> l = listed(at);
        if (!l) {
            return std::nullopt;
        }
        return static_cast<double>(std::set<double>(l->genes.begin(), l->genes.end()).size());
    }
    case Quantity::AtTarget: {
        const std::optional<ListedPopulation> l = listed(at);
        if (!l) {
            return std::nullopt;
        }
        return static_cast<double>(std::count(l->fitness.begin(), l->fitness.end(), 0.0));
    }
    case Quantity::OldAgeDeaths: {
        const GenerationRecord* r = recordAt(at);
        if (r == nullptr) {
            return std::nullopt;
        }
        return static_cast<double>(std::count_if(r->deaths.begin(), r->deaths.end(),
                                                 [](const Death& d) { return d.oldAge; }));
    }
    case Quantity::TargetGenes:
        return static_cast<double>(space().exactCount());
    case Quantity::ExhaustiveEvaluations:
        return static_cast<double>(space().exhaustiveEvaluations());
    case Quantity::MedianGenerations: {
        const SettingSummary* s = setting();
        if (s == nullptr || !s->generations) {
            return std::nullopt;
        }
        return s->generations->median;
    }
    case Quantity::ReachedPercent: {
        const SettingSummary* s = setting();
        return s != nullptr ? s->reachedPercent : std::nullopt;
    }
    case Quantity::MedianEvaluations: {
        const SettingSummary* s = setting();
        return s != nullptr ? s->medianEvaluations : std::nullopt;
    }
    case Quantity::FastestSetting:
        return lowest([](const SettingSummary& s) -> std::optional<double> {
            return s.generations ? std::optional<double>(s.generations->median) : std::nullopt;
        });
    case Quantity::FewestEvaluations:
        return lowest([](const SettingSummary& s) { return s.medianEvaluations; });
    }
    return std::nullopt;
}

std::optional<LessonAnswer> LessonRun::answer(const LessonQuestion& question) {
    LessonAnswer a;
    switch (question.kind) {
    case AnswerKind::Choice:
        if (question.quantity == Quantity::None) {
            a.choice = question.choice;
            break;
        }
        a.value = quantity(question.quantity, question.at);
        if (!a.value) {
            return std::nullopt;
        }
        for (std::size_t i = 0; i < question.choiceValues.size(); ++i) {
            if (std::abs(question.choiceValues[i] - *a.value) <= question.tolerance) {
                if (a.choice) {
                    return std::nullopt; // two choices fit: the question has no one answer
                }
                a.choice = static_cast<int>(i);
            }
        }
        if (!a.choice) {
            return std::nullopt;
        }
        break;
    case AnswerKind::Number:
        a.value = question.quantity == Quantity::None ? question.value
                                                      : quantity(question.quantity, question.at);
        if (!a.value) {
            return std::nullopt;
        }
        break;
    case AnswerKind::Rows: {
        const std::optional<ListedPopulation> l = listed();
        if (!l) {
            return std::nullopt;
        }
        std::copy(l->fitness.begin(), l->fitness.end(), a.fitness.begin());
        switch (question.rows) {
        case RowSet::Dying: {
            // The next generation's ranking, on a copy: the original stays where it is.
            Run ahead = run_;
            ahead.keepHistory(false);
            const GenerationRecord& next = ahead.step(mutation(), target());
            for (std::size_t k = kSurvivors; k < kPopulation; ++k) {
                a.rows.push_back(next.order.at(k));
            }
            break;
        }
        case RowSet::AtTarget:
        case RowSet::Best: {
            const double best = question.rows == RowSet::AtTarget
                                    ? 0.0
                                    : *std::min_element(l->fitness.begin(), l->fitness.end());
            for (std::size_t i = 0; i < l->fitness.size(); ++i) {
                if (l->fitness.at(i) == best) {
                    a.rows.push_back(static_cast<int>(i) + 1);
                }
            }
            break;
        }
        }
        break;
    }
    }
    return a;
}

LessonRun LessonRun::upTo(const Lesson& lesson, std::size_t step) {
    LessonRun r;
    for (std::size_t i = 0; i <= step && i < lesson.steps.size(); ++i) {
        const LessonStep& s = lesson.steps[i];
        if (s.setUp) {
            r.apply(*s.setUp);
        }
        if (s.task) {
            r.perform(*s.task);
        }
    }
    return r;
}

std::vector<std::optional<LessonAnswer>> LessonRun::answers(const Lesson& lesson) {
    std::vector<std::optional<LessonAnswer>> out;
    LessonRun r;
    for (const LessonStep& s : lesson.steps) {
        if (s.setUp) {
            r.apply(*s.setUp);
        }
        if (s.task) {
            r.perform(*s.task);
        }
        out.push_back(s.question ? r.answer(*s.question) : std::nullopt);
    }
    return out;
}

} // namespace ga
