// SPDX-License-Identifier: GPL-3.0-or-later
// A composer template's controls, found by their names.
#pragma once

#include <vector>

class QAbstractButton;
class QComboBox;
class QLabel;
class QSvgWidget;
class QWidget;

namespace pw::gui {

// One numbered map position of a composer dialog, as its template lays it out.
struct SlotWidgets {
    QComboBox* mapList = nullptr;  // the slot's drop-down of map files
    QWidget* arrow = nullptr;      // points from the drop-down at the panel
    QWidget* panel = nullptr;      // the slot's place in the map diagram
    QLabel* leftLabel = nullptr;   // inside the panel's left end, shown for an 'L' map
    QLabel* rightLabel = nullptr;  // inside its right end, shown for an 'R' map
};

// The controls every composer dialog has. The templates share their control names
// ("mapList1", "slotPanel1", ..., "saveMapButton"), so the frame finds them itself.
struct ComposerWidgets {
    QSvgWidget* mapSetPicture = nullptr;
    QLabel* directionLabel = nullptr;
    QAbstractButton* directionButton = nullptr;
    QAbstractButton* saveButton = nullptr;
    QAbstractButton* cancelButton = nullptr;
    std::vector<SlotWidgets> slots;  // slot order: slot 1 first
};

// Finds the controls of a template of `slotCount` slots laid out by the shared names.
ComposerWidgets findComposerWidgets(QWidget& dialog, int slotCount);

}  // namespace pw::gui
