// SPDX-License-Identifier: GPL-3.0-or-later
// The directions a joined map's top edge may face: their names, indices and parsing.
#include "core/mapfile/direction.h"

#include "core/mapfile/names.h"

namespace pw {
namespace {
constexpr std::array<std::string_view, kDirectionCount> kNames = {"N", "NE", "E", "SE",
                                                                  "S", "SW", "W", "NW"};
}

std::string_view directionName(Direction direction) {
    return kNames.at(static_cast<std::size_t>(directionIndex(direction)));
}

std::optional<Direction> directionFromIndex(int index) {
    if (index < 0 || index >= kDirectionCount) {
        return std::nullopt;
    }
    return static_cast<Direction>(index);
}

std::optional<Direction> directionFromName(std::string_view text) {
    if (text.size() == 1 && text[0] >= '0' && text[0] <= '9') {
        return directionFromIndex(text[0] - '0');
    }
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        if (equalIgnoringCase(text, kNames[i])) {
            return static_cast<Direction>(i);
        }
    }
    return std::nullopt;
}

Direction turned(Direction direction, bool back) {
    const int step = back ? kDirectionCount - 1 : 1;
    return static_cast<Direction>((directionIndex(direction) + step) % kDirectionCount);
}

}  // namespace pw
