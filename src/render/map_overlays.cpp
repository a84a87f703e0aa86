#include "render/map_overlays.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "core/mapfile/direction.h"
#include "render/cell_rows.h"

namespace pw {
namespace {

constexpr QRgb kSeamColour = 0xffc0182a;
constexpr QRgb kHighlightColour = 0xffff00e0;

void mixPixel(QImage& image, int x, int y, QRgb colour, int amount) {
    auto* pixel = reinterpret_cast<QRgb*>(image.scanLine(y)) + x;
    *pixel = mixColour(*pixel, colour, amount);
}

}  // namespace

std::vector<int> seamOffsets(int panelCells, int mapCells) {
    std::vector<int> offsets;
    for (qint64 at = panelCells; panelCells > 0 && at < mapCells; at += panelCells) {
        offsets.push_back(static_cast<int>(at));
    }
    return offsets;
}

void drawSeams(QImage& image, int panelLength, int panelHeight, int cellSize) {
    // Thin lines on the first pixels of the next panel; thicker once cells are large.
    const int width = cellSize >= 6 ? 2 : 1;
    const auto cells = [cellSize](int pixels) { return (pixels + cellSize - 1) / cellSize; };
    for (const int column : seamOffsets(panelLength, cells(image.width()))) {
        for (int y = 0; y < image.height(); ++y) {
            for (int x = column * cellSize; x < column * cellSize + width && x < image.width();
                 ++x) {
                mixPixel(image, x, y, kSeamColour, 200);
            }
        }
    }
    for (const int row : seamOffsets(panelHeight, cells(image.height()))) {
        for (int y = row * cellSize; y < row * cellSize + width && y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                mixPixel(image, x, y, kSeamColour, 200);
            }
        }
    }
}

void drawHighlights(QImage& image, const std::vector<QPoint>& cells, int cellSize) {
    for (const QPoint& cell : cells) {
        const qint64 left = qint64{cell.x()} * cellSize;
        const qint64 top = qint64{cell.y()} * cellSize;
        if (cell.x() < 0 || cell.y() < 0) {
            continue;
        }
        // A tint shows the cell's own colour through; large cells also get a frame.
        for (int dy = 0; dy < cellSize && top + dy < image.height(); ++dy) {
            for (int dx = 0; dx < cellSize && left + dx < image.width(); ++dx) {
                const bool frame = cellSize >= 4 &&
                                   (dx == 0 || dy == 0 || dx == cellSize - 1 || dy == cellSize - 1);
                mixPixel(image, static_cast<int>(left) + dx, static_cast<int>(top) + dy,
                         kHighlightColour, frame ? 256 : 140);
            }
        }
    }
}

void drawLabels(QImage& image, const std::vector<MapLabel>& labels, int cellSize,
                LabelOverlap overlap) {
    if (labels.empty()) {
        return;
    }
    const bool withText = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    const std::optional<QFont> font =
        withText ? std::optional<QFont>(mapLabelFont(cellSize, 9, 28)) : std::nullopt;
    const std::vector<PlacedLabel> placed =
        placeLabels(labels, cellSize, image.size(), font, overlap);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintLabels(painter, placed, font);
}

void drawCompass(QImage& image, int direction) {
    const int side = std::min(image.width(), image.height()) / 5;
    if (direction < 0 || direction >= std::ssize(kDirectionNames) || side < 12) {
        return;
    }
    const int size = std::min(side, 64);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(image.width() - size * 0.6, size * 0.6);
    painter.setPen(QPen(QColor(60, 60, 60), 1));
    painter.setBrush(QColor(255, 255, 255, 200));
    painter.drawEllipse(QPointF(0, 0), size * 0.5, size * 0.5);
    // The top edge faces direction*45 degrees clockwise of north, so north lies that far
    // counter-clockwise of up.
    painter.rotate(-45.0 * direction);
    QPainterPath arrow;
    arrow.moveTo(0, -size * 0.42);
    arrow.lineTo(size * 0.16, size * 0.28);
    arrow.lineTo(0, size * 0.16);
    arrow.lineTo(-size * 0.16, size * 0.28);
    arrow.closeSubpath();
    painter.setBrush(QColor(kSeamColour));
    painter.drawPath(arrow);
}

}  // namespace pw
