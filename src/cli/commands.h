#pragma once

#include "cli/cli_options.h"

namespace pw::cli {

// Runs a merge, list or render command; the exit status (0 done, 1 failed).
int runCommand(const ParsedCommand& command, int& argc, char** argv);

}  // namespace pw::cli
