// SPDX-License-Identifier: GPL-3.0-or-later
// A panel's first grid drawn small, proportions kept.
#include "render/thumbnail.h"

#include <algorithm>

#include "render/picture_drawer.h"

namespace pw {

QImage drawThumbnail(const MapSource& source, QSize box, const std::optional<Legend>& legend) {
    RenderOptions options;
    options.labels = false;
    options.compass = false;
    options.legend = legend;
    const OpenedMap map = openMap(source, options);
    const MapOutline& outline = map.outline;
    if (outline.problem || box.isEmpty()) {
        return {};
    }
    // Drawn at least as large as the box and then scaled down smoothly: the cells keep
    // crisp edges, where scaling a small picture up would blur them.
    const QSize cells(std::max(outline.length, 1), std::max(outline.height, 1));
    const int fitting = std::max((box.width() + cells.width() - 1) / cells.width(),
                                 (box.height() + cells.height() - 1) / cells.height());
    options.cellSize = std::clamp(fitting, 1, kMaxCellSize);
    const RenderResult drawn = renderMap(map, options);
    if (drawn.image.isNull()) {
        return {};
    }
    return drawn.image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

}  // namespace pw
