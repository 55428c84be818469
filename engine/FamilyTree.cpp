#include "engine/FamilyTree.h"

#include "engine/HistoryReplay.h"

#include <algorithm>
#include <array>
#include <utility>

namespace ga {

namespace {

// The records of one stretch between checkpoints, replayed once: the tree is followed from
// the newest generation to the oldest, and one stretch usually holds several births.
class StretchRecords {
  public:
    explicit StretchRecords(const History& history) : history_(history) {}

    const GenerationRecord& at(std::uint64_t index) {
        if (records_.empty() || index < first_ || index >= first_ + records_.size()) {
            records_.clear();
            first_ = History::checkpointBefore(index) + 1;
            for (std::uint64_t i = first_; i <= index; ++i) {
                replay_.seek(history_, i);
                records_.push_back(replay_.record());
            }
        }
        return records_[index - first_];
    }

  private:
    const History& history_;
    HistoryReplay replay_;
    std::vector<GenerationRecord> records_;
    std::uint64_t first_ = 0;
};

// The mutations that the parent at ranked position `parent` went through in generation
// `g` up to and including mating `mating` (1..10).
std::vector<InheritedMutation> mutationsOf(const GenerationRecord& g, int mating, int parent,
                                           std::uint8_t role) {
    std::vector<InheritedMutation> out;
    double gene = g.rankedGenes[static_cast<std::size_t>(parent - 1)];
    for (int r = 1; r <= mating; ++r) {
        const MatingChoice& c = g.matings[static_cast<std::size_t>(r - 1)];
        if (c.mutant != parent) {
            continue;
        }
        const double after = g.mutants[static_cast<std::size_t>(r - 1)];
        out.push_back({static_cast<std::uint8_t>(r), c.digit, c.up, gene, after, r == mating,
                       role == 1 ? c.digit <= 2 : c.digit >= 3});
        gene = after;
    }
    return out;
}

} // namespace

std::optional<FamilyTree> familyTree(const History& history, std::uint64_t index, int position,
                                     int depth) {
    HistoryReplay replay;
    if (position < 1 || position > kPopulation || !replay.seek(history, index)) {
        return std::nullopt;
    }
    FamilyTree tree;
    tree.index = index;
    tree.position = static_cast<std::uint8_t>(position);
    tree.depth = std::clamp(depth, 1, kMaxTreeDepth);
    tree.nodes.push_back({});
    tree.nodes[0].gene = replay.listed().genes[static_cast<std::size_t>(position - 1)];

    // Who of the tree is listed where in population t: slot[q] is a node or -1. Going back
    // one generation, each survivor moves to the place it held before the ranking and each
    // child is born, bringing its parents in at the places of the survivors it mated from.
    // Every individual has one place per population, so one reached along two lines lands
    // in the same slot and is drawn once.
    std::array<int, kPopulation + 1> slot{};
    slot.fill(-1);
    slot[static_cast<std::size_t>(position)] = 0;
    StretchRecords records(history);
    std::uint64_t t = index;
    const auto anyone = [&slot] {
        return std::any_of(slot.begin(), slot.end(), [](int n) { return n >= 0; });
    };
    while (anyone()) {
        const auto lineage = t == 0 ? std::nullopt : history.lineage(t);
        if (!lineage) {
            // The prepared population, or the oldest one still held: the end of every line.
            for (int q = 1; q <= kPopulation; ++q) {
                if (const int n = slot[static_cast<std::size_t>(q)]; n >= 0) {
                    Ancestor& a = tree.nodes[static_cast<std::size_t>(n)];
                    a.origin = t == 0 ? AncestorOrigin::Prepared : AncestorOrigin::Forgotten;
                    a.birth = t;
                    a.position = static_cast<std::uint8_t>(q);
                }
            }
            break;
        }
        for (int q = kSurvivors + 1; q <= kPopulation; ++q) {
            const int n = slot[static_cast<std::size_t>(q)];
            if (n < 0) {
                continue;
            }
            slot[static_cast<std::size_t>(q)] = -1;
            tree.nodes[static_cast<std::size_t>(n)].origin = AncestorOrigin::Born;
            tree.nodes[static_cast<std::size_t>(n)].birth = t;
            tree.nodes[static_cast<std::size_t>(n)].position = static_cast<std::uint8_t>(q);
            // Every line into this individual is known by now: they all come from children
            // born later, which were met first.
            const int level = tree.nodes[static_cast<std::size_t>(n)].level;
            if (level >= tree.depth) {
                continue;
            }
            tree.nodes[static_cast<std::size_t>(n)].expanded = true;
            const int mating = q - kSurvivors;
            const MatingChoice& c = lineage->matings[static_cast<std::size_t>(mating - 1)];
            const GenerationRecord& g = records.at(t);
            for (const auto& [parent, role] :
                 {std::pair<int, std::uint8_t>{c.a, 1}, std::pair<int, std::uint8_t>{c.b, 2}}) {
                int& p = slot[static_cast<std::size_t>(parent)];
                if (p < 0) {
                    p = static_cast<int>(tree.nodes.size());
                    Ancestor a;
                    a.gene = g.rankedGenes[static_cast<std::size_t>(parent - 1)];
                    a.level = level + 1;
                    tree.nodes.push_back(a);
                } else {
                    Ancestor& a = tree.nodes[static_cast<std::size_t>(p)];
                    a.level = std::min(a.level, level + 1);
                }
                tree.links.push_back({n, p, role, mutationsOf(g, mating, parent, role)});
            }
        }
        std::array<int, kPopulation + 1> before{};
        before.fill(-1);
        for (int q = 1; q <= kSurvivors; ++q) {
            before[lineage->survivorFrom[static_cast<std::size_t>(q - 1)]] =
                slot[static_cast<std::size_t>(q)];
        }
        slot = before;
        --t;
    }

    // F of every gene, by the run's function.
    Population p;
    Module1 m;
    m.katsayilar = history.katsayilar();
    m.usler = history.usler();
    Objective f;
    f.use(m);
    for (Ancestor& a : tree.nodes) {
        p.genler[1] = a.gene;
        f.evaluate(p, 1, 0);
        a.value = p.sonuclar[1];
    }
    return tree;
}

} // namespace ga
