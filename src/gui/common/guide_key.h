// SPDX-License-Identifier: GPL-3.0-or-later
// F1 and Help > User's Guide: the guide's page for the window they are pressed in.
#pragma once

#include <QString>

class QAction;
class QMenu;
class QWidget;

namespace pw::gui {

struct DialogEnvironment;

// Gives `window` F1, which asks the environment's opener for the guide's `page` (see
// guide_pages.h): "User's Guide" in the window's Help `menu`, if it has one (so that a
// window's context menu of its actions does not take it), or else among its actions.
QAction& offerGuide(QWidget& window, const DialogEnvironment& environment, const QString& page,
                    QMenu* menu = nullptr);

// F1 in a window that reaches no environment of its own (a message box, the print dialog,
// a file prompt): the nearest window it belongs to that offers the guide asks its opener,
// as if F1 were pressed there, for `page`, or for that window's own page when `page` is
// empty.
void offerGuideAsOwnerDoes(QWidget& window, const QString& page = {});

}  // namespace pw::gui
