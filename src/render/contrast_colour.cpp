// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing the candidate colour that stands out most from a legend's colours.
#include "render/contrast_colour.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>
#include <vector>

#include "render/palette.h"

namespace pw {
namespace {

// Black and white first, so that a tie goes to the plainest line; then colours that no
// terrain uses and that differ from the seams' red and the fix-up's magenta.
constexpr std::array kCandidates{QRgb{0xff000000}, QRgb{0xffffffff}, QRgb{0xff00c8f0},
                                 QRgb{0xffffe600}, QRgb{0xff80ff00}, QRgb{0xff0050ff},
                                 QRgb{0xff7a00cc}, QRgb{0xff808080}};

// The characters that the built-in palette gives their natural terrain colours.
constexpr std::string_view kBuiltInTerrain = ".,'\"T^M~=#+";

double relativeLuminance(QRgb colour) {
    const auto linear = [](int channel) {
        const double value = channel / 255.0;
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) +
           0.0722 * linear(qBlue(colour));
}

// The candidate whose least contrast to `colours` is largest.
QRgb standingOut(const std::vector<QRgb>& colours) {
    QRgb best = kCandidates.front();
    double bestLeast = -1;
    for (const QRgb candidate : kCandidates) {
        double least = 21;
        for (const QRgb colour : colours) {
            least = std::min(least, contrastRatio(candidate, colour));
        }
        if (least > bestLeast) {
            best = candidate;
            bestLeast = least;
        }
    }
    return best;
}

}  // namespace

double contrastRatio(QRgb first, QRgb second) {
    // By value: std::minmax of two temporaries would hand back references to them.
    const double one = relativeLuminance(first);
    const double other = relativeLuminance(second);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

ContrastColours contrastColours(const std::optional<Legend>& legend) {
    std::vector<QRgb> colours;
    if (legend) {
        const std::array<QRgb, 256> table = legend->colourTable();
        for (int code = 0; code < 256; ++code) {
            if (legend->entryOf(static_cast<char>(code)) != nullptr) {
                colours.push_back(table[static_cast<std::size_t>(code)]);
            }
        }
    } else {
        for (const char character : kBuiltInTerrain) {
            colours.push_back(builtInPalette()[static_cast<unsigned char>(character)]);
        }
    }
    ContrastColours chosen;
    chosen.colour = standingOut(colours);
    chosen.frame = standingOut({chosen.colour});
    return chosen;
}

}  // namespace pw
