// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/assembly/layout.h"
#include "core/common/problem.h"
#include "core/mapfile/line_reader.h"
#include "core/mapfile/map_header.h"
#include "core/mapfile/map_sections.h"
#include "render/label_placement.h"
#include "render/render_options.h"

namespace pw {

// A map that a picture reads from its start as often as it needs: a file, or a map joined
// in memory. Reading it again costs no memory: only the rows in hand are kept.
struct MapSource {
    std::string name;  // as messages name the map (escaped)
    std::function<std::optional<LineReader>()> open;
    std::optional<Problem> problem;  // why it can never be opened, known beforehand

    static MapSource file(const std::string& path);
    static MapSource bytes(const QByteArray& bytes, std::string name);
};

// What a picture needs to know of a map before it draws a row: its size, the top edge's
// direction and, when labels are shown, its labels.
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

// The rows of cells a picture shows, top to bottom, each read once: the first or second
// grid, or for a layer the first grid's row with the layer's row over it (a second reader
// walks the layer block in step). Sections that are not shown are passed over unparsed,
// rows hold at most the map's length (see MapSections), and rows a damaged map lacks are
// blank.
class CellRowStream {
  public:
    CellRowStream(const MapSource& source, const RenderOptions& options);

    // The next row: `base` the grid's row, `overlay` the layer's (empty without a layer).
    void next(std::string& base, std::string& overlay);

  private:
    // Each walk's reader is held apart, so that the walk stays valid when the stream moves.
    std::unique_ptr<LineReader> baseReader_;
    std::unique_ptr<LineReader> overlayReader_;
    std::optional<MapSections> base_;
    std::optional<MapSections> overlay_;
};

}  // namespace pw
