// SPDX-License-Identifier: GPL-3.0-or-later
// A slot's open list, widened for its pictures.
#include "gui/composer/picture_popup.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QScreen>
#include <algorithm>

namespace pw::gui {

PicturePopup::PicturePopup(QComboBox& list) : QObject(&list), list_(list) {
    list.view()->window()->installEventFilter(this);
}

bool PicturePopup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        auto* popup = static_cast<QWidget*>(watched);
        const int extra = list_.view()->iconSize().width() - list_.iconSize().width();
        QRect place = popup->geometry();
        place.setWidth(place.width() + std::max(extra, 0));
        const QRect screen = list_.screen()->availableGeometry();
        if (place.right() > screen.right()) {
            place.moveRight(screen.right());
        }
        popup->setGeometry(place);
    }
    return false;
}

}  // namespace pw::gui
