// The junction fix-up of layer "b" rows, one row at a time.

#include "core/assembly/junction.h"

#include <gtest/gtest.h>

namespace {

using pw::fixJunctionRow;
using pw::JunctionRowPlace;

// A row of blanks with the given characters at the given positions.
std::string rowWith(std::size_t length, std::initializer_list<std::pair<std::size_t, char>> cells) {
    std::string row(length, ' ');
    for (auto [position, cell] : cells) {
        row[position] = cell;
    }
    return row;
}

JunctionRowPlace topRowBelow(char above, char own) {
    return {1, 3, 0, 4, above, own, ' '};
}
JunctionRowPlace bottomRowAbove(char own, char below) {
    return {1, 3, 3, 4, ' ', own, below};
}

TEST(JunctionTally, OnlyLOverRAndROverLCount) {
    EXPECT_EQ(pw::junctionTallyAdjustment('L', 'R'), 108);
    EXPECT_EQ(pw::junctionTallyAdjustment('R', 'L'), 27);
    for (char upper : {'L', 'R', ' '}) {
        EXPECT_EQ(pw::junctionTallyAdjustment(upper, upper), 0);
        EXPECT_EQ(pw::junctionTallyAdjustment(upper, ' '), 0);
        EXPECT_EQ(pw::junctionTallyAdjustment(' ', upper), 0);
    }
}

TEST(JunctionFixUp, LOverRPutsPercentBeforeLoneCells) {
    std::string row = rowWith(26, {{8, '1'}, {15, 'x'}, {16, '1'}, {24, '3'}});
    fixJunctionRow(row, topRowBelow('L', 'R'));
    // (15, 16) keeps its cells: the cell before 16 is not blank.
    EXPECT_EQ(row, rowWith(26, {{7, '%'}, {8, 'P'}, {15, 'x'}, {16, '1'}, {23, '%'}, {24, 'R'}}));
}

TEST(JunctionFixUp, ROverLRaisesBothFacingRows) {
    std::string top = rowWith(26, {{7, 'a'}, {8, 'b'}, {15, 'c'}});
    fixJunctionRow(top, topRowBelow('R', 'L'));
    EXPECT_EQ(top, rowWith(26, {{7, 'b'}, {8, 'b'}, {15, 'd'}}));

    std::string bottom = rowWith(26, {{7, 'a'}, {8, 'b'}, {16, 'c'}, {24, '0'}});
    fixJunctionRow(bottom, bottomRowAbove('R', 'L'));
    EXPECT_EQ(bottom, rowWith(26, {{7, 'a'}, {8, 'j'}, {16, 'k'}, {24, '8'}}));
}

TEST(JunctionFixUp, OtherPairsAndTheLOverRBottomRowStayUnchanged) {
    const std::string original = rowWith(26, {{7, 'a'}, {8, 'b'}, {16, 'c'}, {24, 'd'}});
    const std::pair<char, char> pairs[] = {
        {'L', 'L'}, {'R', 'R'}, {' ', 'R'}, {'L', ' '}, {' ', ' '}};
    for (auto [upper, lower] : pairs) {
        std::string top = original;
        fixJunctionRow(top, topRowBelow(upper, lower));
        EXPECT_EQ(top, original) << upper << " over " << lower;
        std::string bottom = original;
        fixJunctionRow(bottom, bottomRowAbove(upper, lower));
        EXPECT_EQ(bottom, original) << upper << " over " << lower;
    }
    std::string bottom = original;
    fixJunctionRow(bottom, bottomRowAbove('L', 'R'));
    EXPECT_EQ(bottom, original);
}

TEST(JunctionFixUp, CellsWrapPast255) {
    std::string top = rowWith(26, {{8, '\xf0'}, {23, '\xff'}});
    fixJunctionRow(top, topRowBelow('L', 'R'));
    EXPECT_EQ(top, rowWith(26, {{7, '%'}, {8, '\x0f'}, {23, '\xff'}}));

    std::string raised = rowWith(26, {{7, '\xff'}});
    fixJunctionRow(raised, topRowBelow('R', 'L'));
    EXPECT_EQ(raised, rowWith(26, {{7, '\x00'}}));

    std::string bottom = rowWith(26, {{8, '\xfa'}});
    fixJunctionRow(bottom, bottomRowAbove('R', 'L'));
    EXPECT_EQ(bottom, rowWith(26, {{8, '\x02'}}));
}

TEST(JunctionFixUp, ShortRowsKeepTheirLength) {
    for (std::size_t length : {0U, 7U, 8U, 9U, 16U, 17U, 24U}) {
        std::string top(length, 'z');
        if (length > 8) {
            top[7] = ' ';
        }
        const std::string before = top;
        fixJunctionRow(top, topRowBelow('L', 'R'));
        EXPECT_EQ(top.size(), length);
        if (length > 8) {
            EXPECT_EQ(top[7], '%');
        }
        std::string raised(length, 'a');
        fixJunctionRow(raised, topRowBelow('R', 'L'));
        EXPECT_EQ(raised.size(), length);
        std::string bottom(length, 'a');
        fixJunctionRow(bottom, bottomRowAbove('R', 'L'));
        EXPECT_EQ(bottom.size(), length);
    }
    std::string nine(9, ' ');
    nine[8] = '1';
    fixJunctionRow(nine, topRowBelow('L', 'R'));
    EXPECT_EQ(nine, "       %P");
}

TEST(JunctionFixUp, OuterEdgesOfTheOutputAreNeverAltered) {
    const std::string original = rowWith(26, {{7, 'a'}, {8, 'b'}, {16, 'c'}, {24, 'd'}});
    // Top row of the top slot row and bottom row of the bottom slot row.
    std::string top = original;
    fixJunctionRow(top, {0, 2, 0, 4, ' ', 'R', 'L'});
    EXPECT_EQ(top, original);
    std::string bottom = original;
    fixJunctionRow(bottom, {1, 2, 3, 4, 'R', 'L', ' '});
    EXPECT_EQ(bottom, original);
}

TEST(JunctionFixUp, HeightOneRowIsATopRowOnlyInTheMiddle) {
    const std::string original = rowWith(26, {{7, 'a'}, {8, 'b'}});
    std::string first = original;
    fixJunctionRow(first, {0, 3, 0, 1, ' ', 'R', 'L'});  // top slot row: untouched
    EXPECT_EQ(first, original);
    std::string last = original;
    fixJunctionRow(last, {2, 3, 0, 1, 'R', 'L', ' '});  // bottom slot row: untouched
    EXPECT_EQ(last, original);
    std::string middle = original;
    fixJunctionRow(middle, {1, 3, 0, 1, 'R', 'L', 'R'});  // top-row rule, never the bottom one
    EXPECT_EQ(middle, rowWith(26, {{7, 'b'}, {8, 'b'}}));
    std::string middleAbove = original;
    fixJunctionRow(middleAbove, {1, 3, 0, 1, ' ', 'R', 'L'});
    EXPECT_EQ(middleAbove, original);
}

}  // namespace
