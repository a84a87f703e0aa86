// SPDX-License-Identifier: GPL-3.0-or-later
// What a picture knows of a map before it draws a row, and the one reading that finds it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/assembly/layout.h"
#include "core/common/problem.h"
#include "core/mapfile/direction.h"
#include "core/mapfile/line_reader.h"
#include "core/mapfile/map_header.h"
#include "render/label_placement.h"
#include "render/map_source.h"
#include "render/render_options.h"
#include "render/shown_cells.h"

namespace pw {

// A map's size, the top edge's direction, where the rows a picture shows begin, what they
// hold and, when labels are shown, its labels.
struct MapOutline {
    int length = 0;  // in cells, as the size line gives it
    int height = 0;
    std::optional<Direction> direction;  // of the top edge; nullopt when unreadable
    std::vector<MapLabel> labels;
    std::uint64_t gridRows = 0;              // the shown grid's first row, in bytes
    std::optional<std::uint64_t> layerRows;  // the shown layer's; nullopt without one
    ShownCharacters shown;
    std::optional<Problem> problem;  // why the map cannot be drawn
};

// The maps a picture is drawn of: any joined map (submaps too), at most as many source
// lengths long and source heights high as a layout joins.
inline constexpr HeaderRules kRenderedMapRules{false, mostColumns() * kMaxSide,
                                               mostRows() * kMaxSide};

// Reads the four header lines of a picture's map, leaving `reader` at the first grid; the
// outline without labels.
MapOutline readOutlineHeader(LineReader& reader, const std::string& name);

// A picture's map, opened once and read through once: its outline, and the reader that
// the drawing reads the shown rows from again (LineReader::readerAt), with no second
// opening by name. A missing or impossible version or size line is an error, and so is
// any damage that a merge refuses in a source (a map that ends early, layer letters out of
// order, a row longer than the length), found before anything is drawn.
struct OpenedMap {
    std::string name;  // as messages name the map (escaped)
    MapOutline outline;
    std::optional<LineReader> reader;  // none when the map could not be opened
};
OpenedMap openMap(const MapSource& source, const RenderOptions& options);

// The outline alone, the map closed again.
MapOutline readOutline(const MapSource& source, const RenderOptions& options);

}  // namespace pw
