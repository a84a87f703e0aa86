// SPDX-License-Identifier: GPL-3.0-or-later
// How names are compared: ASCII, without regard to letter case.
#pragma once

#include <string_view>

namespace pw {

// Names of layouts, map sets and directions, and map file names, are compared in ASCII
// without regard to letter case.
constexpr char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr bool equalIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

// A map file's name ends in ".map" (in any letter case) after a name of its own.
inline constexpr std::string_view kMapSuffix = ".map";
constexpr bool hasSuffixIgnoringCase(std::string_view name, std::string_view suffix) {
    return name.size() > suffix.size() &&
           equalIgnoringCase(name.substr(name.size() - suffix.size()), suffix);
}

}  // namespace pw
