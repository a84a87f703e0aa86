// What a map file's name says, and which files of a map-set folder are listed.

#include <gtest/gtest.h>
#include <unistd.h>

#include "core/mapfile/map_file_name.h"
#include "core/mapfile/map_listing.h"
#include "test_support.h"

namespace {

TEST(MapFileName, GivesMarkAndNumberLabel) {
    const struct {
        const char* chosen;
        const char* upper;
        char mark;
        const char* label;  // nullptr: no number label
    } cases[] = {
        {"AB-07L.map", "AB-07L.MAP", 'L', "7"},
        {"AB-12R.map", "AB-12R.MAP", 'R', "12"},
        {"ab-12r.map", "AB-12R.MAP", 'R', "12"},
        {"az-3l.map", "AZ-3L.MAP", 'L', "3L"},
        {"AB-12.map", "AB-12.MAP", ' ', "12"},
        {"AB-123L.map", "AB-123L.MAP", ' ', "12"},
        {"AB12L.map", "AB12L.MAP", ' ', nullptr},
        {"AB-X1L.map", "AB-X1L.MAP", ' ', nullptr},
        {"AB-XL.map", "AB-XL.MAP", ' ', nullptr},
        {"AB-CD-12L.map", "AB-CD-12L.MAP", ' ', nullptr},
        {"ABCD-12L.map", "ABCD-12L.MAP", 'L', "D-"},
        {"AB-", "AB-", ' ', nullptr},
        {"A-1", "A-1", ' ', ""},
        {"AB-7", "AB-7", ' ', "7"},
        {"AB-07", "AB-07", ' ', "7"},
        {"AB-9R", "AB-9R", 'R', "9R"},
        {"", "", ' ', nullptr},
    };
    for (const auto& test : cases) {
        const pw::ParsedMapFileName parsed = pw::ParseMapFileName(test.chosen);
        EXPECT_EQ(parsed.upperName, test.upper);
        EXPECT_EQ(parsed.mark, test.mark) << test.chosen;
        EXPECT_EQ(parsed.numberLabel.value_or("none"), test.label ? test.label : "none")
            << test.chosen;
    }
}

TEST(MapListing, RegularMapFilesSortedIgnoringCase) {
    pw::test::TempFolder folder;
    for (const char* name : {"b-02.map", "A-01.MAP", "c-03.Map", "notes.txt", "map", ".map",
                             "C-03.map", "B-01.map", "a-10.map", "x.mapx", "amap", "c-03.MAP"}) {
        pw::test::writeFile(folder.path() / name, "1\n");
    }
    std::filesystem::create_directory(folder.path() / "folder.map");
    ASSERT_EQ(::symlink("missing-target", folder.file("dangling.map").c_str()), 0);
    EXPECT_EQ(pw::listMapFiles(folder.path().string()),
              std::vector<std::string>({"A-01.MAP", "a-10.map", "B-01.map", "b-02.map", "C-03.map",
                                        "c-03.MAP", "c-03.Map"}));
    EXPECT_EQ(pw::listMapFiles(folder.file("folder.map")), std::vector<std::string>());
    EXPECT_EQ(pw::listMapFiles(folder.file("Irfmaps")), std::nullopt);
    EXPECT_EQ(pw::listMapFiles(folder.file("notes.txt")), std::nullopt);
}

TEST(MapListing, EarlierRootsHideLaterNamesAndEachNameKeepsItsFolder) {
    pw::test::TempFolder folder;
    for (const char* file :
         {"first/Irfmaps/B.map", "first/Irfmaps/c.map", "second/Irfmaps/A.map",
          "second/Irfmaps/B.map", "second/Irfmaps/b.map", "second/Embrmaps/E.map"}) {
        std::filesystem::create_directories((folder.path() / file).parent_path());
        pw::test::writeFile(folder.path() / file, "");
    }
    const std::vector<std::string> roots = {folder.file("missing"), folder.file("first"),
                                            folder.file("second")};
    const auto listed = [&](int mapSet) {
        std::vector<std::string> maps;
        const auto found = pw::listMapSet(roots, mapSet);
        for (const pw::ListedMap& map : found.value()) {
            maps.push_back(map.name + " " + map.path.substr(folder.path().string().size()) + " " +
                           map.folder.substr(folder.path().string().size()));
        }
        return maps;
    };
    EXPECT_EQ(listed(0), std::vector<std::string>({"A.map /second/Irfmaps/A.map /second/Irfmaps",
                                                   "B.map /first/Irfmaps/B.map /first/Irfmaps",
                                                   "b.map /second/Irfmaps/b.map /second/Irfmaps",
                                                   "c.map /first/Irfmaps/c.map /first/Irfmaps"}));
    EXPECT_EQ(listed(1),
              std::vector<std::string>({"E.map /second/Embrmaps/E.map /second/Embrmaps"}));
    EXPECT_FALSE(pw::listMapSet(roots, 2).has_value());
    EXPECT_FALSE(pw::listMapSet({folder.file("missing")}, 1).has_value());
}

}  // namespace
