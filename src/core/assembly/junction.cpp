// SPDX-License-Identifier: GPL-3.0-or-later
// The junction fix-up: how L/R marks change the rows of layer b where sources meet.
#include "core/assembly/junction.h"

#include <array>

namespace pw {
namespace {

constexpr char kBlank = ' ';

// Layer "b" holds a panel's edge connectors in three pairs of columns, eight apart, on its
// top and bottom rows: 7 and 8, 15 and 16, 23 and 24 (kJunctionSpan covers them all).
constexpr std::array<std::size_t, 3> kLeftConnectors = {7, 15, 23};
constexpr std::array<std::size_t, 3> kRightConnectors = {8, 16, 24};
static_assert(kRightConnectors.back() < kJunctionSpan);

// The values the map format gives a junction, by the marks of the panel above and below:
// what the tally gains for 'L' over 'R' and for 'R' over 'L'.
constexpr std::int32_t kLeftOverRightTally = 108;
constexpr std::int32_t kRightOverLeftTally = 27;
// 'L' over 'R': a right connector with a blank before it is marked joined, '%' in the
// blank, and rises by 31 (a '1' becomes 'P').
constexpr char kJoinedMark = '%';
constexpr int kJoinedRise = 31;
// 'R' over 'L': the lower panel's left connectors rise by 1, the upper panel's right ones
// by 8.
constexpr int kLowerRise = 1;
constexpr int kUpperRise = 8;

// A cell's 8-bit code plus `amount`, wrapping past 255.
char increased(char cell, int amount) {
    return static_cast<char>(static_cast<unsigned char>(static_cast<unsigned char>(cell) + amount));
}

// A line end inside a row would split it and shift everything after it in the map, so a
// fix-up that would give one leaves its cell as it was.
bool breaksLine(char cell) {
    return cell == '\n' || cell == '\r';
}

void increaseNonBlank(std::string& row, const std::array<std::size_t, 3>& positions, int amount) {
    for (std::size_t position : positions) {
        if (position < row.size() && row[position] != kBlank) {
            const char cell = increased(row[position], amount);
            if (!breaksLine(cell)) {
                row[position] = cell;
            }
        }
    }
}

}  // namespace

std::int32_t junctionTallyAdjustment(char upperMark, char lowerMark) {
    if (upperMark == 'L' && lowerMark == 'R') {
        return kLeftOverRightTally;
    }
    if (upperMark == 'R' && lowerMark == 'L') {
        return kRightOverLeftTally;
    }
    return 0;
}

void fixJunctionRow(std::string& row, const JunctionRowPlace& place) {
    const bool firstRow = place.row == 0;
    const bool lastRow = place.row == place.height - 1;
    // The outer edges of the output are never altered.
    if ((place.slotRow == 0 && firstRow) || (place.slotRow == place.slotRows - 1 && lastRow)) {
        return;
    }
    if (firstRow) {
        // The top row of a source with another source above it. A block of height 1 is
        // only ever treated as a top row.
        if (place.aboveMark == 'L' && place.ownMark == 'R') {
            for (std::size_t position : kRightConnectors) {
                if (position < row.size() && row[position] != kBlank &&
                    row[position - 1] == kBlank &&
                    !breaksLine(increased(row[position], kJoinedRise))) {
                    row[position - 1] = kJoinedMark;
                    row[position] = increased(row[position], kJoinedRise);
                }
            }
        } else if (place.aboveMark == 'R' && place.ownMark == 'L') {
            increaseNonBlank(row, kLeftConnectors, kLowerRise);
        }
    } else if (lastRow) {
        // The bottom row of a source with another source below it.
        if (place.ownMark == 'R' && place.belowMark == 'L') {
            increaseNonBlank(row, kRightConnectors, kUpperRise);
        }
    }
}

}  // namespace pw
