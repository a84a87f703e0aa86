// Files the user may not touch: a folder that takes no new file and sources that cannot
// be read. Run by root, the command line drops to "nobody" so permissions bind it.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "cli_runner.h"
#include "map_builder.h"
#include "test_files.h"

namespace fs = std::filesystem;

namespace {

class Permissions : public testing::Test {
  protected:
    void SetUp() override {
        fs::permissions(folder_.path(), fs::perms(0755));
        pw::test::writeFile(folder_.path() / "A.map", pw::test::MapBuilder{}.text());
        ::chmod(folder_.file("A.map").c_str(), 0644);
        fs::create_directory(folder_.path() / "locked");
        pw::test::writeFile(folder_.path() / "locked" / "old.map", "old\r\n");
        ::chmod(folder_.file("locked/old.map").c_str(), 0644);
        fs::permissions(folder_.path() / "locked", fs::perms(0555));
        pw::test::writeFile(folder_.path() / "SECRET.map", pw::test::MapBuilder{}.text());
        ::chmod(folder_.file("SECRET.map").c_str(), 0);
    }

    pw::test::TempFolder folder_;
};

TEST_F(Permissions, OutputFolderThatTakesNoFile) {
    for (const auto& [output, why] : std::vector<std::pair<std::string, std::string>>{
             {"locked/new.map", "Permission denied"},
             {"locked/old.map", "Existing file locked/old.map is not writable"}}) {
        const pw::test::CliResult result = pw::test::runCli(
            {"merge", "--layout", "top-to-bottom", "--output", output, "A.map", "A.map"},
            folder_.path(), true);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.standardError,
                  "ERROR: unable to create file " + output + ": " + why + "\n");
        EXPECT_TRUE(result.standardOutput.empty());
    }
    EXPECT_EQ(pw::test::readFile(folder_.path() / "locked" / "old.map"), "old\r\n");
    EXPECT_EQ(
        std::distance(fs::directory_iterator(folder_.path() / "locked"), fs::directory_iterator()),
        1);
}

TEST_F(Permissions, EveryOpeningFailureAtOnce) {
    fs::create_directory(folder_.path() / "FOLDER.map");
    const pw::test::CliResult result =
        pw::test::runCli({"merge", "--layout", "composite", "--output", "out.map", "", "GONE.map",
                          "FOLDER.map", "SECRET.map", "A.map", ""},
                         folder_.path(), true);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.standardError,
              "ERROR: no file selected for Map# 0,0\n"
              "ERROR: unable to open file GONE.map\n"
              "ERROR: unable to open file FOLDER.map\n"
              "ERROR: unable to open file SECRET.map\n"
              "ERROR: no file selected for Map# 2,1\n");
    EXPECT_FALSE(fs::exists(folder_.path() / "out.map"));
}

}  // namespace
