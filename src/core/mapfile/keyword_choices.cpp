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
    for (MapSet mapSet : kMapSets) {
        names.push_back(mapSetKeyword(mapSet));
    }
    return oneOf(names);
}

std::string directionChoices() {
    std::vector<std::string> names;
    for (int i = 0; i < kDirectionCount; ++i) {
        names.emplace_back(directionName(*directionFromIndex(i)));
    }
    names.push_back(countSpan(0, kDirectionCount - 1));
    return oneOf(names);
}

}  // namespace pw::messages
