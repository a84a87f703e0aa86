#include "core/mapfile/map_listing.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "test_files.h"

namespace {

TEST(MapListing, RegularMapFilesSortedIgnoringCase) {
    pw::test::TempFolder folder;
    for (const char* name :
         {"b-02.map", "A-01.MAP", "c-03.Map", "notes.txt", "map", ".map", "B-01.map", "a-10.map"}) {
        pw::test::writeFile(folder.path() / name, "1\n");
    }
    std::filesystem::create_directory(folder.path() / "folder.map");
    ASSERT_EQ(::symlink("missing-target", folder.file("dangling.map").c_str()), 0);

    const auto names = pw::listMapFiles(folder.path().string());
    ASSERT_TRUE(names.has_value());
    EXPECT_EQ(*names, std::vector<std::string>(
                          {"A-01.MAP", "a-10.map", "B-01.map", "b-02.map", "c-03.Map"}));
}

TEST(MapListing, EmptyFolderIsNoFailureMissingFolderIs) {
    pw::test::TempFolder folder;
    const auto empty = pw::listMapFiles(folder.path().string());
    ASSERT_TRUE(empty.has_value());
    EXPECT_TRUE(empty->empty());
    EXPECT_FALSE(pw::listMapFiles(folder.file("Irfmaps")).has_value());
}

TEST(MapListing, EarlierRootsHideLaterNamesAndEachNameKeepsItsFolder) {
    pw::test::TempFolder folder;
    for (const char* file : {"first/Irfmaps/B.map", "first/Irfmaps/c.map", "second/Irfmaps/A.map",
                             "second/Irfmaps/B.map", "second/Embrmaps/E.map"}) {
        std::filesystem::create_directories((folder.path() / file).parent_path());
        pw::test::writeFile(folder.path() / file, "");
    }
    const std::vector<std::string> roots = {folder.file("missing"), folder.file("first"),
                                            folder.file("second")};
    const auto maps = pw::listMapSet(roots, 0);
    ASSERT_TRUE(maps.has_value());
    std::vector<std::string> listed;
    for (const pw::ListedMap& map : *maps) {
        listed.push_back(map.name + " " + map.path);
    }
    EXPECT_EQ(listed, std::vector<std::string>({"A.map " + folder.file("second/Irfmaps/A.map"),
                                                "B.map " + folder.file("first/Irfmaps/B.map"),
                                                "c.map " + folder.file("first/Irfmaps/c.map")}));
    EXPECT_FALSE(pw::listMapSet({folder.file("missing")}, 1).has_value());
}

}  // namespace
