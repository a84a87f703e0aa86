// SPDX-License-Identifier: GPL-3.0-or-later
// PictureOverlays: seams, highlights, seam marks, labels and the compass mark.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>
#include <vector>

#include "core/mapfile/direction.h"
#include "render/contrast_colour.h"
#include "render/label_placement.h"
#include "render/render_options.h"

namespace pw {

// Where a new panel starts: every `panelCells` cells from the first panel's end up to
// `mapCells` (none for a panel of 0 cells). The seams of a picture and of the preview.
std::vector<int> seamOffsets(int panelCells, int mapCells);

// What is drawn over the cells: the grid of cells, seams between panels, the highlighted cells, the
// seam check's marked cells, the labels (placed by placeLabels(): each text on a pale box, then
// every dot over them; unless options.labelsOnImage is off) and the compass mark, in that order.
// Laid out once for the whole picture, then drawn into any window of it: a band of rows or the
// whole picture come out pixel for pixel alike. Label texts need fonts, so they are left out
// without a QGuiApplication.
class PictureOverlays {
  public:
    // `picture` is the whole picture's size in pixels.
    PictureOverlays(const RenderOptions& options, const std::vector<MapLabel>& labels,
                    std::optional<Direction> direction, QSize picture);

    // Draws into `window`, which holds the picture's pixels from `origin` on.
    void draw(QImage& window, QPoint origin) const;

    // Every colour the picture may show over cells of `cells` colours, of which the
    // highlighted ones are of `highlighted` colours and the marked ones of `marked` (none:
    // no such cell is in the picture): never one fewer than drawn, a few more at most.
    std::vector<QRgb> coloursOver(const std::vector<QRgb>& cells,
                                  const std::vector<QRgb>& highlighted,
                                  const std::vector<QRgb>& marked) const;

  private:
    void drawGrid(QImage& window, QPoint origin) const;
    void drawSeams(QImage& window, QPoint origin) const;
    // Tints each of `cells` in `colour` by `tint` (of 256), framed in `frameColour` once
    // cells are large.
    void drawMarkedCells(QImage& window, QPoint origin, const std::vector<QPoint>& cells,
                         QRgb colour, QRgb frameColour, int tint) const;
    void drawLabels(QImage& window, QPoint origin) const;
    void drawCompass(QImage& window, QPoint origin) const;
    void makeCompass();

    QSize picture_;
    int cellSize_;
    int panelLength_;
    int panelHeight_;
    std::vector<QPoint> highlights_;
    std::vector<QPoint> seamMarks_;
    bool grid_;
    ContrastColours contrast_;
    std::vector<PlacedLabel> labels_;
    std::vector<QRect> reaches_;          // every pixel each label's text may touch
    std::optional<QFont> font_;           // none: dots only
    std::optional<Direction> direction_;  // of the compass mark; nullopt for none
    QImage compass_;                      // null without a compass mark
    QPoint compassAt_;
};

}  // namespace pw
