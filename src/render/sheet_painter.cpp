// SPDX-License-Identifier: GPL-3.0-or-later
// A printed sheet's cells, seams, marks, labels and compass mark as shapes.
#include "render/sheet_painter.h"

#include <QGuiApplication>
#include <QPainter>
#include <algorithm>
#include <map>

#include "render/compass_mark.h"
#include "render/palette.h"
#include "render/picture_overlays.h"

namespace pw {
namespace {

// Labels and the compass mark are laid out as on a picture of this resolution, the texts
// as pictures size them (about 1.1 to 3.6 mm): as sheets showed them when they were
// pictures at the default resolution.
constexpr double kLayoutDpi = 200;
constexpr double kSeamMm = 0.3;
constexpr double kFrameMm = 0.15;
constexpr double kGridMm = 0.1;

// A run of equal cells in a row, and the rectangle it is part of (in its colour's list).
struct Run {
    int left = 0;
    int width = 0;
    QRgb colour = 0;
    std::size_t shape = 0;
};

}  // namespace

SheetPainter::SheetPainter(const RenderOptions& options, const MapOutline& outline, double cellMm)
    : options_(options),
      length_(std::max(outline.length, 1)),
      height_(std::max(outline.height, 1)),
      cellMm_(cellMm),
      colours_(options.legend ? options.legend->colourTable() : builtInPalette(), options.section,
               1),
      contrast_(contrastColours(options.legend)),
      layoutCell_(cellMm / 25.4 * kLayoutDpi),
      direction_(options.compass ? outline.direction : std::nullopt) {
    for (const QPoint& cell : options.highlights) {
        highlighted_.emplace(cell.x(), cell.y());
    }
    for (const QPoint& cell : options.seamMarks) {
        seamMarked_.emplace(cell.x(), cell.y());
    }
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
        font_ = mapLabelFont(layoutCell_, kSmallestPictureLabelText, kLargestPictureLabelText);
    }
    const QSizeF picture(length_ * layoutCell_, height_ * layoutCell_);
    compass_ = compassMarkPlace(picture.toSize(), direction_);
    if (options.labelsOnImage) {
        labels_ = placeLabels(outline.labels, layoutCell_, picture, font_, options.labelOverlap,
                              compassMarkCover(picture.toSize(), direction_));
    }
}

void SheetPainter::draw(QPainter& painter, const QRectF& area, const SheetRows& rows,
                        const QRect& cells) const {
    painter.save();
    painter.setClipRect(area);
    painter.translate(area.topLeft());
    painter.scale(area.width() / cells.width(), area.height() / cells.height());
    painter.translate(-cells.left(), -cells.top());  // in map cells from here on
    drawCells(painter, rows, cells);
    if (options_.grid) {
        drawGrid(painter, cells);
    }
    drawSeams(painter, cells);
    drawFrames(painter, cells, highlighted_, kHighlightColour);
    if (!seamMarked_.empty()) {  // a sheet without marks stays as it was drawn before them
        drawFrames(painter, cells, seamMarked_, contrast_.frame);
    }
    painter.scale(1 / layoutCell_, 1 / layoutCell_);  // in the labels' layout from here on
    const QRectF shown(cells.left() * layoutCell_, cells.top() * layoutCell_,
                       cells.width() * layoutCell_, cells.height() * layoutCell_);
    std::vector<PlacedLabel> onSheet;
    std::copy_if(labels_.begin(), labels_.end(), std::back_inserter(onSheet),
                 [&shown](const PlacedLabel& label) {
                     return label.dot.intersects(shown) || label.box.intersects(shown);
                 });
    // The labels over the compass mark: a dot under it still shows.
    if (compass_ && QRectF(*compass_).intersects(shown)) {
        paintCompassMark(painter, *compass_, *direction_);
    }
    paintLabels(painter, onSheet, font_);
    painter.restore();
}

void SheetPainter::drawCells(QPainter& painter, const SheetRows& rows, const QRect& cells) const {
    const auto width = static_cast<std::size_t>(cells.width());
    std::vector<QRgb> colours(width * static_cast<std::size_t>(cells.height()));
    std::map<QRgb, int> counts;
    for (int y = 0; y < cells.height(); ++y) {
        QRgb* line = colours.data() + static_cast<std::size_t>(y) * width;
        const auto row = static_cast<std::size_t>(y);
        colours_.paint(row < rows.size() ? rows[row].first : std::string_view(),
                       row < rows.size() ? rows[row].second : std::string_view(), cells.left(),
                       cells.width(), line);
        for (int x = 0; x < cells.width(); ++x) {
            const std::pair<int, int> cell(cells.left() + x, cells.top() + y);
            if (highlighted_.contains(cell)) {
                line[x] = mixColour(line[x], kHighlightColour, kHighlightTint);
            }
            if (seamMarked_.contains(cell)) {
                line[x] = mixColour(line[x], contrast_.colour, kSeamMarkTint);
            }
            ++counts[line[x]];
        }
    }
    // The commonest colour fills the whole window; the runs of every other go over it,
    // each colour's rectangles in one go. A run below one just like it lengthens that one.
    const QRgb ground = std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                            return a.second < b.second;
                        })->first;
    painter.fillRect(QRectF(cells), QColor(ground));
    std::map<QRgb, std::vector<QRect>> shapes;
    std::vector<Run> above;
    std::vector<Run> here;
    for (int y = 0; y < cells.height(); ++y) {
        const QRgb* line = colours.data() + static_cast<std::size_t>(y) * width;
        auto previous = above.begin();
        here.clear();
        for (int x = 0, end = 0; x < cells.width(); x = end) {
            end = x + 1;
            while (end < cells.width() && line[end] == line[x]) {
                ++end;
            }
            if (line[x] == ground) {
                continue;
            }
            while (previous != above.end() && previous->left < x) {
                ++previous;
            }
            std::vector<QRect>& list = shapes[line[x]];
            if (previous != above.end() && previous->left == x && previous->width == end - x &&
                previous->colour == line[x]) {
                list[previous->shape].setBottom(cells.top() + y);
                here.push_back(*previous);
            } else {
                list.emplace_back(cells.left() + x, cells.top() + y, end - x, 1);
                here.push_back({x, end - x, line[x], list.size() - 1});
            }
        }
        std::swap(above, here);
    }
    painter.setPen(Qt::NoPen);
    for (const auto& [colour, rects] : shapes) {
        painter.setBrush(QColor(colour));
        painter.drawRects(rects.data(), static_cast<int>(rects.size()));
    }
}

void SheetPainter::drawGrid(QPainter& painter, const QRect& cells) const {
    // Every cell's outline, the map's outer edge included; paper has room for it at any size.
    painter.setPen(QPen(QColor(contrast_.colour), kGridMm / cellMm_, Qt::SolidLine, Qt::FlatCap));
    std::vector<QLineF> lines;
    for (int column = cells.left(); column <= std::min(cells.right() + 1, length_); ++column) {
        lines.emplace_back(column, cells.top(), column, std::min(cells.bottom() + 1, height_));
    }
    for (int row = cells.top(); row <= std::min(cells.bottom() + 1, height_); ++row) {
        lines.emplace_back(cells.left(), row, std::min(cells.right() + 1, length_), row);
    }
    painter.drawLines(lines.data(), static_cast<int>(lines.size()));
}

void SheetPainter::drawSeams(QPainter& painter, const QRect& cells) const {
    // On the first cells of the next panel, as pictures draw them.
    const double half = kSeamMm / cellMm_ / 2;
    painter.setPen(QPen(QColor(kSeamColour), 2 * half, Qt::SolidLine, Qt::FlatCap));
    for (const int column : seamOffsets(options_.panelLength, length_)) {
        if (column >= cells.left() && column <= cells.right()) {
            painter.drawLine(QLineF(column + half, cells.top(), column + half, cells.bottom() + 1));
        }
    }
    for (const int row : seamOffsets(options_.panelHeight, height_)) {
        if (row >= cells.top() && row <= cells.bottom()) {
            painter.drawLine(QLineF(cells.left(), row + half, cells.right() + 1, row + half));
        }
    }
}

void SheetPainter::drawFrames(QPainter& painter, const QRect& cells, const CellSet& framed,
                              QRgb colour) const {
    const double half = kFrameMm / cellMm_ / 2;
    painter.setPen(QPen(QColor(colour), 2 * half, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    std::vector<QRectF> frames;
    for (const auto& [column, row] : framed) {
        if (cells.contains(column, row)) {
            frames.push_back(QRectF(column, row, 1, 1).adjusted(half, half, -half, -half));
        }
    }
    painter.drawRects(frames.data(), static_cast<int>(frames.size()));
}

}  // namespace pw
