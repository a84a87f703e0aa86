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
    std::string text;
    for (const std::string_view name : kDirectionNames) {
        text += std::string(name) + ", ";
    }
    text.resize(text.size() - 2);
    return text + " or 0 to " + std::to_string(kDirectionNames.size() - 1);
}

}  // namespace pw::messages
