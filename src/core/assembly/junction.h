// SPDX-License-Identifier: GPL-3.0-or-later
// The junction fix-up: how L/R marks change the rows of layer b where sources meet.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/mapfile/mark.h"

namespace pw {

// Where two sources meet top to bottom, their L/R marks change the output's tally and
// the facing rows of layer "b". Side-by-side neighbours never consult their marks.

// The fix-up looks at the first this many cells of a row only: its connector columns.
inline constexpr std::size_t kJunctionSpan = 25;

// 108 for L over R, 27 for R over L, 0 for any other pair.
std::int32_t junctionTallyAdjustment(std::optional<Mark> upperMark, std::optional<Mark> lowerMark);

// Where a row of layer "b" lies within its source and within the column of sources.
struct JunctionRowPlace {
    int slotRow;                    // the source's row of slots, 0 at the top
    int slotRows;                   // rows of slots in the layout
    int row;                        // the row's index within the source's block
    int height;                     // rows per block
    std::optional<Mark> aboveMark;  // of the source above (none without a source there)
    std::optional<Mark> ownMark;
    std::optional<Mark> belowMark;  // of the source below (none without a source there)
};

// Applies the junction fix-up to one row of layer "b" as read from its source. Only
// positions inside the row are touched; the row never changes its length.
void fixJunctionRow(std::string& row, const JunctionRowPlace& place);

}  // namespace pw
