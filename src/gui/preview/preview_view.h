// SPDX-License-Identifier: GPL-3.0-or-later
// The preview's picture, zoomed and panned by mouse and keys.
#pragma once

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

#include "render/label_placement.h"

namespace pw::gui {

// A part of the picture that is marked over it, in cells: a slot that could not be joined
// with its reason, or a seam's panel grid.
struct MarkedPlace {
    QRect cells;
    QString text;
};

// Shows the preview picture: fitted to the view until the user zooms (wheel, + and -);
// dragging or the arrow keys pan it up to its edges, and a picture smaller than the view
// stays centred; a double click, 0 or Home fits it again. It takes the
// focus on a click and by Tab. The labels are placed at the zoom shown, so zooming in
// brings back those whose texts would overlap. Hovering reports the cell and the label
// under the mouse. Screen readers meet it as an image, named and described by its owner.
class PreviewView : public QWidget {
    Q_OBJECT

  public:
    explicit PreviewView(QWidget* parent = nullptr);

    // A new picture of `cellSize` pixels per cell. The zoom stays while the picture keeps
    // its size in cells, so that following slot changes does not jump about.
    void setPicture(const QImage& image, int cellSize);
    // Places shown empty with their reason, and the panel size for the seams (0: none).
    void setMarks(std::vector<MarkedPlace> places, QSize panelCells);
    // The labels drawn over the picture; none to draw none. Their texts stay off the
    // picture's compass mark, at `compass` in the picture's pixels.
    void setLabels(std::vector<MapLabel> labels, std::optional<QRectF> compass = std::nullopt);
    // Junctions to point out, in cells: each a rectangle of no height along a seam.
    void setJunctions(std::vector<QRect> junctions);
    // The text shown instead of a picture.
    void setMessage(const QString& message);
    // Marks a cell (a seam check finding chosen from a list) with a ring; nullopt: none.
    void markFinding(std::optional<QPoint> cell);
    // Centres the picture on `cell` as far as its edges let, zoomed in until a cell is
    // large enough to be seen.
    void centreOn(QPoint cell);

    // Screen pixels per picture pixel, and where the picture's top left corner lies.
    double zoom() const { return scale_; }
    QPointF pictureOrigin() const { return origin_; }
    bool isFitted() const { return fitted_; }
    std::optional<QPoint> finding() const { return finding_; }
    const QString& message() const { return message_; }

    QSize sizeHint() const override { return {420, 340}; }

  Q_SIGNALS:
    // The cell under the mouse, (-1, -1) when the mouse is off the picture, and the text
    // of the label under it (empty for none).
    void hovered(int column, int row, const QString& label);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void fit();
    // Where the picture fits, and the scale that fits it there.
    QRectF room() const;
    double fitScale() const;
    // Zooms by `factor` keeping `fixed` (a point of the view) where it is.
    void zoomBy(double factor, QPointF fixed);
    void panBy(QPointF step);
    // Moves the picture back to where it covers the view up to its edges.
    void keepInView();
    QRectF cellsOnScreen(const QRect& cells) const;
    void reportCellAt(QPointF position);
    // The labels placed at the current zoom, in the picture's on-screen pixels.
    const std::vector<PlacedLabel>& placedLabels();
    QFont labelFontNow() const;

    QImage image_;
    int cellSize_ = 1;
    std::vector<MarkedPlace> places_;
    std::vector<QRect> junctions_;
    std::vector<MapLabel> labels_;
    std::optional<QRectF> compass_;
    std::vector<PlacedLabel> placed_;
    double placedScale_ = -1;  // the zoom `placed_` belongs to; -1: to be placed
    QSize panelCells_;
    QString message_;
    std::optional<QPoint> finding_;
    bool fitted_ = true;
    double scale_ = 1;  // screen pixels per picture pixel
    QPointF origin_;    // where the picture's top left corner lies in the view
    QPointF dragFrom_;
    bool dragging_ = false;
    QPoint lastCell_{-1, -1};
    QString lastLabel_;
};

}  // namespace pw::gui
