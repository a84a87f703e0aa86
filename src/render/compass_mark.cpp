// SPDX-License-Identifier: GPL-3.0-or-later
// The compass mark's place and its arrow pointing north.
#include "render/compass_mark.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "core/mapfile/direction.h"
#include "render/palette.h"

namespace pw {

std::optional<QRect> compassMarkPlace(QSize picture, int direction) {
    const int side = std::min(picture.width(), picture.height()) / 5;
    if (direction < 0 || direction >= std::ssize(kDirectionNames) || side < 12) {
        return std::nullopt;
    }
    const int size = std::min(side, 64);
    return QRect(picture.width() - 2 * size, 0, 2 * size, 2 * size);
}

namespace {

// The disc's centre within `place`, and its radius.
QPointF discCentre(const QRect& place) {
    const int size = place.width() / 2;
    return {place.left() + 2 * size - size * 0.6, place.top() + size * 0.6};
}
double discRadius(const QRect& place) {
    return place.width() / 2 * 0.5;
}

}  // namespace

std::optional<QRectF> compassMarkCover(QSize picture, int direction) {
    const std::optional<QRect> place = compassMarkPlace(picture, direction);
    if (!place) {
        return std::nullopt;
    }
    // The disc with its outline, and a pixel of air.
    const double reach = discRadius(*place) + 2;
    return QRectF(discCentre(*place) - QPointF(reach, reach), QSizeF(2 * reach, 2 * reach));
}

void paintCompassMark(QPainter& painter, const QRect& place, int direction) {
    const int size = place.width() / 2;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(discCentre(place));
    painter.setPen(QPen(QColor(60, 60, 60), 1));
    painter.setBrush(QColor(255, 255, 255, 200));
    painter.drawEllipse(QPointF(0, 0), discRadius(place), discRadius(place));
    // The top edge faces direction*45 degrees clockwise of north, so north lies that far
    // counter-clockwise of up.
    painter.rotate(-45.0 * direction);
    QPainterPath arrow;
    arrow.moveTo(0, -size * 0.42);
    arrow.lineTo(size * 0.16, size * 0.28);
    arrow.lineTo(0, size * 0.16);
    arrow.lineTo(-size * 0.16, size * 0.28);
    arrow.closeSubpath();
    painter.setBrush(QColor(kSeamColour));
    painter.drawPath(arrow);
    painter.restore();
}

}  // namespace pw
