#include "form/history/FamilyTreeLayout.h"

#include <algorithm>

namespace ga {

FamilyTreeLayout layOut(const FamilyTree& tree) {
    FamilyTreeLayout layout;
    const auto n = tree.nodes.size();
    layout.places.resize(n);
    if (n == 0) {
        return layout;
    }
    int deepest = 0;
    for (const Ancestor& a : tree.nodes) {
        deepest = std::max(deepest, a.level);
    }
    layout.columns = deepest + 1;
    std::vector<std::vector<int>> columns(static_cast<std::size_t>(layout.columns));
    for (std::size_t k = 0; k < n; ++k) {
        columns[static_cast<std::size_t>(tree.nodes[k].level)].push_back(static_cast<int>(k));
        layout.places[k].column = tree.nodes[k].level;
    }

    for (std::size_t c = 1; c < columns.size(); ++c) {
        // Each individual goes where its children in the columns before stand on average;
        // a second parent a little below a first one.
        struct Key {
            double at = 0;
            int weight = 0;
        };
        std::vector<Key> keys(n);
        for (const AncestorLink& link : tree.links) {
            const auto child = static_cast<std::size_t>(link.child);
            const auto parent = static_cast<std::size_t>(link.parent);
            if (tree.nodes[parent].level == static_cast<int>(c) &&
                tree.nodes[child].level < static_cast<int>(c)) {
                keys[parent].at += layout.places[child].row + (link.role == 2 ? 0.25 : -0.25);
                ++keys[parent].weight;
            }
        }
        std::vector<int>& column = columns[c];
        std::stable_sort(column.begin(), column.end(), [&keys](int a, int b) {
            const Key& ka = keys[static_cast<std::size_t>(a)];
            const Key& kb = keys[static_cast<std::size_t>(b)];
            return ka.at * std::max(1, kb.weight) < kb.at * std::max(1, ka.weight);
        });
        for (std::size_t r = 0; r < column.size(); ++r) {
            layout.places[static_cast<std::size_t>(column[r])].row = static_cast<double>(r);
        }
        // Rows count from the column's middle, so columns line up around the same centre.
        for (int k : column) {
            layout.places[static_cast<std::size_t>(k)].row -=
                static_cast<double>(column.size() - 1) / 2;
        }
    }

    std::size_t fullest = 1;
    for (const auto& column : columns) {
        fullest = std::max(fullest, column.size());
    }
    layout.rows = static_cast<int>(fullest);
    for (TreePlace& p : layout.places) {
        p.row += static_cast<double>(fullest - 1) / 2;
    }
    return layout;
}

} // namespace ga
