#include "render/cell_rows.h"

#include <algorithm>
#include <cstring>

#include "render/palette.h"

namespace pw {

QRgb mixColour(QRgb base, QRgb colour, int amount) {
    auto channel = [amount](int from, int to) { return from + (to - from) * amount / 256; };
    return qRgb(channel(qRed(base), qRed(colour)), channel(qGreen(base), qGreen(colour)),
                channel(qBlue(base), qBlue(colour)));
}

CellRows::CellRows(QImage& image, const std::array<QRgb, 256>& colours, int length, int cellSize)
    : image_(image), colours_(colours), length_(length), cellSize_(cellSize) {
    for (std::size_t code = 0; code < colours.size(); ++code) {
        dimmed_[code] = mixColour(colours[code], kBackgroundColour, 170);
    }
}

void CellRows::draw(int row, std::string_view cells, CellBlend blend) {
    const int top = row * cellSize_;
    if (row < 0 || top >= image_.height()) {
        return;
    }
    const auto& colours = blend == CellBlend::Dim ? dimmed_ : colours_;
    auto* pixels = reinterpret_cast<QRgb*>(image_.scanLine(top));
    const std::size_t count = std::min(cells.size(), static_cast<std::size_t>(length_));
    const bool overlay = blend == CellBlend::Overlay;
    if (cellSize_ == 1) {  // the large maps: one pixel per cell, nothing to spread
        for (std::size_t column = 0; column < count; ++column) {
            const auto code = static_cast<unsigned char>(cells[column]);
            // Written as a select, not a branch: layer cells are blank at random.
            pixels[column] = overlay && code == ' ' ? pixels[column] : colours[code];
        }
        return;
    }
    for (std::size_t column = 0; column < count; ++column) {
        const auto code = static_cast<unsigned char>(cells[column]);
        if (!overlay || code != ' ') {
            std::fill_n(pixels + column * static_cast<std::size_t>(cellSize_), cellSize_,
                        colours[code]);
        }
    }
    // Everything drawn before the overlays is uniform within a cell, so the cell row's
    // first pixel row stands for all of them.
    const auto bytes = static_cast<std::size_t>(image_.width()) * sizeof(QRgb);
    for (int line = 1; line < cellSize_ && top + line < image_.height(); ++line) {
        std::memcpy(image_.scanLine(top + line), pixels, bytes);
    }
}

}  // namespace pw
