// SPDX-License-Identifier: GPL-3.0-or-later
// What a picture of a map shows and how large: RenderOptions and the sections it draws.
#pragma once

#include <QPoint>
#include <optional>
#include <vector>

#include "core/mapfile/map_format.h"
#include "render/label_placement.h"
#include "render/legend.h"

namespace pw {

// Which part of a map the cells show.
enum class RenderSection {
    FirstGrid,
    SecondGrid,
    Layer,  // one layer block drawn over a dimmed first grid
};

// What a rendering shows and how large. Everything off or empty draws the plain cells.
struct RenderOptions {
    RenderSection section = RenderSection::FirstGrid;
    char layer = kLayerLetters.front();  // the layer letter for RenderSection::Layer
    bool labels = true;                  // read the labels and draw them
    // What becomes of a label whose text would overlap an earlier one's.
    LabelOverlap labelOverlap = LabelOverlap::LeaveOut;
    // False: the labels are read into RenderResult::labels but not drawn, for a caller
    // that places them at a scale of its own (the preview, which zooms).
    bool labelsOnImage = true;
    bool compass = true;
    // Panel size in cells: seams are drawn between panels every panelLength columns and
    // every panelHeight rows; 0 draws no seams in that direction.
    int panelLength = 0;
    int panelHeight = 0;
    // Cells marked out on top of everything (x = column, y = row of the shown map), such
    // as the junction cells that a merge changed.
    std::vector<QPoint> highlights;
    // Cells marked out over the highlights, in a colour of their own: the edge cells of
    // features that do not meet across a seam (seamMarkCells()).
    std::vector<QPoint> seamMarks;
    // Each cell's outline in a thin line of the legend's contrast colour (contrastColours()),
    // under the seams; on pictures only once a cell is kSmallestGridCell pixels or more.
    bool grid = false;
    int cellSize = 1;  // pixels per cell side, 1 to kMaxCellSize
    // Colours and meanings of the map set; the built-in palette without one.
    std::optional<Legend> legend;
};

inline constexpr int kMaxCellSize = 64;
// Pixels per cell of a saved picture unless another scale is asked for.
inline constexpr int kDefaultCellSize = 4;
// The smallest cell that a grid line leaves room in: at 3 pixels a line would take a third
// of every cell, and at 1 or 2 the cells would drown in it.
inline constexpr int kSmallestGridCell = 4;

}  // namespace pw
