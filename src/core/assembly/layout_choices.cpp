// SPDX-License-Identifier: GPL-3.0-or-later
// The messages that list the layouts and the counts a layout takes.
#include "core/assembly/layout_choices.h"

#include <vector>

#include "core/common/messages.h"

namespace pw::messages {

std::string layoutChoices() {
    std::vector<std::string> names;
    for (const LayoutRules& rules : kLayoutRules) {
        names.emplace_back(rules.name);
    }
    return oneOf(names);
}

std::string countChoices(const CountRange& counts) {
    if (counts.step == 1 && counts.last - counts.first > 1) {
        return countSpan(counts.first, counts.last);
    }
    std::vector<std::string> counted;
    for (int count = counts.first; count <= counts.last; count += counts.step) {
        counted.push_back(std::to_string(count));
    }
    return oneOf(counted);
}

std::string countNotTaken(Layout layout, int count) {
    return countNotTaken(layoutName(layout), countChoices(countRange(layout)), count);
}

}  // namespace pw::messages
