// SPDX-License-Identifier: GPL-3.0-or-later
// merge's options and arguments, read from the command line.
#pragma once

#include <string>
#include <vector>

#include "cli/parsed_command.h"

namespace pw::cli {

// Reads the arguments of the command (the command's name first).
ParsedCommand parseMerge(const std::vector<std::string>& arguments);

}  // namespace pw::cli
