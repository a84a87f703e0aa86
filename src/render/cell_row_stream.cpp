// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of a picture's cells, each walk with a reader of its own on the one opened map.
#include "render/cell_row_stream.h"

namespace pw {

CellRowStream::CellRowStream(const OpenedMap& map) {
    if (!map.reader || map.outline.problem) {
        return;
    }
    const MapOutline& outline = map.outline;
    baseReader_ = std::make_unique<LineReader>(map.reader->readerAt(outline.gridRows));
    base_.emplace(*baseReader_, outline.length, outline.height);
    if (outline.layerRows) {
        overlayReader_ = std::make_unique<LineReader>(map.reader->readerAt(*outline.layerRows));
        overlay_.emplace(*overlayReader_, outline.length, outline.height);
    }
}

void CellRowStream::next(std::string& base, std::string& overlay) {
    // A map that ends early leaves its remaining rows blank.
    const auto take = [](std::optional<MapSections>& map, std::string& row) {
        const std::optional<std::string_view> line = map ? map->nextRowCells() : std::nullopt;
        row.assign(line.value_or(std::string_view()));
    };
    take(base_, base);
    take(overlay_, overlay);
}

}  // namespace pw
