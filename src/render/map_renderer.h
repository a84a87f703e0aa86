#pragma once

#include <QImage>
#include <optional>
#include <string>
#include <vector>

#include "core/assembly/layout.h"
#include "core/common/problem.h"
#include "core/mapfile/line_reader.h"
#include "core/mapfile/map_header.h"
#include "render/label_placement.h"
#include "render/render_options.h"

namespace pw {

// A map drawn into an image, or why it could not be.
struct RenderResult {
    QImage image;                    // null when there is a problem
    std::optional<Problem> problem;  // why nothing could be drawn
    int length = 0;                  // the map's size in cells, as its size line gives it
    int height = 0;
    int direction = -1;  // top-edge direction index 0 to 7, -1 when unreadable
    std::vector<MapLabel> labels;  // the labels read, when options.labels asked for them
};

// The maps the renderer accepts: any joined map (submaps too), at most as many source
// lengths long and source heights high as a layout joins.
inline constexpr HeaderRules kRenderedMapRules{false, mostColumns() * kMaxSide,
                                               mostRows() * kMaxSide};

// Draws the map that `reader` streams from its start (a file, or a map joined in memory
// through LineReader::fromBytes): one square of options.cellSize pixels per cell, then
// seams, highlights, labels and the compass mark. Sections that are not shown are skipped
// unparsed, and no row is looked at beyond the map's length. A damaged map draws what can
// be read of it; a missing or impossible version or size line, a picture too large to
// hold and a file whose reading fails are problems. `name`
// names the map in messages. Label texts need a QGuiApplication (for fonts); without one
// only their dots are drawn.
RenderResult renderMap(LineReader& reader, const RenderOptions& options, const std::string& name);

// The same for the map file at `path`.
RenderResult renderMapFile(const std::string& path, const RenderOptions& options);

}  // namespace pw
