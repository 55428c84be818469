#include "engine/Run.h"

#include <cmath>
#include <utility>

namespace ga {

namespace {

bool sameValue(double a, double b) {
    return a == b ? std::signbit(a) == std::signbit(b) : std::isnan(a) && std::isnan(b);
}

// The arrays and run-wide values after the history's last generation, replayed, must be
// what was saved: otherwise the run would go on from a population the history does not
// know. On success `p` and `m` take the replayed values, bit for bit.
bool matchesHistory(Population& p, Module1& m, const History& history) {
    const std::uint64_t last = history.size() - 1;
    Population rp;
    Module1 rm;
    Objective f;
    GenerationRecord g;
    if (!history.enter(History::checkpointBefore(last), rp, rm, f)) {
        return false;
    }
    for (std::uint64_t i = History::checkpointBefore(last) + 1; i <= last; ++i) {
        const auto lineage = history.lineage(i);
        if (!lineage) {
            return false;
        }
        replayGeneration(rp, rm, f, history.mutationPercentOf(i), history.targetOf(i),
                         lineage->matings, g);
    }
    for (std::size_t i = 1; i <= kPopulation; ++i) {
        if (!sameValue(p.genler[i], rp.genler[i]) || !sameValue(p.sonuclar[i], rp.sonuclar[i]) ||
            !sameValue(p.uyumlar[i], rp.uyumlar[i])) {
            return false;
        }
        for (std::size_t d = 1; d <= 5; ++d) {
            if (!sameValue(p.basamaklar[i][d], rp.basamaklar[i][d])) {
                return false;
            }
        }
    }
    const bool same = sameValue(m.nesilSayisi, history.generationNumber(last)) &&
                      sameValue(m.mutasyonSayisi, rm.mutasyonSayisi) &&
                      sameValue(m.enIyiGen, rm.enIyiGen) && sameValue(m.enIyiUyum, rm.enIyiUyum) &&
                      sameValue(m.enKotuGen, rm.enKotuGen) &&
                      sameValue(m.enKotuUyum, rm.enKotuUyum);
    for (std::size_t j = 1; j <= 5; ++j) {
        if (!sameValue(m.katsayilar[j], history.katsayilar()[j]) ||
            !sameValue(m.usler[j], history.usler()[j])) {
            return false;
        }
    }
    if (!same) {
        return false;
    }
    for (std::size_t i = 1; i <= kPopulation; ++i) {
        p.genler[i] = rp.genler[i];
        p.sonuclar[i] = rp.sonuclar[i];
        p.uyumlar[i] = rp.uyumlar[i];
        p.basamaklar[i] = rp.basamaklar[i];
    }
    m.mutasyonSayisi = rm.mutasyonSayisi;
    m.enIyiGen = rm.enIyiGen;
    m.enIyiUyum = rm.enIyiUyum;
    m.enKotuGen = rm.enKotuGen;
    m.enKotuUyum = rm.enKotuUyum;
    return true;
}

} // namespace

bool acceptableTarget(double target) {
    return target > 0 && target <= 100000;
}

Run::Run(const Run& other)
    : population_(other.population_), module1_(other.module1_), objective_(other.objective_),
      seed_(other.seed_), record_(other.record_), preparation_(other.preparation_),
      history_(other.history_), keepHistory_(other.keepHistory_) {
    takeGenerator(other);
}

Run::Run(Run&& other) noexcept
    : population_(other.population_), module1_(other.module1_), objective_(other.objective_),
      seed_(other.seed_), record_(other.record_), preparation_(other.preparation_),
      history_(std::move(other.history_)), keepHistory_(other.keepHistory_) {
    takeGenerator(other);
}

Run& Run::operator=(const Run& other) {
    if (this != &other) {
        Run copy(other);
        *this = std::move(copy);
    }
    return *this;
}

Run& Run::operator=(Run&& other) noexcept {
    if (this != &other) {
        population_ = other.population_;
        module1_ = other.module1_;
        objective_ = other.objective_;
        seed_ = other.seed_;
        record_ = other.record_;
        preparation_ = other.preparation_;
        history_ = std::move(other.history_);
        keepHistory_ = other.keepHistory_;
        takeGenerator(other);
    }
    return *this;
}

Run Run::lookAhead() const {
    Run ahead;
    ahead.population_ = population_;
    ahead.module1_ = module1_;
    ahead.objective_ = objective_;
    ahead.seed_ = seed_;
    ahead.record_ = record_;
    ahead.preparation_ = preparation_;
    ahead.keepHistory_ = false;
    ahead.takeGenerator(*this);
    return ahead;
}

void Run::takeGenerator(const Run& other) {
    if (random_ == &own_ && other.random_ == &other.own_) {
        own_ = other.own_;
        return;
    }
    // A generator's own state is always one it takes back.
    random_->setState(other.random_->state());
}

void Run::start(std::uint32_t seed, double target) {
    module1_.noktaSayisi = 0;
    reseed(seed);
    giveStartValues(module1_, target);
    history_.clear();
}

void Run::reseed(std::uint32_t seed) {
    seed_ = seed;
    random_->seed(seed);
}

bool Run::prepare(const std::array<double, 6>& katsayilar, const std::array<double, 6>& usler,
                  double target) {
    if (!acceptableTarget(target)) {
        return false;
    }
    module1_.katsayilar = katsayilar;
    module1_.usler = usler;
    ga::prepare(population_, module1_, objective_, target, *random_, preparation_);
    if (keepHistory_) {
        history_.start(preparation_, module1_);
    }
    return true;
}

const GenerationRecord& Run::step(double mutationPercent, double target) {
    generation(population_, module1_, objective_, mutationPercent, target, *random_, record_);
    if (keepHistory_) {
        history_.append(record_);
    }
    return record_;
}

double Run::advanceChartPosition() {
    module1_.noktaSayisi = module1_.noktaSayisi + 1;
    return module1_.noktaSayisi;
}

void Run::setHistoryLimits(const HistoryLimits& limits) {
    history_ = History(limits);
}

std::optional<Run> Run::restore(const Population& population, const Module1& module1,
                                std::uint32_t seed, const std::string& generatorState,
                                History history, RunError& error) {
    Run run;
    if (!run.own_.setState(generatorState)) {
        error = RunError::Generator;
        return std::nullopt;
    }
    run.population_ = population;
    run.module1_ = module1;
    run.seed_ = seed;
    if (!history.empty() && !matchesHistory(run.population_, run.module1_, history)) {
        error = RunError::Population;
        return std::nullopt;
    }
    run.history_ = std::move(history);
    error = RunError::None;
    return run;
}

} // namespace ga
