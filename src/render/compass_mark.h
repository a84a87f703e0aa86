// SPDX-License-Identifier: GPL-3.0-or-later
// The compass mark in a picture's corner: where it goes and how it is drawn.
#pragma once

#include <QRect>
#include <QRectF>
#include <QSize>
#include <optional>

class QPainter;

namespace pw {

// Where a picture of `picture` shows its compass mark: a square in its top right corner
// that grows with the picture; nullopt for no direction or a picture too small for one.
std::optional<QRect> compassMarkPlace(QSize picture, int direction);

// What the compass mark of such a picture covers, within its place: label texts keep off
// it. nullopt where the picture shows no mark.
std::optional<QRectF> compassMarkCover(QSize picture, int direction);

// The compass mark into `place`: a pale disc with an arrow to north, for a map whose top
// edge faces `direction` (0 to 7, clockwise from north).
void paintCompassMark(QPainter& painter, const QRect& place, int direction);

}  // namespace pw
