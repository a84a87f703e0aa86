// The command-line contract beyond whole merges: usage errors, help, and where marks
// come from.

#include <gtest/gtest.h>

#include <filesystem>

#include "cli_runner.h"
#include "map_builder.h"
#include "test_files.h"

namespace {

using pw::test::MapBuilder;
using pw::test::readFile;
using pw::test::runCli;

class CommandLine : public testing::Test {
  protected:
    void SetUp() override {
        // The same panel under marked and unmarked names.
        const std::string text = MapBuilder{.length = 26, .height = 2}.text();
        for (const char* name : {"AB-07L.map", "AB-08R.map", "AB-07.map", "AB-08.map"}) {
            pw::test::writeFile(folder_.path() / name, text);
        }
    }

    pw::test::CliResult merge(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), "merge");
        return runCli(arguments, folder_.path());
    }

    pw::test::TempFolder folder_;
};

TEST_F(CommandLine, UsageErrorsPrintOneLineAndExitTwo) {
    const std::vector<std::vector<std::string>> wrong = {
        {"--layout", "diagonal", "--output", "o.map", "AB-07.map", "AB-08.map"},
        {"--layout", "top-to-bottom", "--output", "o.map", "AB-07.map"},
        {"--layout", "top-to-bottom", "--output", "o.map", "a", "b", "c", "d", "e"},
        {"--layout", "end-to-end", "--output", "o.map", "a", "b", "c", "d"},
        {"--layout", "composite", "--output", "o.map", "a", "b", "c", "d", "e"},
        {"--layout", "composite", "--output", "o.map", "a", "b"},
        {"--layout", "top-to-bottom", "--marks", "LR-", "--output", "o.map", "a", "b"},
        {"--layout", "top-to-bottom", "--marks", "Lx", "--output", "o.map", "a", "b"},
        {"--layout", "top-to-bottom", "--direction", "8", "--output", "o.map", "a", "b"},
        {"--layout", "top-to-bottom", "--map-set", "nowhere", "--output", "o.map", "a", "b"},
        {"--layout", "top-to-bottom", "AB-07.map", "AB-08.map"},
        {"--layout", "top-to-bottom", "--colour", "red", "--output", "o.map", "a", "b"},
        {"--layout"},
    };
    for (const auto& arguments : wrong) {
        const pw::test::CliResult result = merge(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments[1];
        EXPECT_EQ(std::count(result.standardError.begin(), result.standardError.end(), '\n'), 1)
            << result.standardError;
        EXPECT_TRUE(result.standardOutput.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(folder_.path() / "o.map"));
    EXPECT_EQ(runCli({}, folder_.path()).exitCode, 2);
    EXPECT_EQ(runCli({"split"}, folder_.path()).exitCode, 2);
}

TEST_F(CommandLine, HelpPrintsUsage) {
    const pw::test::CliResult result = runCli({"--help"}, folder_.path());
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.standardOutput.find("panelwright-cli merge --layout"), std::string::npos);
    EXPECT_EQ(merge({"--help"}).exitCode, 0);
}

TEST_F(CommandLine, MarksComeFromBaseNamesUnlessGiven) {
    ASSERT_EQ(merge({"--layout", "top-to-bottom", "--output", "named.map", "./AB-07L.map",
                     folder_.file("AB-08R.map")})
                  .exitCode,
              0);
    ASSERT_EQ(merge({"--layout", "top-to-bottom", "--marks", "LR", "--output", "given.map",
                     "AB-07.map", "AB-08.map"})
                  .exitCode,
              0);
    ASSERT_EQ(
        merge({"--layout", "top-to-bottom", "--output", "plain.map", "AB-07.map", "AB-08.map"})
            .exitCode,
        0);
    const std::string named = readFile(folder_.path() / "named.map");
    EXPECT_EQ(named, readFile(folder_.path() / "given.map"));
    EXPECT_NE(named, readFile(folder_.path() / "plain.map"));
    // 100 + 100 - 1251 - 26 + 108 for the L-over-R junction.
    EXPECT_NE(named.find("\r\n26 4 -969\r\n"), std::string::npos);
}

TEST_F(CommandLine, EndToEndIgnoresMarks) {
    ASSERT_EQ(
        merge({"--layout", "end-to-end", "--output", "marked.map", "AB-07L.map", "AB-08R.map"})
            .exitCode,
        0);
    ASSERT_EQ(merge({"--layout", "end-to-end", "--marks", "RL", "--output", "given.map",
                     "AB-07.map", "AB-08.map"})
                  .exitCode,
              0);
    ASSERT_EQ(merge({"--layout", "end-to-end", "--output", "plain.map", "AB-07.map", "AB-08.map"})
                  .exitCode,
              0);
    const std::string plain = readFile(folder_.path() / "plain.map");
    EXPECT_EQ(readFile(folder_.path() / "marked.map"), plain);
    EXPECT_EQ(readFile(folder_.path() / "given.map"), plain);
}

TEST_F(CommandLine, OptionsTakeNamesNumbersAndEqualsForms) {
    ASSERT_EQ(merge({"--layout=top-to-bottom", "--direction=nw", "--map-set", "Emberline",
                     "--output", "a.map", "AB-07.map", "AB-08.map"})
                  .exitCode,
              0);
    ASSERT_EQ(merge({"--layout", "top-to-bottom", "--direction", "7", "--map-set=emberline",
                     "--output=b.map", "--", "AB-07.map", "AB-08.map"})
                  .exitCode,
              0);
    const std::string a = readFile(folder_.path() / "a.map");
    EXPECT_EQ(a, readFile(folder_.path() / "b.map"));
    EXPECT_NE(a.find("\r\n7 4\r\n"), std::string::npos);
    // Emberline's base: 100 + 100 - 1811 - 26.
    EXPECT_NE(a.find("\r\n26 4 -1637\r\n"), std::string::npos);
}

TEST_F(CommandLine, UnwritableOutputFailsWithoutSuccess) {
    std::filesystem::create_directory(folder_.path() / "dir.map");
    const pw::test::CliResult result =
        merge({"--layout", "top-to-bottom", "--output", "dir.map", "AB-07.map", "AB-08.map"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.standardError, "ERROR: unable to create file dir.map: Not a regular file\n");
    EXPECT_TRUE(result.standardOutput.empty());
}

}  // namespace
