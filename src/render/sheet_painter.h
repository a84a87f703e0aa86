// SPDX-License-Identifier: GPL-3.0-or-later
// SheetPainter: a window of a map drawn as shapes and text onto a printed sheet.
#pragma once

#include <QRect>
#include <QRectF>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "render/cell_painter.h"
#include "render/contrast_colour.h"
#include "render/label_placement.h"
#include "render/map_outline.h"
#include "render/render_options.h"

class QPainter;

namespace pw {

// The cell rows a sheet shows: pairs of the grid's row and the layer's, from its top row on.
using SheetRows = std::vector<std::pair<std::string, std::string>>;

// Draws windows of a map onto printed sheets as shapes, not pixels, so that they are sharp
// at any printer's resolution: the cells as filled rectangles (one for each run of equal
// cells in a row, or in a column of such runs), the grid of cells, seams and the frames of the
// fix-up highlight and of the seam check's marks as lines, label texts as text (they can be
// searched and selected) and the compass mark as a path. Labels are placed once on the whole map,
// so that sheets sharing cells show them alike.
class SheetPainter {
  public:
    // `outline` is the map's, read with the same options; a cell is `cellMm` on paper.
    SheetPainter(const RenderOptions& options, const MapOutline& outline, double cellMm);

    // Draws the map's `cells` into `area` of the painter, clipped to it. `rows` holds the
    // rows of cells from cells.top() on.
    void draw(QPainter& painter, const QRectF& area, const SheetRows& rows,
              const QRect& cells) const;

  private:
    void drawCells(QPainter& painter, const SheetRows& rows, const QRect& cells) const;
    void drawGrid(QPainter& painter, const QRect& cells) const;
    void drawSeams(QPainter& painter, const QRect& cells) const;
    using CellSet = std::set<std::pair<int, int>>;  // (column, row)
    void drawFrames(QPainter& painter, const QRect& cells, const CellSet& framed,
                    QRgb colour) const;

    RenderOptions options_;
    int length_;
    int height_;
    double cellMm_;
    CellPainter colours_;
    ContrastColours contrast_;
    CellSet highlighted_;
    CellSet seamMarked_;
    double layoutCell_;  // a cell's side in the layout of labels and the compass mark
    std::optional<Direction> direction_;  // of the compass mark; nullopt for none
    std::optional<QFont> font_;           // none: dots only
    std::vector<PlacedLabel> labels_;
    std::optional<QRect> compass_;  // in the layout of labels
};

}  // namespace pw
