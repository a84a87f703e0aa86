// SPDX-License-Identifier: GPL-3.0-or-later
// The compass mark in a picture's corner: where it goes and how it is drawn.
#pragma once

#include <QImage>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <optional>

#include "core/mapfile/direction.h"

class QPainter;

namespace pw {

// Where a picture of `picture` shows its compass mark: a square in its top right corner
// that grows with the picture; nullopt for no direction or a picture too small for one.
std::optional<QRect> compassMarkPlace(QSize picture, std::optional<Direction> direction);

// What the compass mark of such a picture covers, within its place: label texts keep off
// it. nullopt where the picture shows no mark.
std::optional<QRectF> compassMarkCover(QSize picture, std::optional<Direction> direction);

// The compass mark into `place`: a pale disc with an arrow to north, for a map whose top
// edge faces `direction`.
void paintCompassMark(QPainter& painter, const QRect& place, Direction direction);

// The compass mark of a picture, `side` pixels square, for laying over the cells, kept to a
// dozen shades of its own colours (see keepToShades).
QImage compassMarkImage(int side, Direction direction);

}  // namespace pw
