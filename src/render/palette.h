// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in colours of cells, seams and marks.
#pragma once

#include <QRgb>
#include <array>

namespace pw {

// The background that empty (blank) cells show.
inline constexpr QRgb kBackgroundColour = 0xfff4f1e8;
// The lines between joined panels, and the cells that the junction fix-up changed.
inline constexpr QRgb kSeamColour = 0xffc0182a;
inline constexpr QRgb kHighlightColour = 0xffff00e0;
// How strongly a highlighted cell is tinted (of 256), on pictures and sheets alike.
inline constexpr int kHighlightTint = 140;
// The cells that the seam check finds not meeting across a seam: a strong cyan, apart from
// the seams' red, the fix-up's magenta and the preview's orange band of kept marks.
inline constexpr QRgb kSeamMarkColour = 0xff00c8f0;
inline constexpr int kSeamMarkTint = 190;

// The built-in colour of every byte value, for map sets without a legend. Common terrain
// characters get their natural colours; every other character a colour from a hue wheel
// stepped so that neighbouring character codes differ clearly. Blank is the background.
const std::array<QRgb, 256>& builtInPalette();

}  // namespace pw
