// SPDX-License-Identifier: GPL-3.0-or-later
// check run: where the panels of each composition do not meet.
#pragma once

#include "cli/parsed_command.h"

namespace pw::cli {

// check: prints where the panels of each composition do not meet; the exit status.
int runCheck(const CheckCommand& command);

}  // namespace pw::cli
