// Runs panelwright-cli on every case folder below tests/golden and compares what it did
// with the folder's expected/ files. A case folder holds its source maps, an `args` file
// (one argument per line, an empty line for an empty argument) and expected/ with `exit`,
// `stdout`, `stderr` (left out where the wording is not the case's point) and every file
// the run must leave with its bytes. Output files that must stay as they were are given
// among the sources too. A `modes` file ("0555 locked", one path a line) sets permissions
// after the copy; such a case is run as the user "nobody" when the tests run as root, from
// a copy of the program that every user may reach.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

#include "test_support.h"

namespace fs = std::filesystem;
using pw::test::readFile;

namespace {

std::vector<std::string> caseNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(PANELWRIGHT_GOLDEN_DIR)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string shellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

class GoldenCase : public testing::TestWithParam<std::string> {};

TEST_P(GoldenCase, MatchesExpectedFiles) {
    const fs::path caseFolder = fs::path(PANELWRIGHT_GOLDEN_DIR) / GetParam();
    const fs::path expected = caseFolder / "expected";
    pw::test::TempFolder work;
    for (const auto& entry : fs::directory_iterator(caseFolder)) {
        const fs::path name = entry.path().filename();
        if (name != "expected" && name != "args" && name != "modes") {
            fs::copy(entry.path(), work.path() / entry.path().filename(),
                     fs::copy_options::recursive);
        }
    }
    std::string program = shellQuoted(PANELWRIGHT_CLI_PATH);
    if (fs::exists(caseFolder / "modes")) {
        std::ifstream modes(caseFolder / "modes");
        for (std::string mode, path; modes >> mode >> path;) {
            fs::permissions(work.path() / path, fs::perms(std::stoi(mode, nullptr, 8)));
        }
        fs::permissions(work.path(), fs::perms(0755));
        if (::geteuid() == 0) {
            fs::copy_file(PANELWRIGHT_CLI_PATH, work.path() / ".program");
            program = "setpriv --reuid=65534 --regid=65534 --clear-groups ./.program";
            if (std::system(("cd " + shellQuoted(work.path().string()) + " && " + program +
                             " --help >/dev/null")
                                .c_str()) != 0) {
                GTEST_SKIP() << "the program cannot be run as \"nobody\" here: no setpriv, or "
                                "the temporary folder is out of that user's reach";
            }
        }
    }
    std::string command = "cd " + shellQuoted(work.path().string()) + " && " + program;
    std::ifstream args(caseFolder / "args", std::ios::binary);
    for (std::string argument; std::getline(args, argument);) {
        command += " " + shellQuoted(argument);
    }
    command += " >.stdout 2>.stderr";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(std::to_string(WEXITSTATUS(status)) + "\n", readFile(expected / "exit"));
    EXPECT_EQ(readFile(work.path() / ".stdout"), readFile(expected / "stdout"));
    if (fs::exists(expected / "stderr")) {
        EXPECT_EQ(readFile(work.path() / ".stderr"), readFile(expected / "stderr"));
    }
    for (const auto& entry : fs::recursive_directory_iterator(expected)) {
        const fs::path made = work.path() / fs::relative(entry.path(), expected);
        if (entry.path().extension() == ".map") {
            ASSERT_TRUE(fs::exists(made)) << made << " was not written";
            EXPECT_TRUE(readFile(made) == readFile(entry.path())) << made << " differs";
        }
    }
    // Nothing else is left behind: no output of a failed run, no temporary file.
    for (const auto& entry : fs::recursive_directory_iterator(work.path())) {
        const fs::path name = fs::relative(entry.path(), work.path());
        EXPECT_TRUE(name == ".stdout" || name == ".stderr" || name == ".program" ||
                    fs::exists(caseFolder / name) || fs::exists(expected / name))
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
