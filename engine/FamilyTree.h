#pragma once

#include "engine/History.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace ga {

// How an individual of a family tree came to be.
enum class AncestorOrigin : std::uint8_t {
    Born,      // in a mating; its parents follow while the depth allows
    Prepared,  // one of the twenty "Hazırla" made
    Forgotten, // before the oldest generation the history still holds in detail
};

// One individual, drawn once however many lines lead to it.
struct Ancestor {
    double gene = 0;
    double value = 0; // F of the gene
    AncestorOrigin origin = AncestorOrigin::Born;
    // Where it first appears: the history index of the population it was born into and its
    // position there (1..20). For a forgotten one, the oldest place it was followed to.
    std::uint64_t birth = 0;
    std::uint8_t position = 0;
    // Parent levels between the chosen individual and this one, along the shortest line.
    int level = 0;
    // Whether its parents are in the tree (not past the depth, not prepared or forgotten).
    bool expanded = false;
};

// A mutation a parent's digits went through in the generation of a birth, before the child
// took its digits: in this mating, or in an earlier mating of the same generation that
// changed the same parent's digits in place.
struct InheritedMutation {
    std::uint8_t mating = 0; // 1..10
    std::uint8_t digit = 0;  // 1..5
    bool up = false;
    double before = 0; // the parent's digits as a gene, before and after the change
    double after = 0;
    bool here = false;     // it happened in the mating of this birth
    bool passedOn = false; // the child takes the changed digit from this parent
};

// A line from a child to one of its parents.
struct AncestorLink {
    int child = 0;
    int parent = 0;
    // 1: the first parent, who gives digits x and y; 2: the second, who gives z, k and c.
    std::uint8_t role = 1;
    std::vector<InheritedMutation> mutations;
};

struct FamilyTree {
    // The chosen individual: the listed population and its position there.
    std::uint64_t index = 0;
    std::uint8_t position = 0;
    int depth = 0;
    // nodes[0] is the chosen individual.
    std::vector<Ancestor> nodes;
    std::vector<AncestorLink> links;
};

// The deepest tree that can be asked for: at most 2^(depth + 1) - 1 individuals.
inline constexpr int kMaxTreeDepth = 12;

// The family tree of individual `position` (1..20) of listed population `index`, `depth`
// parent levels deep (1..kMaxTreeDepth): a survivor is the same individual as one of the
// population before, followed back to where it was born; a child has the two survivors it
// was mated from as parents. Nothing when that population is not held in detail.
std::optional<FamilyTree> familyTree(const History& history, std::uint64_t index, int position,
                                     int depth);

} // namespace ga
