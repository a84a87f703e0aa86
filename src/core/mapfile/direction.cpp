// SPDX-License-Identifier: GPL-3.0-or-later
// The directions a joined map's top edge may face, by index and by name.
#include "core/mapfile/direction.h"

#include "core/mapfile/names.h"

namespace pw {

std::optional<int> directionFromName(std::string_view text) {
    if (text.size() == 1 && text[0] >= '0' &&
        text[0] < static_cast<char>('0' + kDirectionNames.size())) {
        return text[0] - '0';
    }
    for (std::size_t i = 0; i < kDirectionNames.size(); ++i) {
        if (equalIgnoringCase(text, kDirectionNames[i])) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

}  // namespace pw
