// Runs panelwright-cli on every case folder below tests/golden and compares the whole
// output map, stdout, stderr and the exit status with the folder's expected/ files.
// A case folder holds its source maps, an `args` file (one argument per line, an empty
// line for an empty argument) and expected/{stdout,stderr,exit[,<output file>]}. Output
// files that the case expects to stay as they were are given among the sources too.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli_runner.h"
#include "test_files.h"

namespace fs = std::filesystem;
using pw::test::readFile;

namespace {

std::vector<std::string> caseNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(PANELWRIGHT_GOLDEN_DIR)) {
        if (entry.is_directory()) {
            names.push_back(entry.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> readArguments(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<std::string> arguments;
    for (std::string line; std::getline(in, line);) {
        arguments.push_back(line);
    }
    return arguments;
}

class GoldenCase : public testing::TestWithParam<std::string> {};

TEST_P(GoldenCase, MatchesExpectedFiles) {
    const fs::path caseFolder = fs::path(PANELWRIGHT_GOLDEN_DIR) / GetParam();
    const fs::path expected = caseFolder / "expected";
    pw::test::TempFolder work;
    for (const auto& entry : fs::directory_iterator(caseFolder)) {
        if (entry.is_regular_file() && entry.path().filename() != "args") {
            fs::copy_file(entry.path(), work.path() / entry.path().filename());
        }
    }

    const pw::test::CliResult result =
        pw::test::runCli(readArguments(caseFolder / "args"), work.path());

    EXPECT_EQ(result.standardError, readFile(expected / "stderr"));
    EXPECT_EQ(result.standardOutput, readFile(expected / "stdout"));
    EXPECT_EQ(std::to_string(result.exitCode) + "\n", readFile(expected / "exit"));
    for (const auto& entry : fs::directory_iterator(expected)) {
        const std::string name = entry.path().filename().string();
        if (name == "stdout" || name == "stderr" || name == "exit") {
            continue;
        }
        ASSERT_TRUE(fs::exists(work.path() / name)) << name << " was not written";
        EXPECT_TRUE(readFile(work.path() / name) == readFile(entry.path()))
            << name << " differs from the expected bytes";
    }
    if (result.exitCode != 0 && !fs::exists(expected / "out.map")) {
        EXPECT_FALSE(fs::exists(work.path() / "out.map")) << "a failed merge wrote its output";
    }
    // Nothing but the sources and the output is left behind: no temporary files.
    for (const auto& entry : fs::directory_iterator(work.path())) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(fs::exists(caseFolder / name) || fs::exists(expected / name))
            << "stray file " << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Golden, GoldenCase, testing::ValuesIn(caseNames()),
                         [](const testing::TestParamInfo<std::string>& param) {
                             std::string name = param.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

}  // namespace
