// SPDX-License-Identifier: GPL-3.0-or-later
// The junction fix-up of layer "b", one test per row of junction_rows.tsv: every pair of
// marks at both junction rows, the outer edges, height 1, short rows, and the cells kept
// where a fix-up would give a line end.

#include "core/assembly/junction.h"

#include <gtest/gtest.h>

#include <sstream>

#include "test_support.h"

namespace {

class JunctionRows : public testing::TestWithParam<pw::test::TableRow> {};

TEST_P(JunctionRows, AreFixedAsTheirMarksSay) {
    const pw::test::TableRow& row = GetParam();
    pw::JunctionRowPlace place{};
    std::istringstream(row.at(0)) >> place.slotRow >> place.slotRows >> place.row >> place.height;
    const auto mark = [&row](std::size_t i) { return pw::markOfLetter(row.at(1).at(i)); };
    place.aboveMark = mark(0);
    place.ownMark = mark(1);
    place.belowMark = mark(2);
    std::string fixed = row.at(2);
    pw::fixJunctionRow(fixed, place);
    EXPECT_EQ(fixed, row.at(3));
}

INSTANTIATE_TEST_SUITE_P(Table, JunctionRows,
                         testing::ValuesIn(pw::test::readRows(PANELWRIGHT_TEST_DATA
                                                              "/junction_rows.tsv")),
                         pw::test::RowNamer());

}  // namespace
