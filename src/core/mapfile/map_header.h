// SPDX-License-Identifier: GPL-3.0-or-later
// The one reader of a map's version and size lines.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/common/problem.h"
#include "core/mapfile/map_format.h"

namespace pw {

class LineReader;

// The numbers of a map's first two lines: the version line and the size line.
struct MapHeader {
    std::int32_t version = 0;
    std::int32_t length = 0;
    std::int32_t height = 0;
    std::int32_t tally = 0;
};

// What a reader of headers accepts.
struct HeaderRules {
    bool refuseSubmap = true;  // version 0 marks a submap, which is no source
    std::int32_t maxLength = kMaxSide;
    std::int32_t maxHeight = kMaxSide;
};
// A source of a merge, as Save Map and the slot lists check it.
inline constexpr HeaderRules kSourceRules{};

// The one reader of map headers: the merge, the map list, the renderer and the cell index
// all read version and size through these. Each fills `header` with what it could read and
// tells the first problem, worded with the map's `name`.

// The version line: one number.
std::optional<Problem> readVersionLine(LineReader& reader, const std::string& name,
                                       const HeaderRules& rules, MapHeader& header);
// The size line: length, height and tally; whatever follows them on the line is passed over.
std::optional<Problem> readSizeLine(LineReader& reader, const std::string& name, MapHeader& header);
// Whether length and height lie within the rules (each from 0).
std::optional<Problem> checkSize(const MapHeader& header, const std::string& name,
                                 const HeaderRules& rules);

// Whether a later map has the size of the first one (`first`, named `firstName`); the
// height is compared before the length.
std::optional<Problem> checkSameSize(const MapHeader& header, const std::string& name,
                                     const MapHeader& first, const std::string& firstName);

// A whole header read and checked, with the reader left at the value list line.
struct HeaderRead {
    MapHeader header;
    std::optional<Problem> problem;
};
HeaderRead readHeader(LineReader& reader, const std::string& name, const HeaderRules& rules);

// Whether the file at `path` holds a map rather than anything else (a setup, a page): it
// begins with a number, read as every map's version line is read. nullopt when the file
// cannot be opened for reading.
std::optional<bool> beginsAsMap(const std::string& path);

}  // namespace pw
