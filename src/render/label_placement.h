// SPDX-License-Identifier: GPL-3.0-or-later
// A map's labels placed at a scale so that their texts do not overlap, and drawn.
#pragma once

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <optional>
#include <vector>

class QPainter;

namespace pw {

// A named place of a map: text at a grid position (in cells, may be fractional).
struct MapLabel {
    float x = 0;
    float y = 0;
    QString text;
};

// Where one label goes on a picture, in the picture's pixels.
struct PlacedLabel {
    std::size_t index = 0;  // the label's place in the list given
    QRectF dot;             // the mark at the label's position
    QRectF box;             // its text's box; empty when the text is left out
    QString text;           // as drawn: shortened when wider than the picture
};

// How the texts of labels that would overlap are treated.
enum class LabelOverlap {
    LeaveOut,  // the later one in drawing order shows only its dot
    DrawAll,   // every text is drawn, overlapping or not
};

// Places the labels on a picture of `picture` pixels at `pixelsPerCell`, in list order.
// A label's text sits right of its dot, left of it where the right edge would cut it,
// and is moved inside the picture when neither side has room, so that no text is cut at
// an edge. No text covers `keepClear` (the compass mark): one that would sits on the
// other side of its dot, else beside or under the mark. Labels whose dot lies off the
// picture are left out whole. Without `font`
// (no fonts without a QGuiApplication) only dots are placed. Deterministic: the same
// labels, scale and font always give the same placement; a larger scale spreads the
// dots, so texts left out come back.
std::vector<PlacedLabel> placeLabels(const std::vector<MapLabel>& labels, double pixelsPerCell,
                                     QSizeF picture, const std::optional<QFont>& font,
                                     LabelOverlap overlap,
                                     const std::optional<QRectF>& keepClear = std::nullopt);

// The label at `point`: the last dot near it, else the last text box holding it (what
// is drawn on top); nullptr when there is none.
const PlacedLabel* labelAt(const std::vector<PlacedLabel>& placed, QPointF point);

// The label texts of saved pictures, and of printed sheets laid out as such a picture: they
// grow with the cells between these sizes, in pixels.
inline constexpr int kSmallestPictureLabelText = 9;
inline constexpr int kLargestPictureLabelText = 28;

// The labels' font at a scale: grows with the cells, from `smallest` to `largest` pixels.
QFont mapLabelFont(double pixelsPerCell, int smallest, int largest);

// Draws placed labels: each text on a pale box in `font` (the font they were placed
// with; without one there are no texts), then every dot over them.
void paintLabels(QPainter& painter, const std::vector<PlacedLabel>& placed,
                 const std::optional<QFont>& font);

}  // namespace pw
