// SPDX-License-Identifier: GPL-3.0-or-later
// The messages that list the map sets and directions as files and commands spell them.
#include "core/mapfile/keyword_choices.h"

#include <vector>

#include "core/common/messages.h"
#include "core/mapfile/direction.h"
#include "core/mapfile/map_set.h"

namespace pw::messages {

std::string mapSetChoices() {
    std::vector<std::string> names;
    for (int i = 0; i < kMapSetCount; ++i) {
        names.push_back(mapSetKeyword(i));
    }
    return oneOf(names);
}

std::string directionChoices() {
    std::vector<std::string> names(kDirectionNames.begin(), kDirectionNames.end());
    names.push_back(countSpan(0, static_cast<int>(kDirectionNames.size()) - 1));
    return oneOf(names);
}

}  // namespace pw::messages
