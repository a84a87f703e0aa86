// SPDX-License-Identifier: GPL-3.0-or-later
// render's options and argument, read from the command line.
#pragma once

#include <string>
#include <vector>

#include "cli/parsed_command.h"

namespace pw::cli {

// Reads the arguments of the command (the command's name first).
ParsedCommand parseRender(const std::vector<std::string>& arguments);

}  // namespace pw::cli
