// SPDX-License-Identifier: GPL-3.0-or-later
// A row of cells painted into pixels, a layer over its faded grid.
#include "render/cell_painter.h"

#include <algorithm>

#include "render/palette.h"

namespace pw {

QRgb mixColour(QRgb base, QRgb colour, int amount) {
    auto channel = [amount](int from, int to) { return from + (to - from) * amount / 256; };
    return qRgb(channel(qRed(base), qRed(colour)), channel(qGreen(base), qGreen(colour)),
                channel(qBlue(base), qBlue(colour)));
}

CellPainter::CellPainter(const std::array<QRgb, 256>& colours, RenderSection section, int cellSize)
    : overlay_(colours), cellSize_(cellSize) {
    for (std::size_t code = 0; code < colours.size(); ++code) {
        base_[code] = section == RenderSection::Layer
                          ? mixColour(colours[code], kBackgroundColour, 170)
                          : colours[code];
    }
}

void CellPainter::paint(std::string_view base, std::string_view overlay, int firstColumn,
                        int columns, QRgb* pixels) const {
    const auto cellsOf = [firstColumn, columns](std::string_view row) {
        const auto first = std::min(row.size(), static_cast<std::size_t>(firstColumn));
        return row.substr(first, static_cast<std::size_t>(columns));  // cut at the row's end
    };
    const std::string_view grid = cellsOf(base);
    const std::string_view layer = cellsOf(overlay);
    const auto size = static_cast<std::size_t>(cellSize_);
    if (size == 1) {  // the large maps: one pixel per cell, nothing to spread
        std::fill_n(pixels, columns, kBackgroundColour);
        for (std::size_t column = 0; column < grid.size(); ++column) {
            pixels[column] = base_[static_cast<unsigned char>(grid[column])];
        }
        for (std::size_t column = 0; column < layer.size(); ++column) {
            const auto code = static_cast<unsigned char>(layer[column]);
            // Written as a select, not a branch: layer cells are blank at random.
            pixels[column] = code == ' ' ? pixels[column] : overlay_[code];
        }
        return;
    }
    std::fill_n(pixels, static_cast<std::size_t>(columns) * size, kBackgroundColour);
    for (std::size_t column = 0; column < grid.size(); ++column) {
        std::fill_n(pixels + column * size, size, base_[static_cast<unsigned char>(grid[column])]);
    }
    for (std::size_t column = 0; column < layer.size(); ++column) {
        const auto code = static_cast<unsigned char>(layer[column]);
        if (code != ' ') {
            std::fill_n(pixels + column * size, size, overlay_[code]);
        }
    }
}

std::vector<QRgb> CellPainter::colours(const ShownCells& cells) const {
    std::vector<QRgb> shown;
    for (std::size_t code = 0; code < base_.size(); ++code) {
        if (cells.grid[code]) {
            shown.push_back(base_[code]);
        }
        if (cells.layer[code] && code != ' ') {
            shown.push_back(overlay_[code]);
        }
    }
    if (cells.blankGrid) {
        shown.push_back(kBackgroundColour);
    }
    return shown;
}

}  // namespace pw
