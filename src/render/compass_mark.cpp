// SPDX-License-Identifier: GPL-3.0-or-later
// The compass mark's place, its arrow pointing north, and its few-coloured picture.
#include "render/compass_mark.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "render/palette.h"

namespace pw {
namespace {

constexpr QRgb kOutlineColour = 0xff3c3c3c;
constexpr QRgb kDiscColour = 0xffffffff;
constexpr int kDiscAlpha = 200;

}  // namespace

std::optional<QRect> compassMarkPlace(QSize picture, std::optional<Direction> direction) {
    const int side = std::min(picture.width(), picture.height()) / 5;
    if (!direction || side < 12) {
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

std::optional<QRectF> compassMarkCover(QSize picture, std::optional<Direction> direction) {
    const std::optional<QRect> place = compassMarkPlace(picture, direction);
    if (!place) {
        return std::nullopt;
    }
    // The disc with its outline, and a pixel of air.
    const double reach = discRadius(*place) + 2;
    return QRectF(discCentre(*place) - QPointF(reach, reach), QSizeF(2 * reach, 2 * reach));
}

void paintCompassMark(QPainter& painter, const QRect& place, Direction direction) {
    const int size = place.width() / 2;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(discCentre(place));
    painter.setPen(QPen(QColor(kOutlineColour), 1));
    QColor disc(kDiscColour);
    disc.setAlpha(kDiscAlpha);
    painter.setBrush(disc);
    painter.drawEllipse(QPointF(0, 0), discRadius(place), discRadius(place));
    // The top edge faces its index times 45 degrees clockwise of north, so north lies that
    // far counter-clockwise of up.
    painter.rotate(-45.0 * directionIndex(direction));
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

QImage compassMarkImage(int side, Direction direction) {
    QImage mark(side, side, QImage::Format_ARGB32);
    mark.fill(Qt::transparent);
    {
        QPainter painter(&mark);
        paintCompassMark(painter, mark.rect(), direction);
    }
    // The disc is drawn see-through for sheets; on a picture it covers what lies under it.
    keepToShades(mark, {kDiscColour, kOutlineColour, kSeamColour});
    return mark;
}

}  // namespace pw
