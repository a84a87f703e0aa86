// SPDX-License-Identifier: GPL-3.0-or-later
// PictureDrawer: a map drawn band by band, and renderMap for a whole picture.
#pragma once

#include <QImage>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "render/cell_row_stream.h"
#include "render/map_outline.h"
#include "render/render_options.h"

namespace pw {

class CellPainter;
class PictureOverlays;

// Draws a picture of a map band by band: one square of options.cellSize pixels per cell,
// then seams, highlights, seam marks, labels and the compass mark. Memory follows the
// width of what is drawn, never the map's height: rows are read as the bands reach them.
class PictureDrawer {
  public:
    // `map` was opened with the same options, and drawn only when it has no problem.
    PictureDrawer(const OpenedMap& map, const RenderOptions& options);
    ~PictureDrawer();

    // The whole picture's size in pixels (an empty map is one cell).
    static QSize pictureSize(const MapOutline& outline, int cellSize);
    QSize size() const { return size_; }

    // Every colour the picture may hold, known before a row is drawn (from what the
    // outline found in the shown rows): never one fewer than drawn, at most a few more
    // (a grid character that the layer covers wherever it stands).
    std::vector<QRgb> colours() const;

    // Draws the next `rows` rows of pixels, the whole width, into `band`'s first rows; the
    // bands follow each other from the top.
    void drawBand(QImage& band, int rows);

  private:
    RenderOptions options_;
    MapOutline outline_;
    QSize size_;
    std::unique_ptr<CellPainter> painter_;
    std::unique_ptr<PictureOverlays> overlays_;
    CellRowStream stream_;
    int nextTop_ = 0;   // the next band's first pixel row
    int cellRow_ = -1;  // the cell row whose pixels are in `line_`
    std::vector<QRgb> line_;
    std::string base_;
    std::string overlay_;
};

// A whole picture in memory, or why it could not be drawn.
struct RenderResult {
    QImage image;                    // null when there is a problem
    std::optional<Problem> problem;  // why nothing could be drawn
    int length = 0;                  // the map's size in cells, as its size line gives it
    int height = 0;
    std::optional<Direction> direction;  // of the top edge; nullopt when unreadable
    std::vector<MapLabel> labels;        // the labels read, when options.labels asked for them
};

// Draws the whole map into one image (the preview). The map's problem is told, and so is
// a picture larger than the memory kept for one.
RenderResult renderMap(const MapSource& source, const RenderOptions& options);
// The same of a map opened with the same options but the cell size.
RenderResult renderMap(const OpenedMap& map, const RenderOptions& options);

}  // namespace pw
