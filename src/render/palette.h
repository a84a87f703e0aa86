// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRgb>
#include <array>

namespace pw {

// The background that empty (blank) cells show.
inline constexpr QRgb kBackgroundColour = 0xfff4f1e8;

// The built-in colour of every byte value, for map sets without a legend. Common terrain
// characters get their natural colours; every other character a colour from a hue wheel
// stepped so that neighbouring character codes differ clearly. Blank is the background.
const std::array<QRgb, 256>& builtInPalette();

}  // namespace pw
