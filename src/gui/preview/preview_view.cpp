// SPDX-License-Identifier: GPL-3.0-or-later
// The preview's picture: zoom, pan, marks and the cell under the mouse.
#include "gui/preview/preview_view.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "render/picture_overlays.h"

namespace pw::gui {
namespace {

constexpr double kZoomStep = 1.25;  // per wheel notch or key press
constexpr double kLargestZoom = 64;
constexpr int kMargin = 4;
constexpr double kPanStep = 0.125;  // of the view per arrow key press
// Label texts on screen, in pixels: readable when the picture is small, not huge when
// zoomed in.
constexpr int kSmallestLabelText = 11;
constexpr int kLargestLabelText = 22;
// Screen pixels a cell takes at least once the picture is centred on a finding.
constexpr double kFindingCellPixels = 24;

// A plain widget is a "filler" to screen readers, which pass it by: the picture is an image.
QAccessibleInterface* accessiblePicture(const QString&, QObject* object) {
    auto* view = qobject_cast<PreviewView*>(object);
    return view != nullptr ? new QAccessibleWidget(view, QAccessible::Graphic) : nullptr;
}

}  // namespace

PreviewView::PreviewView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setMinimumSize(160, 120);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setCursor(Qt::OpenHandCursor);
    // A click or Tab gives it the keys, so that they no longer reach the last slot list.
    setFocusPolicy(Qt::StrongFocus);
    static const bool accessible = [] {
        QAccessible::installFactory(&accessiblePicture);
        return true;
    }();
    Q_UNUSED(accessible)
}

void PreviewView::setPicture(const QImage& image, int cellSize) {
    const int oldCellSize = cellSize_;
    const QSize oldCells = image_.isNull() ? QSize() : image_.size() / oldCellSize;
    image_ = image;
    cellSize_ = std::max(cellSize, 1);
    message_.clear();
    placedScale_ = -1;
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

void PreviewView::setLabels(std::vector<MapLabel> labels, std::optional<QRectF> compass) {
    labels_ = std::move(labels);
    compass_ = compass;
    placedScale_ = -1;
    update();
}

void PreviewView::setJunctions(std::vector<QRect> junctions) {
    junctions_ = std::move(junctions);
    update();
}

void PreviewView::setMessage(const QString& message) {
    message_ = message;
    image_ = QImage();
    places_.clear();
    labels_.clear();
    placed_.clear();
    update();
}

void PreviewView::markFinding(std::optional<QPoint> cell) {
    finding_ = cell;
    update();
}

void PreviewView::centreOn(QPoint cell) {
    if (image_.isNull()) {
        return;
    }
    scale_ = std::clamp(kFindingCellPixels / cellSize_, scale_, kLargestZoom);
    fitted_ = false;
    origin_ = room().center() - (QPointF(cell) + QPointF(0.5, 0.5)) * cellSize_ * scale_;
    keepInView();
    update();
}

QRectF PreviewView::room() const {
    return QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin);
}

double PreviewView::fitScale() const {
    return std::min(room().width() / image_.width(), room().height() / image_.height());
}

void PreviewView::fit() {
    fitted_ = true;
    if (image_.isNull()) {
        return;
    }
    scale_ = fitScale();
    origin_ = room().center() - QPointF(image_.width(), image_.height()) * scale_ / 2;
}

void PreviewView::zoomBy(double factor, QPointF fixed) {
    if (image_.isNull()) {
        return;
    }
    const double scale = std::clamp(scale_ * factor, std::min(fitScale(), 1.0), kLargestZoom);
    origin_ = fixed - (fixed - origin_) * (scale / scale_);
    scale_ = scale;
    fitted_ = false;
    keepInView();
    update();
}

void PreviewView::panBy(QPointF step) {
    // A fitted picture has nowhere to go, and stays fitted.
    origin_ += step;
    keepInView();
    update();
}

void PreviewView::keepInView() {
    const QRectF area = room();
    const QSizeF size = QSizeF(image_.size()) * scale_;
    // Smaller than the room: centred. Larger: its edges never come inside the room.
    const auto place = [](double at, double length, double from, double roomLength) {
        return length <= roomLength ? from + (roomLength - length) / 2
                                    : std::clamp(at, from + roomLength - length, from);
    };
    origin_ = {place(origin_.x(), size.width(), area.left(), area.width()),
               place(origin_.y(), size.height(), area.top(), area.height())};
}

QFont PreviewView::labelFontNow() const {
    return mapLabelFont(scale_ * cellSize_, kSmallestLabelText, kLargestLabelText);
}

const std::vector<PlacedLabel>& PreviewView::placedLabels() {
    if (placedScale_ != scale_) {
        placedScale_ = scale_;
        const std::optional<QRectF> keepClear =
            compass_ ? std::optional<QRectF>(
                           QRectF(compass_->topLeft() * scale_, compass_->size() * scale_))
                     : std::nullopt;
        placed_ = placeLabels(labels_, scale_ * cellSize_, QSizeF(image_.size()) * scale_,
                              labelFontNow(), LabelOverlap::LeaveOut, keepClear);
    }
    return placed_;
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
    // A junction that a kept mark changes: a bright band along its seam.
    for (const QRect& junction : junctions_) {
        const QRectF along = cellsOnScreen(junction);
        painter.fillRect(along.adjusted(0, -2, 0, 2), QColor(255, 140, 0, 220));
    }
    if (!labels_.empty()) {
        painter.save();
        painter.translate(origin_);
        painter.setRenderHint(QPainter::Antialiasing);
        paintLabels(painter, placedLabels(), labelFontNow());
        painter.restore();
    }
    for (const MarkedPlace& place : places_) {
        const QRectF area = cellsOnScreen(place.cells);
        painter.fillRect(area, QColor(255, 255, 255, 200));
        painter.setPen(QPen(QColor(160, 40, 30), 1));
        painter.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
        painter.drawText(area.adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWordWrap,
                         place.text);
    }
    if (finding_) {
        // A ring, black around white, apart from the square seam marks on any terrain.
        const QRectF cell = cellsOnScreen(QRect(*finding_, QSize(1, 1)));
        const double reach = std::max(8.0, cell.width() * 0.75);
        const QRectF ring = QRectF(cell.center(), QSizeF()).adjusted(-reach, -reach, reach, reach);
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::black, 5));
        painter.drawEllipse(ring);
        painter.setPen(QPen(Qt::white, 2.5));
        painter.drawEllipse(ring);
        painter.restore();
    }
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void PreviewView::resizeEvent(QResizeEvent*) {
    // Fitted until the user zooms; a zoomed picture keeps its zoom within the new room.
    if (fitted_) {
        fit();
    } else if (!image_.isNull()) {
        keepInView();
    }
}

void PreviewView::wheelEvent(QWheelEvent* event) {
    if (image_.isNull()) {
        return;
    }
    // The point under the mouse stays under the mouse.
    zoomBy(std::pow(kZoomStep, event->angleDelta().y() / 120.0), event->position());
    event->accept();
}

void PreviewView::keyPressEvent(QKeyEvent* event) {
    const QPointF centre = QRectF(rect()).center();
    const QPointF step(width() * kPanStep, height() * kPanStep);
    switch (event->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:  // + without Shift on most keyboards
            zoomBy(kZoomStep, centre);
            break;
        case Qt::Key_Minus:
            zoomBy(1 / kZoomStep, centre);
            break;
        // The picture moves the other way, so that the view looks further that way.
        case Qt::Key_Left:
            panBy({step.x(), 0});
            break;
        case Qt::Key_Right:
            panBy({-step.x(), 0});
            break;
        case Qt::Key_Up:
            panBy({0, step.y()});
            break;
        case Qt::Key_Down:
            panBy({0, -step.y()});
            break;
        case Qt::Key_0:
        case Qt::Key_Home:
            fit();
            update();
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    event->accept();
}

void PreviewView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();  // the focus frame
}

void PreviewView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void PreviewView::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    if (event->button() == Qt::LeftButton) {
        dragging_ = true;
        dragFrom_ = event->position();
        setCursor(Qt::ClosedHandCursor);
    }
}

void PreviewView::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) {
        panBy(event->position() - dragFrom_);
        dragFrom_ = event->position();
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
    lastLabel_.clear();
    Q_EMIT hovered(-1, -1, QString());
}

void PreviewView::reportCellAt(QPointF position) {
    QPoint cell(-1, -1);
    QString label;
    if (!image_.isNull()) {
        const QPointF pixel = (position - origin_) / scale_;
        const QPoint found(static_cast<int>(std::floor(pixel.x() / cellSize_)),
                           static_cast<int>(std::floor(pixel.y() / cellSize_)));
        if (QRect(QPoint(), image_.size() / cellSize_).contains(found)) {
            cell = found;
        }
        if (const PlacedLabel* placed = labelAt(placedLabels(), position - origin_)) {
            label = labels_[placed->index].text;
        }
    }
    if (cell != lastCell_ || label != lastLabel_) {
        lastCell_ = cell;
        lastLabel_ = label;
        Q_EMIT hovered(cell.x(), cell.y(), label);
    }
}

}  // namespace pw::gui
