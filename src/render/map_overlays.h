#pragma once

#include <QImage>
#include <QPoint>
#include <QRectF>
#include <QString>
#include <vector>

namespace pw {

// A named place of a map: text at a grid position (in cells, may be fractional).
struct MapLabel {
    float x = 0;
    float y = 0;
    QString text;
};

// Where a new panel starts: every `panelCells` cells from the first panel's end up to
// `mapCells` (none for a panel of 0 cells). The seams of a picture and of the preview.
std::vector<int> seamOffsets(int panelCells, int mapCells);

// Lines between panels: every panelLength columns and every panelHeight rows (0: none).
void drawSeams(QImage& image, int panelLength, int panelHeight, int cellSize);

// Marks out the given cells (x = column, y = row); cells outside the image are ignored.
void drawHighlights(QImage& image, const std::vector<QPoint>& cells, int cellSize);

// The pixel size of a label's text at `cellSize` pixels per cell: half as large again as a
// cell, from 9 (still readable) to 28 (not crowding the map).
int labelPixelSize(int cellSize);
// The box a label's text stands in: right of its dot of `radius`, around a text `textWidth`
// wide in a font of `ascent` and `lineHeight`, centred on the dot's height.
QRectF labelBox(QPointF dot, double radius, int textWidth, int ascent, int lineHeight);

// A dot at each label's position with its text beside it. The text needs fonts, so it is
// left out without a QGuiApplication.
void drawLabels(QImage& image, const std::vector<MapLabel>& labels, int cellSize);

// A north arrow in the top right corner for the top-edge direction index 0 to 7: the
// arrow points where north lies, so with the top edge facing E it points left.
void drawCompass(QImage& image, int direction);

}  // namespace pw
