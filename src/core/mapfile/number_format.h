// SPDX-License-Identifier: GPL-3.0-or-later
// Label coordinates printed as the map format prints them, in any locale.
#pragma once

#include <string>

namespace pw {

// A label coordinate as the map format prints it: general notation, at most six
// significant digits, trailing zeros and a trailing point dropped (12.50 -> "12.5").
std::string formatLabelNumber(float value);

}  // namespace pw
