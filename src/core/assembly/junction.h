// SPDX-License-Identifier: GPL-3.0-or-later
// The junction fix-up: how L/R marks change the rows of layer b where sources meet.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace pw {

// Where two sources meet top to bottom, their L/R marks change the output's tally and
// the facing rows of layer "b". Side-by-side neighbours never consult their marks.

// The fix-up looks at the first this many cells of a row only: its connector columns.
inline constexpr std::size_t kJunctionSpan = 25;

// 108 for 'L' over 'R', 27 for 'R' over 'L', 0 for any other pair.
std::int32_t junctionTallyAdjustment(char upperMark, char lowerMark);

// Where a row of layer "b" lies within its source and within the column of sources.
struct JunctionRowPlace {
    int slotRow;     // the source's row of slots, 0 at the top
    int slotRows;    // rows of slots in the layout
    int row;         // the row's index within the source's block
    int height;      // rows per block
    char aboveMark;  // mark of the source above (' ' when there is none)
    char ownMark;
    char belowMark;  // mark of the source below (' ' when there is none)
};

// Applies the junction fix-up to one row of layer "b" as read from its source. Only
// positions inside the row are touched; the row never changes its length.
void fixJunctionRow(std::string& row, const JunctionRowPlace& place);

}  // namespace pw
