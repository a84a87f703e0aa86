#pragma once

#include <QImage>
#include <QPoint>
#include <QRectF>
#include <QString>
#include <vector>

#include "render/label_placement.h"

namespace pw {

// Where a new panel starts: every `panelCells` cells from the first panel's end up to
// `mapCells` (none for a panel of 0 cells). The seams of a picture and of the preview.
std::vector<int> seamOffsets(int panelCells, int mapCells);

// Lines between panels: every panelLength columns and every panelHeight rows (0: none).
void drawSeams(QImage& image, int panelLength, int panelHeight, int cellSize);

// Marks out the given cells (x = column, y = row); cells outside the image are ignored.
void drawHighlights(QImage& image, const std::vector<QPoint>& cells, int cellSize);

// A dot at each label's position with its text beside it, placed by placeLabels(). The
// text needs fonts, so it is left out without a QGuiApplication.
void drawLabels(QImage& image, const std::vector<MapLabel>& labels, int cellSize,
                LabelOverlap overlap);

// A north arrow in the top right corner for the top-edge direction index 0 to 7: the
// arrow points where north lies, so with the top edge facing E it points left.
void drawCompass(QImage& image, int direction);

}  // namespace pw
