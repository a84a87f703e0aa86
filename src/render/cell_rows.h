#pragma once

#include <QImage>
#include <QRgb>
#include <array>
#include <string_view>

namespace pw {

// How a row of cells goes onto what the image already shows.
enum class CellBlend {
    Paint,    // every cell in its colour; blanks keep the background
    Dim,      // as Paint, faded toward the background, to lie under a layer
    Overlay,  // only the non-blank cells
};

// Writes map rows into an image of cellSize-pixel squares through its scanlines: a whole
// cell row costs one pass over its first pixel row plus copies of that row.
class CellRows {
  public:
    CellRows(QImage& image, const std::array<QRgb, 256>& colours, int length, int cellSize);

    // Draws `cells` (at most `length` of them are looked at) as cell row `row`.
    void draw(int row, std::string_view cells, CellBlend blend);

  private:
    QImage& image_;
    const std::array<QRgb, 256>& colours_;
    std::array<QRgb, 256> dimmed_{};
    int length_;
    int cellSize_;
};

// `colour` mixed into `base` by `amount` (0 to 256).
QRgb mixColour(QRgb base, QRgb colour, int amount);

}  // namespace pw
