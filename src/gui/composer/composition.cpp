// SPDX-License-Identifier: GPL-3.0-or-later
// A slot as it changes when the user chooses a name in it.
#include "gui/composer/composition.h"

#include "core/common/path_bytes.h"
#include "core/mapfile/map_file_name.h"

namespace pw::gui {

SlotState chooseMap(SlotState slot, int row, const std::string& name, bool keepsMarks) {
    const ParsedMapFileName parsed = parseMapFileName(name);
    const QString numberLabel = QString::fromStdString(parsed.numberLabel.value_or(std::string()));
    slot.row = row;
    slot.missing.reset();
    slot.missingPath.clear();
    if (parsed.mark == 'L') {
        slot.leftText = numberLabel;
    } else if (parsed.mark == 'R') {
        slot.rightText = numberLabel;
    } else {
        return slot;
    }
    slot.shown = parsed.mark;
    if (keepsMarks) {
        slot.mark = parsed.mark;
        slot.markFrom = QString::fromStdString(escapedName(name));  // as the list shows it
    }
    return slot;
}

}  // namespace pw::gui
