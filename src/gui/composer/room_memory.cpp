// SPDX-License-Identifier: GPL-3.0-or-later
// The composer room's settings, per layout.
#include "gui/composer/room_memory.h"

#include <QSettings>

namespace pw::gui {
namespace {

// Whether the preview is shown, remembered from one dialog to the next.
const QString kPreviewShownKey = QStringLiteral("Preview/Shown");

QString splitName(Qt::Orientation orientation) {
    return orientation == Qt::Horizontal ? QStringLiteral("Split/Beside")
                                         : QStringLiteral("Split/Under");
}

}  // namespace

// Per layout: "Preview/Size/top-to-bottom" and so on.
QString RoomMemory::key(const QString& what) const {
    return QStringLiteral("Preview/") + what + QLatin1Char('/') +
           QString::fromLatin1(layoutName(layout_).data());
}

bool RoomMemory::previewShown() const {
    return settings_.value(kPreviewShownKey, true).toBool();
}

void RoomMemory::keepPreviewShown(bool shown) {
    settings_.setValue(kPreviewShownKey, shown);
}

QSize RoomMemory::size() const {
    return settings_.value(key(QStringLiteral("Size"))).toSize();
}

bool RoomMemory::maximized() const {
    return settings_.value(key(QStringLiteral("Maximized")), false).toBool();
}

void RoomMemory::keepSize(QSize size, bool maximized) {
    settings_.setValue(key(QStringLiteral("Size")), size);
    settings_.setValue(key(QStringLiteral("Maximized")), maximized);
}

QVariant RoomMemory::split(Qt::Orientation orientation) const {
    return settings_.value(key(splitName(orientation)));
}

void RoomMemory::keepSplit(Qt::Orientation orientation, int slotsShare) {
    settings_.setValue(key(splitName(orientation)), slotsShare);
}

}  // namespace pw::gui
