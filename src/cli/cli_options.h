// SPDX-License-Identifier: GPL-3.0-or-later
// The command line read into what it asks for, each command by its own reader.
#pragma once

#include <string>
#include <vector>

#include "cli/parsed_command.h"

namespace pw::cli {

// Reads the command line (without the program name).
ParsedCommand parseCommandLine(const std::vector<std::string>& arguments);

}  // namespace pw::cli
