// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line options the program answers without a window.
#pragma once

#include <optional>

namespace pw::gui {

// Answers "panelwright --help" and "panelwright --version" (also -h, --help-all, -v) on
// standard output before any window exists, so that they work without a display and the
// manual page can be made from them. Returns the exit status when it answered; nullopt
// for every other command line, which the program takes as it always has.
std::optional<int> answerCommandLine(int argc, char** argv);

}  // namespace pw::gui
