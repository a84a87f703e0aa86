// SPDX-License-Identifier: GPL-3.0-or-later
// CellPainter: a row of cells turned into pixels in their colours.
#pragma once

#include <QRgb>
#include <array>
#include <string_view>
#include <vector>

#include "render/render_options.h"
#include "render/shown_cells.h"

namespace pw {

// Turns a row of cells into pixels: each cell a run of cellSize pixels in its colour. The
// grid's row is drawn whole (faded toward the background under a layer); blanks and
// cells past a short row show the background. A layer's row goes over it, blanks leaving
// the grid to show through.
class CellPainter {
  public:
    CellPainter(const std::array<QRgb, 256>& colours, RenderSection section, int cellSize);

    // The pixels of columns [firstColumn, firstColumn + columns) of one cell row.
    void paint(std::string_view base, std::string_view overlay, int firstColumn, int columns,
               QRgb* pixels) const;
    // The colours that cells holding `cells` show: each grid character's (the background
    // for a blank cell) and each layer character's but a blank's.
    std::vector<QRgb> colours(const ShownCells& cells) const;

  private:
    std::array<QRgb, 256> base_{};
    std::array<QRgb, 256> overlay_{};
    int cellSize_;
};

// `colour` mixed into `base` by `amount` (0 to 256).
QRgb mixColour(QRgb base, QRgb colour, int amount);

}  // namespace pw
