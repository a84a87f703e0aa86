// SPDX-License-Identifier: GPL-3.0-or-later
// The colour that stands out from every colour of a legend, for the grid and the seam marks.
#pragma once

#include <QRgb>
#include <optional>

#include "render/legend.h"

namespace pw {

// A colour to draw over cells of any of a legend's colours, and a frame around it.
struct ContrastColours {
    QRgb colour = 0;  // the grid's lines and the seam marks' tint
    QRgb frame = 0;   // the seam marks' frame: the candidate that stands out most from `colour`
};

// The contrast ratio of two colours as WCAG defines it, from 1 (alike) to 21 (black on white).
double contrastRatio(QRgb first, QRgb second);

// Of a small fixed set of candidates, the one whose least contrast ratio to the colours of
// `legend`'s entries is largest (the first such in the set's order); without a legend, to
// the built-in palette's terrain colours. The same legend always gives the same colours.
ContrastColours contrastColours(const std::optional<Legend>& legend);

}  // namespace pw
