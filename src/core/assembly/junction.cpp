#include "core/assembly/junction.h"

#include <array>

namespace pw {
namespace {

constexpr char kBlank = ' ';

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
        return 108;
    }
    if (upperMark == 'R' && lowerMark == 'L') {
        return 27;
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
            for (std::size_t position : {8U, 16U, 24U}) {
                if (position < row.size() && row[position] != kBlank &&
                    row[position - 1] == kBlank && !breaksLine(increased(row[position], 31))) {
                    row[position - 1] = '%';
                    row[position] = increased(row[position], 31);
                }
            }
        } else if (place.aboveMark == 'R' && place.ownMark == 'L') {
            increaseNonBlank(row, {7, 15, 23}, 1);
        }
    } else if (lastRow) {
        // The bottom row of a source with another source below it.
        if (place.ownMark == 'R' && place.belowMark == 'L') {
            increaseNonBlank(row, {8, 16, 24}, 8);
        }
    }
}

}  // namespace pw
