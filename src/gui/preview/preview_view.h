#pragma once

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QWidget>
#include <vector>

namespace pw::gui {

// A part of the picture that is marked over it, in cells: a slot that could not be joined
// with its reason, or a seam's panel grid.
struct MarkedPlace {
    QRect cells;
    QString text;
};

// Shows the preview picture: fitted to the view until the user zooms with the wheel or
// drags it about; a double click fits it again. Hovering reports the cell under the mouse.
class PreviewView : public QWidget {
    Q_OBJECT

  public:
    explicit PreviewView(QWidget* parent = nullptr);

    // A new picture of `cellSize` pixels per cell. The zoom stays while the picture keeps
    // its size in cells, so that following slot changes does not jump about.
    void setPicture(const QImage& image, int cellSize);
    // Places shown empty with their reason, and the panel size for the seams (0: none).
    void setMarks(std::vector<MarkedPlace> places, QSize panelCells);
    // The text shown instead of a picture.
    void setMessage(const QString& message);

    QSize sizeHint() const override { return {420, 340}; }

  Q_SIGNALS:
    // The cell under the mouse; (-1, -1) when the mouse is off the picture.
    void hovered(int column, int row);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    void fit();
    // Where the picture fits, and the scale that fits it there.
    QRectF room() const;
    double fitScale() const;
    QRectF cellsOnScreen(const QRect& cells) const;
    void reportCellAt(QPointF position);

    QImage image_;
    int cellSize_ = 1;
    std::vector<MarkedPlace> places_;
    QSize panelCells_;
    QString message_;
    bool fitted_ = true;
    double scale_ = 1;  // screen pixels per picture pixel
    QPointF origin_;    // where the picture's top left corner lies in the view
    QPointF dragFrom_;
    bool dragging_ = false;
    QPoint lastCell_{-1, -1};
};

}  // namespace pw::gui
