// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures and marks beside a name in a slot list.
#include "gui/composer/panel_icon.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <algorithm>

namespace pw::gui {
namespace {

// The mark is about as large as the list's text, the picture under it faded.
constexpr int kMarkSide = 16;
constexpr qreal kFadedOpacity = 0.35;

QPixmap drawn(QSize room, qreal ratio, const QImage& picture, const QIcon& mark, int markSide) {
    QPixmap canvas(room * ratio);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!picture.isNull()) {
        const QSizeF size = QSizeF(picture.size()).scaled(QSizeF(room), Qt::KeepAspectRatio);
        const QRectF place(
            QPointF((room.width() - size.width()) / 2, (room.height() - size.height()) / 2), size);
        painter.setOpacity(mark.isNull() ? 1.0 : kFadedOpacity);
        painter.drawImage(place, picture);
        // A frame keeps a pale picture apart from a pale list, in light and dark styles.
        painter.setPen(QPen(QGuiApplication::palette().color(QPalette::Mid), 0));
        painter.drawRect(place.adjusted(0, 0, -1.0 / ratio, -1.0 / ratio));
        painter.setOpacity(1.0);
    }
    if (!mark.isNull()) {
        const int side = std::min(markSide, room.height());
        mark.paint(&painter,
                   QRect((room.width() - side) / 2, (room.height() - side) / 2, side, side));
    }
    return canvas;
}

}  // namespace

QIcon panelIcon(QSize room, QSize small, qreal ratio, const QImage& picture, const QIcon& mark) {
    const QPixmap large = drawn(room, ratio, picture, mark, kMarkSide);
    const QPixmap little =
        drawn(small, ratio, mark.isNull() ? picture : QImage(), mark, small.height());
    QIcon icon;
    // A chosen name shows its panel in its own colours, not tinted as the row is.
    for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Selected}) {
        icon.addPixmap(large, mode);
        icon.addPixmap(little, mode);
    }
    return icon;
}

}  // namespace pw::gui
