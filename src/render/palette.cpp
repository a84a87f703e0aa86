// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in palette of cell colours and the few shades overlays keep to.
#include "render/palette.h"

#include <QColor>
#include <algorithm>
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

namespace {

QRgb quarterStep(QRgb from, QRgb to, int quarters) {
    const auto channel = [&](int a, int b) { return (a * (4 - quarters) + b * quarters) / 4; };
    return qRgb(channel(qRed(from), qRed(to)), channel(qGreen(from), qGreen(to)),
                channel(qBlue(from), qBlue(to)));
}

int distance(QRgb a, QRgb b) {
    const int red = qRed(a) - qRed(b);
    const int green = qGreen(a) - qGreen(b);
    const int blue = qBlue(a) - qBlue(b);
    return red * red + green * green + blue * blue;
}

}  // namespace

std::vector<QRgb> shadesOf(const std::vector<QRgb>& colours) {
    std::vector<QRgb> shades(colours);
    for (std::size_t a = 0; a < colours.size(); ++a) {
        for (std::size_t b = a + 1; b < colours.size(); ++b) {
            for (int quarters = 1; quarters < 4; ++quarters) {
                shades.push_back(quarterStep(colours[a], colours[b], quarters));
            }
        }
    }
    return shades;
}

void keepToShades(QImage& overlay, const std::vector<QRgb>& colours) {
    const std::vector<QRgb> shades = shadesOf(colours);
    const bool premultiplied = overlay.format() == QImage::Format_ARGB32_Premultiplied;
    // Text edges repeat a few values: each answer is kept, by the pixel's hash.
    std::array<std::pair<QRgb, QRgb>, 256> known{};
    const int width = overlay.width();
    for (int y = 0; y < overlay.height(); ++y) {
        auto* pixels = reinterpret_cast<QRgb*>(overlay.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = pixels[x];
            if (pixel == 0) {
                continue;  // clear stays clear
            }
            auto& [in, out] = known[(pixel * 2654435761U) >> 24];
            if (in != pixel) {
                const QRgb plain = premultiplied ? qUnpremultiply(pixel) : pixel;
                in = pixel;
                out =
                    qAlpha(pixel) < 128
                        ? 0
                        : *std::min_element(shades.begin(), shades.end(), [plain](QRgb a, QRgb b) {
                              return distance(a, plain) < distance(b, plain);
                          });
            }
            pixels[x] = out;
        }
    }
}

}  // namespace pw
