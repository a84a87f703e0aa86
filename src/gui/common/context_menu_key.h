// SPDX-License-Identifier: GPL-3.0-or-later
// Shift+F10 as the second key of the context menu, beside the Menu key.
#pragma once

namespace pw::gui {

// On Linux only the Menu key opens a context menu, and many keyboards have none. Once this
// is called, Shift+F10 opens the focused control's context menu in every window of the
// program, as the Menu key does. Safe to call again.
void openContextMenusByShiftF10();

}  // namespace pw::gui
