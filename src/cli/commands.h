// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <memory>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "core/mapfile/output_file.h"

namespace pw::cli {

// The one application of the program, made before the command line is read so that its
// messages and --help speak the language asked for: for the commands that may draw a
// picture (`arguments` without the program name tell which) a Gui one that shows no window.
std::unique_ptr<QCoreApplication> makeApplication(const std::vector<std::string>& arguments,
                                                  int& argc, char** argv);

// Runs a merge, run, check, list or render command in the application made for it; the
// exit status (0 done, 1 failed).
int runCommand(const ParsedCommand& command);

// How a merge runs: as `merge` itself, or as one setup of `run`, which reports each setup
// in a line of its own, may only check, and opens its files where its plan confined them.
struct MergeMode {
    bool announce = true;  // prints "New map file created successfully"
    bool dryRun = false;   // every check, nothing written
    // How the map and the picture are opened; unset: by their paths.
    OutputOpener openMap = {};
    OutputOpener openPicture = {};
};

// Joins the sources into the output and draws the picture, if one is asked for; true
// when all of it succeeded. Every problem goes to stderr.
bool joinAndDraw(const MergeCommand& command, MergeMode mode);

}  // namespace pw::cli
