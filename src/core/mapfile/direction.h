// SPDX-License-Identifier: GPL-3.0-or-later
// The directions a joined map's top edge may face: their names, indices and parsing.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace pw {

// The compass point a joined map's top edge faces, one point clockwise per step; the
// underlying value is the index a map's direction line carries.
enum class Direction : std::uint8_t { N, NE, E, SE, S, SW, W, NW };

inline constexpr int kDirectionCount = 8;

// "N" .. "NW", as the command line, setup files and the dialogs spell a direction.
std::string_view directionName(Direction direction);

// The index a map's direction line carries, 0 (N) to 7 (NW).
constexpr int directionIndex(Direction direction) {
    return static_cast<int>(direction);
}

// The direction of an index 0 to 7; nullopt for any other number.
std::optional<Direction> directionFromIndex(int index);

// A direction as the command line and setup files spell it: a name in any letter case or
// its index as one digit; nullopt for anything else.
std::optional<Direction> directionFromName(std::string_view text);

// One compass point clockwise, or counter-clockwise when `back`.
Direction turned(Direction direction, bool back);

}  // namespace pw
