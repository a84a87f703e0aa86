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

TEST(MapListing, PathsBelowTheProgramFolder) {
    EXPECT_EQ(pw::mapFilePath("/opt/pw/", 1, "EM-01L.map"), "/opt/pw/Embrmaps/EM-01L.map");
    EXPECT_EQ(pw::mapSetFolderPath("/opt/pw/", 0), "/opt/pw/Irfmaps");
    const std::string folder = pw::programFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(std::filesystem::is_directory(folder));
}

}  // namespace
