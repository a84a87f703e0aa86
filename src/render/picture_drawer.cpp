// SPDX-License-Identifier: GPL-3.0-or-later
// A map's picture drawn band by band from its rows of cells.
#include "render/picture_drawer.h"

#include <algorithm>
#include <cstring>

#include "render/cell_painter.h"
#include "render/palette.h"
#include "render/picture_messages.h"
#include "render/picture_overlays.h"

namespace pw {
namespace {

// 256 MiB of pixels at most for a picture held whole in memory.
constexpr qint64 kMaxPixels = qint64{1} << 26;

RenderOptions withClampedCell(RenderOptions options) {
    options.cellSize = std::clamp(options.cellSize, 1, kMaxCellSize);
    return options;
}

}  // namespace

QSize PictureDrawer::pictureSize(const MapOutline& outline, int cellSize) {
    return {std::max(outline.length, 1) * cellSize, std::max(outline.height, 1) * cellSize};
}

PictureDrawer::PictureDrawer(const OpenedMap& map, const RenderOptions& options)
    : options_(withClampedCell(options)),
      outline_(map.outline),
      size_(pictureSize(outline_, options_.cellSize)),
      painter_(std::make_unique<CellPainter>(
          options_.legend ? options_.legend->colourTable() : builtInPalette(), options_.section,
          options_.cellSize)),
      overlays_(
          std::make_unique<PictureOverlays>(options_, outline_.labels, outline_.direction, size_)),
      stream_(map),
      line_(static_cast<std::size_t>(size_.width())) {}

PictureDrawer::~PictureDrawer() = default;

std::vector<QRgb> PictureDrawer::colours() const {
    const ShownCharacters& shown = outline_.shown;
    return overlays_->coloursOver(painter_->colours(shown.all),
                                  painter_->colours(shown.highlighted),
                                  painter_->colours(shown.marked));
}

void PictureDrawer::drawBand(QImage& band, int rows) {
    const int cellSize = options_.cellSize;
    const auto bytes = line_.size() * sizeof(QRgb);
    for (int y = 0; y < rows; ++y) {
        const int cellRow = (nextTop_ + y) / cellSize;
        while (cellRow_ < cellRow) {
            ++cellRow_;
            if (cellRow_ < outline_.height) {  // an empty map draws one blank cell
                stream_.next(base_, overlay_);
            }
            painter_->paint(base_, overlay_, 0, std::max(outline_.length, 1), line_.data());
        }
        std::memcpy(band.scanLine(y), line_.data(), bytes);
    }
    // The overlays go onto the band's rows alone, as onto a picture of that height.
    QImage rowsOnly(band.bits(), band.width(), rows, band.bytesPerLine(), band.format());
    overlays_->draw(rowsOnly, QPoint(0, nextTop_));
    nextTop_ += rows;
}

RenderResult renderMap(const MapSource& source, const RenderOptions& options) {
    return renderMap(openMap(source, options), options);
}

RenderResult renderMap(const OpenedMap& map, const RenderOptions& options) {
    RenderResult result;
    const MapOutline& outline = map.outline;
    result.length = outline.length;
    result.height = outline.height;
    result.direction = outline.direction;
    if (outline.problem) {
        result.problem = outline.problem;
        return result;
    }
    const int cellSize = std::clamp(options.cellSize, 1, kMaxCellSize);
    const QSize size = PictureDrawer::pictureSize(outline, cellSize);
    if (qint64{size.width()} * size.height() > kMaxPixels) {
        result.problem = Problem{PictureMessages::tooLargeToDraw(map.name, cellSize)};
        return result;
    }
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) {
        result.problem = Problem{PictureMessages::notEnoughMemoryToDraw(map.name)};
        return result;
    }
    PictureDrawer drawer(map, options);
    drawer.drawBand(image, image.height());
    result.image = std::move(image);
    result.labels = outline.labels;
    return result;
}

}  // namespace pw
