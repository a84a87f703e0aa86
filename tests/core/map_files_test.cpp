// What a map file's name says (map_file_names.tsv), and which files of the map-set folders
// are listed.

#include <gtest/gtest.h>
#include <unistd.h>

#include "core/mapfile/map_file_name.h"
#include "core/mapfile/map_listing.h"
#include "test_support.h"

namespace {

TEST(MapFileName, GivesMarkAndNumberLabel) {
    const auto cases = pw::test::readTable(PANELWRIGHT_TEST_DATA "/map_file_names.tsv");
    ASSERT_FALSE(cases.empty());
    for (const auto& test : cases) {
        const pw::ParsedMapFileName parsed = pw::ParseMapFileName(test.at(0));
        const std::string label = parsed.numberLabel.value_or("none");
        EXPECT_EQ((parsed.upperName.empty() ? "" : parsed.upperName + " ") +
                      (parsed.mark == ' ' ? '_' : parsed.mark) + " " +
                      (label.empty() ? "[]" : label),
                  test.at(1));
    }
}

TEST(MapListing, RegularMapFilesSortedIgnoringCase) {
    pw::test::TempFolder folder;
    for (const char* name :
         {"b-02.map", "A-01.MAP", "c-03.Map", "notes.txt", "map", ".map", "C-03.map", "B-01.map",
          "a-10.map", "x.mapx", "amap", "c-03.MAP", "first/Irfmaps/B.map", "first/Irfmaps/c.map",
          "second/Irfmaps/A.map", "second/Irfmaps/B.map", "second/Irfmaps/b.map",
          "second/Embrmaps/E.map", "folder.map/keep"}) {
        std::filesystem::create_directories((folder.path() / name).parent_path());
        pw::test::writeFile(folder.path() / name, "1\n");
    }
    ASSERT_EQ(::symlink("missing-target", folder.file("dangling.map").c_str()), 0);
    EXPECT_EQ(pw::listMapFiles(folder.path().string()),
              std::vector<std::string>({"A-01.MAP", "a-10.map", "B-01.map", "b-02.map", "C-03.map",
                                        "c-03.MAP", "c-03.Map"}));
    EXPECT_EQ(pw::listMapFiles(folder.file("first")), std::vector<std::string>());
    EXPECT_FALSE(pw::listMapFiles(folder.file("Irfmaps")).has_value());
    EXPECT_FALSE(pw::listMapFiles(folder.file("notes.txt")).has_value());

    // Earlier roots hide the same name in later ones; each name opens where it was found.
    const std::vector<std::string> roots = {folder.file("missing"), folder.file("first"),
                                            folder.file("second")};
    const auto listed = [&](int mapSet) {
        std::string maps;
        const auto found = pw::listMapSet(roots, mapSet);
        for (const pw::ListedMap& map : found.value_or(std::vector<pw::ListedMap>())) {
            maps += map.name + " " + map.path + " " + map.folder + "\n";
        }
        return found ? maps : "none";
    };
    const std::string in = folder.path().string() + "/";
    EXPECT_EQ(listed(0), "A.map " + in + "second/Irfmaps/A.map " + in + "second/Irfmaps\n" +
                             "B.map " + in + "first/Irfmaps/B.map " + in + "first/Irfmaps\n" +
                             "b.map " + in + "second/Irfmaps/b.map " + in + "second/Irfmaps\n" +
                             "c.map " + in + "first/Irfmaps/c.map " + in + "first/Irfmaps\n");
    EXPECT_EQ(listed(1), "E.map " + in + "second/Embrmaps/E.map " + in + "second/Embrmaps\n");
    EXPECT_EQ(listed(2), "none");
    EXPECT_EQ(pw::listMapSet({folder.file("missing")}, 1).has_value(), false);
}

}  // namespace
