// SPDX-License-Identifier: GPL-3.0-or-later
// What a merge is asked to join: its layout, map set, direction and slots.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/assembly/layout.h"
#include "core/mapfile/direction.h"
#include "core/mapfile/map_set.h"
#include "core/mapfile/mark.h"

namespace pw {

// One slot of a merge: the name the user chose (as every message shows it, escaped: see
// escapedName), the path to open as bytes (empty when nothing is chosen) and the slot's
// L/R mark, if it has one.
struct SourceSlot {
    std::string name;
    std::string path;
    std::optional<Mark> mark;
};

// Everything a composer dialog or the command line hands to the merge.
struct MergeRequest {
    Layout layout = Layout::TopToBottom;
    MapSet mapSet = MapSet::Ironfall;
    Direction direction = Direction::N;
    std::vector<SourceSlot> slots;  // slot order: row by row, left before right
};

}  // namespace pw
