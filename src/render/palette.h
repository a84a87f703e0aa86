// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in colours of cells, seams and marks.
#pragma once

#include <QImage>
#include <QRgb>
#include <array>
#include <vector>

namespace pw {

// The background that empty (blank) cells show.
inline constexpr QRgb kBackgroundColour = 0xfff4f1e8;
// The lines between joined panels, and the cells that the junction fix-up changed.
inline constexpr QRgb kSeamColour = 0xffc0182a;
inline constexpr QRgb kHighlightColour = 0xffff00e0;
// How strongly a highlighted cell is tinted (of 256), on pictures and sheets alike.
inline constexpr int kHighlightTint = 140;
// How strongly a cell that the seam check finds not meeting is tinted in the contrast colour.
inline constexpr int kSeamMarkTint = 190;

// Labels: their text, the dot at each place and the box behind the text.
inline constexpr QRgb kLabelInk = 0xff1c1c1c;
inline constexpr QRgb kLabelMark = 0xffb0101a;
inline constexpr QRgb kLabelBox = 0xffffffff;

// Makes an overlay (ARGB32, premultiplied or not) fit a palette picture whatever lies under
// it: each pixel becomes clear, or opaque in the nearest of `colours` and the three quarter
// steps between each two of them. Blending its edges with each cell colour under it would
// add a colour for each.
void keepToShades(QImage& overlay, const std::vector<QRgb>& colours);
// Every colour keepToShades may leave for `colours`.
std::vector<QRgb> shadesOf(const std::vector<QRgb>& colours);
// The colours of the labels' overlays.
inline const std::vector<QRgb> kLabelColours = {kLabelBox, kLabelInk, kLabelMark};

// The built-in colour of every byte value, for map sets without a legend. Common terrain
// characters get their natural colours; every other character a colour from a hue wheel
// stepped so that neighbouring character codes differ clearly. Blank is the background.
const std::array<QRgb, 256>& builtInPalette();

}  // namespace pw
