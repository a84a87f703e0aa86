// SPDX-License-Identifier: GPL-3.0-or-later
// The grid of sheets that needs fewer sheets, portrait or landscape.
#include "render/print_layout.h"

#include <algorithm>
#include <cmath>

namespace pw {
namespace {

// Sheets needed for `cells` when a sheet holds `perSheet` and shares `overlap`.
int sheetsFor(int cells, int perSheet, int overlap) {
    if (cells <= perSheet) {
        return 1;
    }
    const int step = perSheet - overlap;
    return 1 + (cells - perSheet + step - 1) / step;
}

std::optional<PageGrid> layoutOn(QSizeF paperMm, bool landscape, int length, int height,
                                 double cellMm) {
    PageGrid grid;
    grid.landscape = landscape;
    grid.paperMm = landscape ? paperMm.transposed() : paperMm;
    grid.cellsAcross = static_cast<int>((grid.paperMm.width() - 2 * kMarginMm) / cellMm);
    grid.cellsDown = static_cast<int>((grid.paperMm.height() - 2 * kMarginMm) / cellMm);
    grid.overlap = std::max(1, static_cast<int>(std::lround(kOverlapMm / cellMm)));
    if (std::min(grid.cellsAcross, grid.cellsDown) <= grid.overlap) {
        return std::nullopt;
    }
    grid.columns = sheetsFor(std::max(length, 1), grid.cellsAcross, grid.overlap);
    grid.rows = sheetsFor(std::max(height, 1), grid.cellsDown, grid.overlap);
    return grid;
}

}  // namespace

const PaperInfo& paperInfo(Paper paper) {
    return *std::find_if(kPapers.begin(), kPapers.end(),
                         [paper](const PaperInfo& info) { return info.paper == paper; });
}

QRect PageGrid::cellsOf(int row, int column, int length, int height) const {
    const int left = column * (cellsAcross - overlap);
    const int top = row * (cellsDown - overlap);
    return {left, top, std::max(std::min(cellsAcross, length - left), 1),
            std::max(std::min(cellsDown, height - top), 1)};
}

std::optional<PageGrid> layoutPages(int length, int height, const PrintOptions& options) {
    return layoutOnPaper(length, height, paperInfo(options.paper).portraitMm, options.cellMm);
}

std::optional<PageGrid> layoutOnPaper(int length, int height, QSizeF portraitMm, double cellMm) {
    const std::optional<PageGrid> portrait = layoutOn(portraitMm, false, length, height, cellMm);
    const std::optional<PageGrid> landscape = layoutOn(portraitMm, true, length, height, cellMm);
    if (!portrait || !landscape) {
        return portrait ? portrait : landscape;
    }
    return landscape->sheetCount() < portrait->sheetCount() ? landscape : portrait;
}

std::optional<PageGrid> layoutOnSheet(int length, int height, QSizeF sheetMm, double cellMm) {
    std::optional<PageGrid> grid = layoutOn(sheetMm, false, length, height, cellMm);
    if (grid) {
        grid->landscape = sheetMm.width() > sheetMm.height();
    }
    return grid;
}

}  // namespace pw
