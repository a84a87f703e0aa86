// SPDX-License-Identifier: GPL-3.0-or-later
// A map file's header as the slot lists show it, or why it cannot be a source.
#pragma once

#include <string>

#include "core/mapfile/map_header.h"

namespace pw {

// What a slot list tells of a map file from its first two lines: its header, or why it
// cannot be a source, worded as Save Map words it.
using MapSummary = HeaderRead;

// Reads only the version line and the size line; `name` is the file's name as messages
// give it (escaped, see escapedName).
MapSummary summarizeMap(const std::string& path, const std::string& name);

}  // namespace pw
