// SPDX-License-Identifier: GPL-3.0-or-later
// What goes over the cells, laid out once and drawn into any window.
#include "render/picture_overlays.h"

#include <QGuiApplication>
#include <QPainter>
#include <algorithm>

#include "render/cell_painter.h"
#include "render/compass_mark.h"
#include "render/palette.h"

namespace pw {
namespace {

// How strongly a seam's line is mixed into the pixels under it (of 256).
constexpr int kSeamMix = 200;

void mixPixel(QImage& image, int x, int y, QRgb colour, int amount) {
    auto* pixel = reinterpret_cast<QRgb*>(image.scanLine(y)) + x;
    *pixel = mixColour(*pixel, colour, amount);
}

// The span [from, from + count) of picture pixels that lies in [start, start + size), in
// window pixels.
std::pair<int, int> within(qint64 from, qint64 count, int start, int size) {
    const qint64 first = std::max<qint64>(from, start);
    const qint64 last = std::min<qint64>(from + count, qint64{start} + size);
    return {static_cast<int>(first - start), static_cast<int>(std::max<qint64>(last - first, 0))};
}

// Paints, in picture pixels, into a picture of its own that covers `reach` and lays that
// onto the window `shown` whole. Antialiasing at fractional places then never depends on
// where a band or a sheet begins: Qt's rasteriser gives a shape cut by the window's edge
// other edge pixels than the same shape whole (a dot a hundredth of a pixel into the next
// row showed there in the whole picture, not in a band of that one row).
template <typename Paint>
void drawWhole(QPainter& onto, const QRect& reach, const QRect& shown, Paint paint) {
    if (!reach.intersects(shown)) {
        return;
    }
    QImage sprite(reach.size(), QImage::Format_ARGB32_Premultiplied);
    sprite.fill(Qt::transparent);
    QPainter painter(&sprite);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(-reach.topLeft());
    paint(painter);
    painter.end();
    keepToShades(sprite, kLabelColours);
    onto.drawImage(reach.topLeft() - shown.topLeft(), sprite);
}

}  // namespace

std::vector<int> seamOffsets(int panelCells, int mapCells) {
    std::vector<int> offsets;
    for (qint64 at = panelCells; panelCells > 0 && at < mapCells; at += panelCells) {
        offsets.push_back(static_cast<int>(at));
    }
    return offsets;
}

PictureOverlays::PictureOverlays(const RenderOptions& options, const std::vector<MapLabel>& labels,
                                 std::optional<Direction> direction, QSize picture)
    : picture_(picture),
      cellSize_(options.cellSize),
      panelLength_(options.panelLength),
      panelHeight_(options.panelHeight),
      highlights_(options.highlights),
      seamMarks_(options.seamMarks),
      grid_(options.grid && options.cellSize >= kSmallestGridCell),
      contrast_(contrastColours(options.legend)),
      direction_(options.compass ? direction : std::nullopt) {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
        font_ = mapLabelFont(cellSize_, kSmallestPictureLabelText, kLargestPictureLabelText);
    }
    if (options.labelsOnImage) {
        labels_ = placeLabels(labels, cellSize_, picture, font_, options.labelOverlap,
                              compassMarkCover(picture_, direction_));
    }
    const int margin = font_ ? font_->pixelSize() + 2 : 2;
    for (const PlacedLabel& label : labels_) {
        // Glyphs may reach past their advance: a margin of the font's size all round.
        reaches_.push_back(label.box.toAlignedRect().adjusted(-margin, -margin, margin, margin));
    }
    makeCompass();
}

void PictureOverlays::draw(QImage& window, QPoint origin) const {
    drawGrid(window, origin);
    drawSeams(window, origin);
    drawMarkedCells(window, origin, highlights_, kHighlightColour, kHighlightColour,
                    kHighlightTint);
    drawMarkedCells(window, origin, seamMarks_, contrast_.colour, contrast_.frame, kSeamMarkTint);
    // The labels over the compass mark: a dot under it still shows.
    drawCompass(window, origin);
    drawLabels(window, origin);
}

std::vector<QRgb> PictureOverlays::coloursOver(const std::vector<QRgb>& cells,
                                               const std::vector<QRgb>& highlighted,
                                               const std::vector<QRgb>& marked) const {
    const auto mixed = [](const std::vector<QRgb>& under, QRgb colour, int amount) {
        std::vector<QRgb> over;
        for (const QRgb pixel : under) {
            over.push_back(mixColour(pixel, colour, amount));
        }
        return over;
    };
    const auto joined = [](std::vector<QRgb> first, const std::vector<QRgb>& second) {
        first.insert(first.end(), second.begin(), second.end());
        return first;
    };
    const std::vector<QRgb> grid =
        grid_ ? std::vector<QRgb>{contrast_.colour} : std::vector<QRgb>();
    const auto cellsOf = [this](int pixels) { return (pixels + cellSize_ - 1) / cellSize_; };
    const bool across = !seamOffsets(panelLength_, cellsOf(picture_.width())).empty();
    const bool down = !seamOffsets(panelHeight_, cellsOf(picture_.height())).empty();
    // What lies under the highlights and marks: their cells, the grid's lines and the
    // seams over both, twice where a seam across meets one down.
    const auto seamed = [&](const std::vector<QRgb>& under) {
        const std::vector<QRgb> lined = joined(under, grid);
        const std::vector<QRgb> once =
            across || down ? mixed(lined, kSeamColour, kSeamMix) : std::vector<QRgb>();
        const std::vector<QRgb> twice =
            across && down ? mixed(once, kSeamColour, kSeamMix) : std::vector<QRgb>();
        return joined(joined(lined, once), twice);
    };
    const bool frames = cellSize_ >= 4;
    std::vector<QRgb> highlights;
    if (!highlighted.empty()) {
        highlights = mixed(seamed(highlighted), kHighlightColour, kHighlightTint);
        highlights.insert(highlights.end(), frames ? 1 : 0, kHighlightColour);
    }
    std::vector<QRgb> colours = joined(seamed(cells), highlights);
    if (!marked.empty()) {
        colours = joined(
            colours, mixed(joined(seamed(marked), highlights), contrast_.colour, kSeamMarkTint));
        colours.insert(colours.end(), frames ? 1 : 0, contrast_.frame);
    }
    // The compass mark and the labels are laid on as they are, in shades of their own.
    for (int y = 0; y < compass_.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(compass_.constScanLine(y));
        std::copy_if(line, line + compass_.width(), std::back_inserter(colours),
                     [](QRgb pixel) { return qAlpha(pixel) != 0; });
    }
    if (!labels_.empty()) {
        colours = joined(colours, shadesOf(kLabelColours));
    }
    return colours;
}

void PictureOverlays::drawGrid(QImage& window, QPoint origin) const {
    if (!grid_) {
        return;
    }
    // Each cell's first pixel row and column, and the picture's last ones to close it.
    const auto onLine = [this](qint64 at, int size) {
        return at % cellSize_ == 0 || at == size - 1;
    };
    for (int y = 0; y < window.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(window.scanLine(y));
        const bool rowLine = onLine(qint64{origin.y()} + y, picture_.height());
        for (int x = 0; x < window.width(); ++x) {
            if (rowLine || onLine(qint64{origin.x()} + x, picture_.width())) {
                line[x] = contrast_.colour;
            }
        }
    }
}

void PictureOverlays::drawSeams(QImage& window, QPoint origin) const {
    // Thin lines on the first pixels of the next panel; thicker once cells are large.
    const int width = cellSize_ >= 6 ? 2 : 1;
    const auto cells = [this](int pixels) { return (pixels + cellSize_ - 1) / cellSize_; };
    for (const int column : seamOffsets(panelLength_, cells(picture_.width()))) {
        const qint64 x = qint64{column} * cellSize_;
        const auto [left, count] =
            within(x, std::min<qint64>(width, picture_.width() - x), origin.x(), window.width());
        for (int y = 0; y < window.height(); ++y) {
            for (int dx = 0; dx < count; ++dx) {
                mixPixel(window, left + dx, y, kSeamColour, kSeamMix);
            }
        }
    }
    for (const int row : seamOffsets(panelHeight_, cells(picture_.height()))) {
        const qint64 y = qint64{row} * cellSize_;
        const auto [top, count] =
            within(y, std::min<qint64>(width, picture_.height() - y), origin.y(), window.height());
        for (int dy = 0; dy < count; ++dy) {
            for (int x = 0; x < window.width(); ++x) {
                mixPixel(window, x, top + dy, kSeamColour, kSeamMix);
            }
        }
    }
}

void PictureOverlays::drawMarkedCells(QImage& window, QPoint origin,
                                      const std::vector<QPoint>& cells, QRgb colour,
                                      QRgb frameColour, int tint) const {
    const QRect shown(origin, window.size());
    const QRect whole(QPoint(0, 0), picture_);
    for (const QPoint& cell : cells) {
        const qint64 left = qint64{cell.x()} * cellSize_;
        const qint64 top = qint64{cell.y()} * cellSize_;
        if (cell.x() < 0 || cell.y() < 0 || left >= picture_.width() || top >= picture_.height()) {
            continue;
        }
        const QRect square(static_cast<int>(left), static_cast<int>(top), cellSize_, cellSize_);
        const QRect drawn = square.intersected(whole).intersected(shown);
        // A tint shows the cell's own colour through; large cells also get a frame.
        for (int y = drawn.top(); y <= drawn.bottom(); ++y) {
            for (int x = drawn.left(); x <= drawn.right(); ++x) {
                const int dx = x - square.left();
                const int dy = y - square.top();
                const bool frame = cellSize_ >= 4 && (dx == 0 || dy == 0 || dx == cellSize_ - 1 ||
                                                      dy == cellSize_ - 1);
                if (frame) {
                    mixPixel(window, x - origin.x(), y - origin.y(), frameColour, 256);
                } else {
                    mixPixel(window, x - origin.x(), y - origin.y(), colour, tint);
                }
            }
        }
    }
}

void PictureOverlays::drawLabels(QImage& window, QPoint origin) const {
    const QRect shown(origin, window.size());
    QPainter onto(&window);
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        const PlacedLabel& label = labels_[i];
        if (!label.box.isEmpty()) {
            drawWhole(onto, reaches_[i], shown, [&](QPainter& painter) {
                paintLabels(painter, {PlacedLabel{label.index, QRectF(), label.box, label.text}},
                            font_);
            });
        }
    }
    // Every place shows, also where its text was left out, its dot over the texts.
    // Drawn whole, all in one picture over every dot the window touches, and laid onto the
    // window: a dot that the window's edge cuts is then antialiased as in the whole picture.
    std::vector<PlacedLabel> dots;
    QRect reach;
    for (const PlacedLabel& label : labels_) {
        const QRect around = label.dot.toAlignedRect().adjusted(-1, -1, 1, 1);
        if (around.intersects(shown)) {
            dots.push_back(PlacedLabel{label.index, label.dot, QRectF(), QString()});
            reach |= around;
        }
    }
    drawWhole(onto, reach, shown,
              [&](QPainter& painter) { paintLabels(painter, dots, std::nullopt); });
}

void PictureOverlays::drawCompass(QImage& window, QPoint origin) const {
    if (!compass_.isNull()) {
        QPainter onto(&window);
        onto.drawImage(compassAt_ - origin, compass_);
    }
}

// The compass mark in its own picture, made once and laid onto every window it touches.
void PictureOverlays::makeCompass() {
    const std::optional<QRect> place = compassMarkPlace(picture_, direction_);
    if (!place) {
        return;
    }
    compassAt_ = place->topLeft();
    compass_ = compassMarkImage(place->width(), *direction_);
}

}  // namespace pw
