// SPDX-License-Identifier: GPL-3.0-or-later
// What a map file's name tells: its mark and its number label.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pw {

// What a map file's name says: the name upper-cased, its L/R mark ('L', 'R' or ' ')
// and the number label shown beside the slot (only when the name carries a number).
struct ParsedMapFileName {
    std::string upperName;
    char mark = ' ';
    std::optional<std::string> numberLabel;
};

ParsedMapFileName parseMapFileName(std::string_view chosenName);

}  // namespace pw
