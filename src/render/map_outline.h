// SPDX-License-Identifier: GPL-3.0-or-later
// What a picture knows of a map before it draws a row, and how it is read.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/assembly/layout.h"
#include "core/common/problem.h"
#include "core/mapfile/line_reader.h"
#include "core/mapfile/map_header.h"
#include "render/label_placement.h"
#include "render/map_source.h"
#include "render/render_options.h"

namespace pw {

// A map's size, the top edge's direction and, when labels are shown, its labels.
struct MapOutline {
    int length = 0;  // in cells, as the size line gives it
    int height = 0;
    int direction = -1;  // top-edge direction index 0 to 7, -1 when unreadable
    std::vector<MapLabel> labels;
    std::optional<Problem> problem;  // why the map cannot be drawn
};

// The maps a picture is drawn of: any joined map (submaps too), at most as many source
// lengths long and source heights high as a layout joins.
inline constexpr HeaderRules kRenderedMapRules{false, mostColumns() * kMaxSide,
                                               mostRows() * kMaxSide};

// Reads the four header lines of a picture's map, leaving `reader` at the first grid; the
// outline without labels.
MapOutline readOutlineHeader(LineReader& reader, const std::string& name);

// Reads the header and goes through the whole map to its labels, read when they are
// shown. A missing or impossible version or size line is an error, and so is any damage
// that a merge refuses in a source (a map that ends early, layer letters out of order, a
// row longer than the length), found before anything is drawn.
MapOutline readOutline(const MapSource& source, const RenderOptions& options);

}  // namespace pw
