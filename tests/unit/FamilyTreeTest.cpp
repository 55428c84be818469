#include "engine/FamilyTree.h"
#include "engine/QuietRun.h"
#include "runtime/Digits.h"
#include "tests/unit/RecordedRun.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>

namespace ga::test {
namespace {

// Where the individual listed at (index, position) was born, followed through the recorded
// rankings alone: a survivor stood at order[position - 1] in the population before.
std::pair<std::uint64_t, int> birthOf(const RecordedRun& run, std::uint64_t index, int position) {
    while (index > 0 && position <= kSurvivors) {
        position = run.records[index].order[static_cast<std::size_t>(position - 1)];
        --index;
    }
    return {index, position};
}

struct Seen {
    bool mutationPassedOn = false;
    bool repeatedAncestor = false;
    bool prepared = false;
    bool survivorRoot = false;
};

// Checks one tree against the recorded generations; notes what it exercised.
void checkTree(const RecordedRun& run, const FamilyTree& tree, Seen& seen) {
    const Ancestor& root = tree.nodes[0];
    EXPECT_EQ(root.gene, run.listed[tree.index].genes[tree.position - 1U]);
    EXPECT_EQ(std::make_pair(root.birth, static_cast<int>(root.position)),
              birthOf(run, tree.index, tree.position));
    seen.survivorRoot = seen.survivorRoot || tree.position <= kSurvivors;

    std::set<std::pair<std::uint64_t, int>> places;
    std::map<int, int> linksInto;
    for (const AncestorLink& link : tree.links) {
        ++linksInto[link.parent];
    }
    for (std::size_t n = 0; n < tree.nodes.size(); ++n) {
        const Ancestor& a = tree.nodes[n];
        SCOPED_TRACE(::testing::Message()
                     << "node " << n << " born " << a.birth << "/" << int{a.position});
        EXPECT_TRUE(places.insert({a.birth, a.position}).second) << "drawn once";
        EXPECT_LE(a.level, tree.depth);
        EXPECT_EQ(a.expanded, a.origin == AncestorOrigin::Born && a.level < tree.depth);
        if (a.origin == AncestorOrigin::Prepared) {
            EXPECT_EQ(a.birth, 0U);
            EXPECT_EQ(a.gene, run.prepared.genes[a.position - 1U]);
            seen.prepared = true;
        } else {
            ASSERT_EQ(a.origin, AncestorOrigin::Born);
            ASSERT_GT(a.position, kSurvivors);
            EXPECT_EQ(a.gene, run.records[a.birth].genes[a.position - 1U]);
        }
        seen.repeatedAncestor = seen.repeatedAncestor || linksInto[static_cast<int>(n)] > 1;
    }

    // Each expanded child has its two parents, as the recorded mating chose them, and its
    // gene is their digits after the mutations the parents went through before it.
    std::map<int, std::vector<const AncestorLink*>> parents;
    for (const AncestorLink& link : tree.links) {
        parents[link.child].push_back(&link);
    }
    for (std::size_t n = 0; n < tree.nodes.size(); ++n) {
        const Ancestor& child = tree.nodes[n];
        const auto& links = parents[static_cast<int>(n)];
        if (!child.expanded) {
            EXPECT_TRUE(links.empty());
            continue;
        }
        ASSERT_EQ(links.size(), 2U);
        const GenerationRecord& g = run.records[child.birth];
        const MatingChoice& c = g.matings[child.position - kSurvivors - 1U];
        std::array<std::array<double, 6>, 3> rows{};
        for (const AncestorLink* link : links) {
            const Ancestor& parent = tree.nodes[static_cast<std::size_t>(link->parent)];
            EXPECT_LE(parent.level, child.level + 1);
            const int ranked = link->role == 1 ? c.a : c.b;
            EXPECT_EQ(parent.gene, g.rankedGenes[static_cast<std::size_t>(ranked - 1)]);
            auto& row = rows[link->role];
            row = splitDigits(parent.gene);
            for (const InheritedMutation& m : link->mutations) {
                EXPECT_EQ(g.matings[m.mating - 1U].mutant, ranked);
                EXPECT_EQ(m.here, m.mating == child.position - kSurvivors);
                row[m.digit] += m.up ? 1 : -1;
                EXPECT_EQ(m.after, joinDigits(row[1], row[2], row[3], row[4], row[5]));
                EXPECT_EQ(m.after, g.mutants[m.mating - 1U]);
                seen.mutationPassedOn = seen.mutationPassedOn || m.passedOn;
            }
        }
        EXPECT_EQ(child.gene,
                  joinDigits(rows[1][1], rows[1][2], rows[2][3], rows[2][4], rows[2][5]));
    }
}

// The family tree of a gene follows exactly what the recorded matings did: who mated with
// whom, which survivor is which individual of the generation before, which digits mutated
// on the way, and an individual reached along two lines is one individual.
TEST(FamilyTreeTest, EveryLineMatchesTheRecordedMatings) {
    const RecordedRun run(1400);
    const History& history = run.h.form.run().history();
    Seen seen;
    for (const std::uint64_t index :
         {std::uint64_t{0}, std::uint64_t{1}, std::uint64_t{2}, std::uint64_t{257},
          std::uint64_t{330}, std::uint64_t{905}, std::uint64_t{1400}}) {
        for (int position = 1; position <= kPopulation; position += 3) {
            for (int depth : {1, 4, 8}) {
                SCOPED_TRACE(::testing::Message() << "index " << index << " position " << position
                                                  << " depth " << depth);
                const auto tree = familyTree(history, index, position, depth);
                ASSERT_TRUE(tree.has_value());
                checkTree(run, *tree, seen);
            }
        }
    }
    EXPECT_TRUE(seen.mutationPassedOn);
    EXPECT_TRUE(seen.repeatedAncestor);
    EXPECT_TRUE(seen.prepared);
    EXPECT_TRUE(seen.survivorRoot);

    EXPECT_FALSE(familyTree(history, 5, 0, 6).has_value());
    EXPECT_FALSE(familyTree(history, 5, 21, 6).has_value());
    EXPECT_FALSE(familyTree(history, history.size(), 1, 6).has_value());
}

// Where the history no longer holds the detail, the lines end there, marked as forgotten,
// instead of inventing parents.
TEST(FamilyTreeTest, LinesEndWhereTheDetailWasDropped) {
    History history(HistoryLimits{1, std::size_t{1} << 30U});
    RunInputs inputs;
    inputs.target = "100000";
    inputs.mutation = "30";
    QuietRun run(inputs, 8);
    run.prepare();
    history.start(run.run().preparation(), run.run().module1());
    for (std::uint64_t g = 1; g <= 2 * History::kChunkGenerations + 40; ++g) {
        run.tick();
        history.append(run.run().record());
    }
    const std::uint64_t first = history.firstOpenable();
    ASSERT_EQ(first, 2 * History::kChunkGenerations + 1);
    const auto tree = familyTree(history, first + 3, 15, kMaxTreeDepth);
    ASSERT_TRUE(tree.has_value());
    bool forgotten = false;
    for (const Ancestor& a : tree->nodes) {
        EXPECT_NE(a.origin, AncestorOrigin::Prepared);
        if (a.origin == AncestorOrigin::Forgotten) {
            forgotten = true;
            EXPECT_EQ(a.birth, first - 1);
            EXPECT_FALSE(a.expanded);
        }
    }
    EXPECT_TRUE(forgotten);
}

} // namespace
} // namespace ga::test
