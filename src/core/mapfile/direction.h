#pragma once

#include <array>
#include <string_view>

namespace pw {

// The top-edge directions by index, one compass point clockwise per step: the index is
// what a map's direction line carries.
inline constexpr std::array<std::string_view, 8> kDirectionNames = {"N", "NE", "E", "SE",
                                                                    "S", "SW", "W", "NW"};

}  // namespace pw
