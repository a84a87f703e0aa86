// SPDX-License-Identifier: GPL-3.0-or-later
// The scrolled area that holds a composer's slots at their own size.
#include "gui/composer/slots_area.h"

#include <QEvent>
#include <QLayout>

namespace pw::gui {

SlotsArea::SlotsArea(QWidget* slots, QWidget* parent)
    : QScrollArea(parent), room_(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX) {
    setFrameShape(QFrame::NoFrame);
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

QSize SlotsArea::wholeSize() const {
    const int frame = 2 * frameWidth();
    return widget()->sizeHint() + QSize(frame, frame);
}

QSize SlotsArea::sizeHint() const {
    return wholeSize().boundedTo(room_);
}

QSize SlotsArea::minimumSizeHint() const {
    return sizeHint().boundedTo(kSmallest);
}

bool SlotsArea::eventFilter(QObject* watched, QEvent* event) {
    // The slots grew or shrank (the lists were filled): the dialog lays itself out anew.
    if (watched == widget() && event->type() == QEvent::Resize) {
        updateGeometry();
        if (resized_) {
            resized_();
        }
    }
    return QScrollArea::eventFilter(watched, event);
}

}  // namespace pw::gui
