// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures and marks beside a name in a slot list.
#pragma once

#include <QIcon>
#include <QImage>
#include <QSize>

namespace pw::gui {

// What a slot list shows beside a name, at two sizes, each always as large so that the
// names stay in line: `room` for the open list, `small` for the closed drop-down. It is the
// panel's picture centred in a thin frame, or nothing yet. A name that cannot join (`mark`
// not null) shows its picture faded under the mark, or the mark alone; the closed
// drop-down shows the mark alone. `picture` is in pixels of `ratio` to the list's (a
// screen's device pixel ratio).
QIcon panelIcon(QSize room, QSize small, qreal ratio, const QImage& picture,
                const QIcon& mark = QIcon());

}  // namespace pw::gui
