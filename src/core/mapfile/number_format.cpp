// SPDX-License-Identifier: GPL-3.0-or-later
// Label coordinates printed as the map format prints them, in any locale.
#include "core/mapfile/number_format.h"

#include <charconv>

namespace pw {

// std::to_chars prints as printf's %.6g does in the C locale, whatever locale the
// program runs in (the desktop program switches to the user's locale at start-up).
std::string formatLabelNumber(float value) {
    char text[48];
    const auto result =
        std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6);
    return std::string(text, result.ptr);
}

}  // namespace pw
