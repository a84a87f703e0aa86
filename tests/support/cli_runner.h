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
// With `asUnprivileged`, a run by root drops to the user "nobody" first, so that file
// permissions bind it as they bind any user.
CliResult runCli(const std::vector<std::string>& arguments, const std::filesystem::path& folder,
                 bool asUnprivileged = false);

}  // namespace pw::test
