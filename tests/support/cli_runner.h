#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace pw::test {

struct CliResult {
    int exitCode = -1;
    std::string standardOutput;
    std::string standardError;
};

// Runs the built panelwright-cli with `arguments` in `folder` and gathers what it printed.
CliResult runCli(const std::vector<std::string>& arguments, const std::filesystem::path& folder);

}  // namespace pw::test
