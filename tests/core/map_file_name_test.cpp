#include "core/mapfile/map_file_name.h"

#include <gtest/gtest.h>

#include "core/mapfile/map_set.h"

namespace {

struct NameCase {
    const char* chosen;
    const char* upper;
    char mark;
    const char* label;  // nullptr: no number label produced
};

class FileNameRule : public testing::TestWithParam<NameCase> {};

TEST_P(FileNameRule, GivesMarkAndNumberLabel) {
    const NameCase& expected = GetParam();
    const pw::ParsedMapFileName parsed = pw::ParseMapFileName(expected.chosen);
    EXPECT_EQ(parsed.upperName, expected.upper);
    EXPECT_EQ(parsed.mark, expected.mark);
    if (expected.label == nullptr) {
        EXPECT_FALSE(parsed.numberLabel.has_value());
    } else {
        ASSERT_TRUE(parsed.numberLabel.has_value());
        EXPECT_EQ(*parsed.numberLabel, expected.label);
    }
}

INSTANTIATE_TEST_SUITE_P(Names, FileNameRule,
                         testing::Values(NameCase{"AB-07L.map", "AB-07L.MAP", 'L', "7"},
                                         NameCase{"AB-12R.map", "AB-12R.MAP", 'R', "12"},
                                         NameCase{"ab-12r.map", "AB-12R.MAP", 'R', "12"},
                                         NameCase{"AB-3L.map", "AB-3L.MAP", 'L', "3L"},
                                         NameCase{"AB-12.map", "AB-12.MAP", ' ', "12"},
                                         NameCase{"AB-123L.map", "AB-123L.MAP", ' ', "12"},
                                         NameCase{"AB12L.map", "AB12L.MAP", ' ', nullptr},
                                         NameCase{"AB-X1L.map", "AB-X1L.MAP", ' ', nullptr},
                                         NameCase{"AB-XL.map", "AB-XL.MAP", ' ', nullptr},
                                         NameCase{"AB-CD-12L.map", "AB-CD-12L.MAP", ' ', nullptr},
                                         NameCase{"ABCD-12L.map", "ABCD-12L.MAP", 'L', "D-"},
                                         // The name may end right after the dash or the number.
                                         NameCase{"AB-", "AB-", ' ', nullptr},
                                         NameCase{"A-1", "A-1", ' ', ""},
                                         NameCase{"AB-7", "AB-7", ' ', "7"},
                                         NameCase{"AB-07", "AB-07", ' ', "7"},
                                         NameCase{"", "", ' ', nullptr}));

TEST(MapSetTable, FoldersTitlesAndBases) {
    EXPECT_EQ(pw::MapSetFolderName(0), "Irfmaps");
    EXPECT_EQ(pw::MapSetFolderName(1), "Embrmaps");
    EXPECT_EQ(pw::MapSetFolderName(2), "");
    EXPECT_EQ(pw::MapSetFolderName(-1), "");
    EXPECT_STREQ(pw::mapSetInfo(0)->dialogTitle, "Ironfall map files selection");
    EXPECT_STREQ(pw::mapSetInfo(1)->dialogTitle, "Embr map files selection");
    EXPECT_EQ(pw::mapSetInfo(0)->base, 1251);
    EXPECT_EQ(pw::mapSetInfo(1)->base, 1811);
}

}  // namespace
