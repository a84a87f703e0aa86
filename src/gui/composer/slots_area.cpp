// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/composer/slots_area.h"

#include <QEvent>
#include <QLayout>

namespace pw::gui {

SlotsArea::SlotsArea(QWidget* slots, QWidget* parent)
    : QScrollArea(parent), room_(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX) {
    setFrameShape(QFrame::NoFrame);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    // Not a stop of its own for Tab: the slots inside are.
    setFocusPolicy(Qt::NoFocus);
    // The slots keep the size of their layout, like a dialog template.
    slots->layout()->setSizeConstraint(QLayout::SetFixedSize);
    setWidget(slots);
}

void SlotsArea::setRoom(QSize room) {
    room_ = room;
    updateGeometry();
}

QSize SlotsArea::sizeHint() const {
    const int frame = 2 * frameWidth();
    return (widget()->sizeHint() + QSize(frame, frame)).boundedTo(room_);
}

bool SlotsArea::eventFilter(QObject* watched, QEvent* event) {
    // The slots grew or shrank (the lists were filled): the dialog lays itself out anew.
    if (watched == widget() && event->type() == QEvent::Resize) {
        updateGeometry();
    }
    return QScrollArea::eventFilter(watched, event);
}

}  // namespace pw::gui
