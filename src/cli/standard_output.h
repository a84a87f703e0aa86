// SPDX-License-Identifier: GPL-3.0-or-later
// Standard output written whole, or a note on standard error when it cannot be.
#pragma once

#include <string_view>

namespace pw::cli {

// Writes all of `text` to standard output. When it cannot (a closed pipe, a full device)
// it says why on standard error and returns false, so that no command ends "done" with
// its output lost.
bool printStandardOutput(std::string_view text);

}  // namespace pw::cli
