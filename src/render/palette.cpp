// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in palette of cell colours.
#include "render/palette.h"

#include <QColor>
#include <cmath>

namespace pw {
namespace {

struct KnownColour {
    char character;
    QRgb colour;
};

// Characters that maps commonly use for terrain, in their natural colours.
constexpr KnownColour kKnown[] = {
    {'.', 0xffd9cf9a},                                         // open ground
    {',', 0xffb5c46a},                                         // brush, fields
    {'\'', 0xffa7b36b}, {'"', 0xff8fae5c}, {'T', 0xff2f6b2a},  // woods
    {'^', 0xff9a7445},                                         // hill
    {'M', 0xff6e5a4a},                                         // mountain
    {'~', 0xff3f7fc4},                                         // water
    {'=', 0xff7a6a5a},                                         // road
    {'#', 0xff8c3b32},                                         // buildings
    {'+', 0xff5e4b3c},                                         // bridge, crossing
};

std::array<QRgb, 256> makePalette() {
    std::array<QRgb, 256> palette{};
    for (int code = 0; code < 256; ++code) {
        // The golden-ratio step spreads consecutive codes far apart on the hue wheel;
        // alternating lightness separates them further.
        const double hue = std::fmod(code * 0.6180339887, 1.0);
        const double saturation = code % 3 == 0 ? 0.55 : 0.75;
        const double value = code % 2 == 0 ? 0.85 : 0.62;
        palette[static_cast<std::size_t>(code)] =
            QColor::fromHsvF(static_cast<float>(hue), static_cast<float>(saturation),
                             static_cast<float>(value))
                .rgb();
    }
    for (const KnownColour& known : kKnown) {
        palette[static_cast<unsigned char>(known.character)] = known.colour;
    }
    palette[static_cast<unsigned char>(' ')] = kBackgroundColour;
    return palette;
}

}  // namespace

const std::array<QRgb, 256>& builtInPalette() {
    static const std::array<QRgb, 256> palette = makePalette();
    return palette;
}

}  // namespace pw
