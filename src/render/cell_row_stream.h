// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of cells a picture shows, read from its map top to bottom.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "core/mapfile/line_reader.h"
#include "core/mapfile/map_sections.h"
#include "render/map_source.h"
#include "render/render_options.h"

namespace pw {

// Each row is read once: the first or second grid, or for a layer the first grid's row
// with the layer's row over it (a second reader walks the layer block in step). Sections
// that are not shown are passed over unparsed, rows hold at most the map's length (see
// MapSections), and rows a damaged map lacks are blank.
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
