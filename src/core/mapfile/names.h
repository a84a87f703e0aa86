// SPDX-License-Identifier: GPL-3.0-or-later
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

}  // namespace pw
