// SPDX-License-Identifier: GPL-3.0-or-later
// Drop-down lists named for a screen reader by their purpose.
#pragma once

namespace pw::gui {

// Screen readers on Linux take a drop-down list's name from what it shows ("First grid"),
// so that every slot list would read as the name of its panel. Once this is called, a
// drop-down list is named by its accessible name (or its label's text) and shows its
// choice as its value; what the choice's item says of itself (Qt::AccessibleDescriptionRole)
// leads its description. Safe to call again.
void nameListsByPurpose();

}  // namespace pw::gui
