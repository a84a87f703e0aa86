// SPDX-License-Identifier: GPL-3.0-or-later
// The font of the L/R labels and the direction text.
#include "gui/composer/label_font.h"

#include <QFontMetrics>
#include <algorithm>

namespace pw::gui {
namespace {

constexpr int kLabelPoints = 14;
constexpr int kPointsPerInch = 72;

}  // namespace

QFont labelFont(int logicalDpiY) {
    const int cellHeight = (kLabelPoints * logicalDpiY + kPointsPerInch / 2) / kPointsPerInch;
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    // The 14 points measure the whole line, leading included, not the em of the face:
    // start at the cell height and shrink the em until a line fits in it.
    font.setPixelSize(cellHeight);
    const int lineHeight = QFontMetrics(font).height();
    if (lineHeight > cellHeight) {
        font.setPixelSize(std::max(1, cellHeight * cellHeight / lineHeight));
    }
    return font;
}

}  // namespace pw::gui
