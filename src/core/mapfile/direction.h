// SPDX-License-Identifier: GPL-3.0-or-later
// The directions a joined map's top edge may face, by index and by name.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace pw {

// The top-edge directions by index, one compass point clockwise per step: the index is
// what a map's direction line carries.
inline constexpr std::array<std::string_view, 8> kDirectionNames = {"N", "NE", "E", "SE",
                                                                    "S", "SW", "W", "NW"};

// A direction as the command line and setup files spell it: a name in any letter case or
// its index as one digit; nullopt for anything else.
std::optional<int> directionFromName(std::string_view text);

}  // namespace pw
