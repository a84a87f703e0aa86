// SPDX-License-Identifier: GPL-3.0-or-later
// The map format's constants.
#pragma once

#include <cstdint>
#include <string_view>

namespace pw {

// The constants of the map format, in one place for the reader, the writer, the renderer
// and the command line.

// The largest length and height a source map may have, each from 0.
inline constexpr std::int32_t kMaxSide = 999;

// The layer letter table: a map's layer blocks come in this order, each letter at most once.
inline constexpr std::string_view kLayerLetters = "abcdefghijklmnopqrstuvw";
// The letter line after the last layer block; it sorts after every table letter.
inline constexpr char kEndOfLayers = 'x';

// The value list line every written map carries, whatever its sources held.
inline constexpr std::string_view kValueListLine =
    "0 10 20 30 40 50 60 70 80 90 100 110 120 130 -1";

constexpr bool isLayerLetter(char letter) {
    return kLayerLetters.find(letter) != std::string_view::npos;
}

// Whether `letter` starts the block that may follow block `previous` (NUL before the
// first): a table letter later in the table. Anything else ends a map's layer blocks.
constexpr bool isNextLayer(char letter, char previous) {
    return isLayerLetter(letter) && letter > previous;
}

}  // namespace pw
