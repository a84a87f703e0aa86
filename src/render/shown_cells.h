// SPDX-License-Identifier: GPL-3.0-or-later
// What the rows a picture shows hold, as far as its colours depend on it.
#pragma once

#include <bitset>

namespace pw {

// The characters some cells of the shown rows hold: the shown grid's, the shown layer's
// (blanks included), and whether a grid cell holds none (past a short row, or the one cell
// of a map of none), showing the background.
struct ShownCells {
    std::bitset<256> grid;
    std::bitset<256> layer;
    bool blankGrid = false;

    bool any() const { return blankGrid || grid.any() || layer.any(); }
};

// The same for every cell of a picture, and for the cells it highlights and marks.
struct ShownCharacters {
    ShownCells all;
    ShownCells highlighted;
    ShownCells marked;
};

}  // namespace pw
