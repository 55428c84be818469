#pragma once

#include "engine/FamilyTree.h"

#include <vector>

namespace ga {

// Where each individual of a family tree is drawn: a column per parent level (the chosen
// individual in column 0, its parents in column 1, ...) and a row within the column.
struct TreePlace {
    int column = 0;
    double row = 0;
};

struct FamilyTreeLayout {
    std::vector<TreePlace> places; // by node
    int columns = 0;
    int rows = 0; // the rows of the fullest column; the others are centred on it
};

// Lays a tree out so that lines cross little: each column is ordered by where the children
// of its individuals stand (first parents above second ones), and centred.
FamilyTreeLayout layOut(const FamilyTree& tree);

} // namespace ga
