// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of cells a picture shows, read from its opened map top to bottom.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "core/mapfile/line_reader.h"
#include "core/mapfile/map_sections.h"
#include "render/map_outline.h"

namespace pw {

// Each row is read once: the shown grid's, and the shown layer's over it (a second reader
// of the same opened file walks the layer block in step). The reading starts where the
// outline found the shown rows; rows hold at most the map's length (see MapSections), and
// rows a map lacks are blank.
class CellRowStream {
  public:
    explicit CellRowStream(const OpenedMap& map);

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
