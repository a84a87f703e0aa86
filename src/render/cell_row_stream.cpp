// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of a picture's cells, each walk of the map with a reader of its own.
#include "render/cell_row_stream.h"

#include "render/map_outline.h"

namespace pw {
namespace {

// A reader of its own at the first grid; none when the map cannot be opened.
std::unique_ptr<LineReader> openAtGrids(const MapSource& source, int& length, int& height) {
    std::optional<LineReader> reader = source.open();
    if (!reader) {
        return nullptr;
    }
    const MapOutline outline = readOutlineHeader(*reader, source.name);
    length = outline.length;
    height = outline.height;
    return std::make_unique<LineReader>(std::move(*reader));
}

}  // namespace

CellRowStream::CellRowStream(const MapSource& source, const RenderOptions& options) {
    int length = 0;
    int height = 0;
    baseReader_ = openAtGrids(source, length, height);
    if (baseReader_) {
        base_.emplace(*baseReader_, length, height);
        if (options.section == RenderSection::SecondGrid) {
            base_->seekSecondGrid();
        }
    }
    if (options.section == RenderSection::Layer) {
        overlayReader_ = openAtGrids(source, length, height);
        if (overlayReader_) {
            overlay_.emplace(*overlayReader_, length, height);
            if (!overlay_->seekLayer(options.layer)) {
                overlay_.reset();  // the map has no such layer: the grid alone
            }
        }
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
