#pragma once

#include <cstdint>
#include <string>

namespace pw {

// What a slot list tells of a map file from its first two lines.
struct MapSummary {
    std::int32_t version = 0;
    std::int32_t length = 0;
    std::int32_t height = 0;
    // Why the map cannot be a source, worded as Save Map words it; empty when it can.
    std::string problem;
};

// Reads only the version line and the size line; `name` is the file's name as messages
// give it (escaped, see escapedName).
MapSummary summarizeMap(const std::string& path, const std::string& name);

}  // namespace pw
