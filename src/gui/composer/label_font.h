// SPDX-License-Identifier: GPL-3.0-or-later
// The font of the L/R labels and the direction text.
#pragma once

#include <QFont>

namespace pw::gui {

// The font of the L/R labels and the direction text: bold Arial (or the nearest sans)
// whose line height, leading included, is 14 points at the screen's logical resolution.
QFont labelFont(int logicalDpiY);

}  // namespace pw::gui
