// SPDX-License-Identifier: GPL-3.0-or-later
// One source map while a merge reads it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/mapfile/line_reader.h"

namespace pw {

// One chosen input map while a merge runs. A source without a reader is an empty panel
// of the common size: blank rows, no layers, no labels.
struct SourceMap {
    std::string name;  // the name every message gives for the source
    std::optional<LineReader> reader;
    char mark = ' ';
    std::uint32_t tally = 0;  // from its size line
    bool dropped = false;     // left out of the join (a preview's failing slot)
};

}  // namespace pw
