#include "engine/HistoryReplay.h"

namespace ga {

bool HistoryReplay::seek(const History& history, std::uint64_t index) {
    if (!history.openable(index)) {
        return false;
    }
    const std::uint64_t from = History::checkpointBefore(index);
    // Going on from where the last replay stopped is never longer than starting over.
    const bool goOn = runId_ == history.runId() && index_ <= index && index_ >= from;
    if (!goOn) {
        if (!history.enter(from, population_, module1_, objective_)) {
            runId_ = 0;
            return false;
        }
        runId_ = history.runId();
        index_ = from;
        for (int i = 1; i <= kPopulation; ++i) {
            const auto k = static_cast<std::size_t>(i - 1);
            listed_.genes[k] = population_.genler[i];
            listed_.values[k] = population_.sonuclar[i];
            listed_.fitness[k] = population_.uyumlar[i];
        }
    }
    if (index_ == index) {
        return true;
    }
    while (index_ < index) {
        const auto lineage = history.lineage(index_ + 1);
        if (!lineage) {
            runId_ = 0;
            return false;
        }
        ++index_;
        replayGeneration(population_, module1_, objective_, history.mutationPercentOf(index_),
                         history.targetOf(index_), lineage->matings, record_);
    }
    listed_.genes = record_.genes;
    listed_.values = record_.values;
    listed_.fitness = record_.fitness;
    return true;
}

} // namespace ga
