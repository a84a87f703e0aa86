// SPDX-License-Identifier: GPL-3.0-or-later
// What a merge is asked to join: its layout, map set, direction and slots.
#pragma once

#include <string>
#include <vector>

#include "core/assembly/layout.h"

namespace pw {

// One slot of a merge: the name the user chose (as every message shows it, escaped: see
// escapedName), the path to open as bytes (empty when nothing is chosen) and the slot's
// L/R mark ('L', 'R' or ' ').
struct SourceSlot {
    std::string name;
    std::string path;
    char mark = ' ';
};

// Everything a composer dialog or the command line hands to the merge.
struct MergeRequest {
    Layout layout = Layout::TopToBottom;
    int mapSetIndex = 0;
    int direction = 0;              // top-edge direction index 0 to 7
    std::vector<SourceSlot> slots;  // slot order: row by row, left before right
};

}  // namespace pw
