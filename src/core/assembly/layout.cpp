// SPDX-License-Identifier: GPL-3.0-or-later
// The three layouts as one table of rules, and the shape of slots a merge fills.
#include "core/assembly/layout.h"

namespace pw {

std::string LayoutShape::slotName(int slot) const {
    if (rules().checksByRow) {
        return std::to_string(rowOf(slot)) + "," + std::to_string(columnOf(slot));
    }
    return std::to_string(slot + 1);
}

const LayoutRules& rulesOf(Layout layout) {
    return kLayoutRules[static_cast<std::size_t>(layout)];
}

std::optional<LayoutShape> shapeFor(Layout layout, int sourceCount) {
    const LayoutRules& rules = rulesOf(layout);
    if (!rules.counts.contains(sourceCount)) {
        return std::nullopt;
    }
    const int columns = rules.columns == 0 ? sourceCount : rules.columns;
    return LayoutShape{layout, sourceCount / columns, columns};
}

std::optional<Layout> layoutFromName(std::string_view name) {
    for (std::size_t i = 0; i < kLayoutRules.size(); ++i) {
        if (kLayoutRules[i].name == name) {
            return static_cast<Layout>(i);
        }
    }
    return std::nullopt;
}

}  // namespace pw
