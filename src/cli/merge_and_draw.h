// SPDX-License-Identifier: GPL-3.0-or-later
// A merge with its picture, as merge runs it and as run runs each setup.
#pragma once

#include "cli/parsed_command.h"
#include "core/output/output_file.h"

namespace pw::cli {

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
