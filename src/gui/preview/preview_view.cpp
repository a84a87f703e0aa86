#include "gui/preview/preview_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "render/map_overlays.h"

namespace pw::gui {
namespace {

constexpr double kZoomStep = 1.25;  // per wheel notch
constexpr double kLargestZoom = 64;
constexpr int kMargin = 4;

}  // namespace

PreviewView::PreviewView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setMinimumSize(240, 200);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setCursor(Qt::OpenHandCursor);
}

void PreviewView::setPicture(const QImage& image, int cellSize) {
    const int oldCellSize = cellSize_;
    const QSize oldCells = image_.isNull() ? QSize() : image_.size() / oldCellSize;
    image_ = image;
    cellSize_ = std::max(cellSize, 1);
    message_.clear();
    if (fitted_ || image_.size() / cellSize_ != oldCells) {
        fit();
    } else {
        // The same map at another cell size stays where it is on screen.
        scale_ = scale_ * oldCellSize / cellSize_;
    }
    update();
}

void PreviewView::setMarks(std::vector<MarkedPlace> places, QSize panelCells) {
    places_ = std::move(places);
    panelCells_ = panelCells;
    update();
}

void PreviewView::setMessage(const QString& message) {
    message_ = message;
    image_ = QImage();
    places_.clear();
    update();
}

void PreviewView::fit() {
    fitted_ = true;
    if (image_.isNull()) {
        return;
    }
    scale_ = fitScale();
    origin_ = room().center() - QPointF(image_.width(), image_.height()) * scale_ / 2;
}

QRectF PreviewView::room() const {
    return QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin);
}

double PreviewView::fitScale() const {
    return std::min(room().width() / image_.width(), room().height() / image_.height());
}

QRectF PreviewView::cellsOnScreen(const QRect& cells) const {
    const double pixelsPerCell = scale_ * cellSize_;
    return {origin_.x() + cells.x() * pixelsPerCell, origin_.y() + cells.y() * pixelsPerCell,
            cells.width() * pixelsPerCell, cells.height() * pixelsPerCell};
}

void PreviewView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Mid));
    if (image_.isNull()) {
        painter.setPen(palette().color(QPalette::Light));
        painter.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                         message_);
        return;
    }
    const QRectF target(origin_, QSizeF(image_.size()) * scale_);
    // Shrunk pictures are smoothed; enlarged ones keep their cells sharp.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, scale_ < 1);
    painter.drawImage(target, image_);

    if (panelCells_.width() > 0 && panelCells_.height() > 0) {
        painter.setPen(QPen(QColor(0, 0, 0, 110), 1, Qt::DashLine));
        const QSize cells = image_.size() / cellSize_;
        for (const int x : seamOffsets(panelCells_.width(), cells.width())) {
            const double at = cellsOnScreen(QRect(x, 0, 0, 0)).x();
            painter.drawLine(QPointF(at, target.top()), QPointF(at, target.bottom()));
        }
        for (const int y : seamOffsets(panelCells_.height(), cells.height())) {
            const double at = cellsOnScreen(QRect(0, y, 0, 0)).y();
            painter.drawLine(QPointF(target.left(), at), QPointF(target.right(), at));
        }
    }
    for (const MarkedPlace& place : places_) {
        const QRectF area = cellsOnScreen(place.cells);
        painter.fillRect(area, QColor(255, 255, 255, 200));
        painter.setPen(QPen(QColor(160, 40, 30), 1));
        painter.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
        painter.drawText(area.adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWordWrap,
                         place.text);
    }
}

void PreviewView::resizeEvent(QResizeEvent*) {
    if (fitted_) {
        fit();
    }
}

void PreviewView::wheelEvent(QWheelEvent* event) {
    if (image_.isNull()) {
        return;
    }
    const double notches = event->angleDelta().y() / 120.0;
    const double scale =
        std::clamp(scale_ * std::pow(kZoomStep, notches), std::min(fitScale(), 1.0), kLargestZoom);
    // The point under the mouse stays under the mouse.
    const QPointF mouse = event->position();
    origin_ = mouse - (mouse - origin_) * (scale / scale_);
    scale_ = scale;
    fitted_ = false;
    update();
    event->accept();
}

void PreviewView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragging_ = true;
        dragFrom_ = event->position();
        setCursor(Qt::ClosedHandCursor);
    }
}

void PreviewView::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) {
        origin_ += event->position() - dragFrom_;
        dragFrom_ = event->position();
        fitted_ = false;
        update();
    }
    reportCellAt(event->position());
}

void PreviewView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragging_ = false;
        setCursor(Qt::OpenHandCursor);
    }
}

void PreviewView::mouseDoubleClickEvent(QMouseEvent*) {
    fit();
    update();
}

void PreviewView::leaveEvent(QEvent*) {
    lastCell_ = {-1, -1};
    Q_EMIT hovered(-1, -1);
}

void PreviewView::reportCellAt(QPointF position) {
    QPoint cell(-1, -1);
    if (!image_.isNull()) {
        const QPointF pixel = (position - origin_) / scale_;
        const QPoint found(static_cast<int>(std::floor(pixel.x() / cellSize_)),
                           static_cast<int>(std::floor(pixel.y() / cellSize_)));
        if (QRect(QPoint(), image_.size() / cellSize_).contains(found)) {
            cell = found;
        }
    }
    if (cell != lastCell_) {
        lastCell_ = cell;
        Q_EMIT hovered(cell.x(), cell.y());
    }
}

}  // namespace pw::gui
