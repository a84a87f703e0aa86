// SPDX-License-Identifier: GPL-3.0-or-later
// The application the command line runs in, and each command run in it.
#pragma once

#include <QCoreApplication>
#include <memory>
#include <string>
#include <vector>

#include "cli/parsed_command.h"

namespace pw::cli {

// The one application of the program, made before the command line is read so that its
// messages and --help speak the language asked for: for the commands that may draw a
// picture (`arguments` without the program name tell which) a Gui one that shows no window.
std::unique_ptr<QCoreApplication> makeApplication(const std::vector<std::string>& arguments,
                                                  int& argc, char** argv);

// Runs a merge, run, check, list or render command in the application made for it; the
// exit status (0 done, 1 failed).
int runCommand(const ParsedCommand& command);

}  // namespace pw::cli
