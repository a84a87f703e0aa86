// SPDX-License-Identifier: GPL-3.0-or-later
// What a map file's name tells: its mark and its number label.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/mapfile/mark.h"

namespace pw {

// What a map file's name says: the name upper-cased, its L/R mark if it has one
// and the number label shown beside the slot (only when the name carries a number).
struct ParsedMapFileName {
    std::string upperName;
    std::optional<Mark> mark;
    std::optional<std::string> numberLabel;
};

ParsedMapFileName parseMapFileName(std::string_view chosenName);

}  // namespace pw
