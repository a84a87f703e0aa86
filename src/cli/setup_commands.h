// SPDX-License-Identifier: GPL-3.0-or-later
// The commands that write setups or run them.
#pragma once

#include <optional>

#include "cli/parsed_command.h"
#include "core/common/problem.h"

namespace pw::cli {

// merge --save-setup: writes the setup of the command line; the problem when it could not.
std::optional<Problem> saveSetupOf(const MergeCommand& command);

// run: each setup in turn, one line per setup on stdout; the exit status (0 all
// succeeded, 1 any failed).
int runSetups(const RunCommand& command);

}  // namespace pw::cli
