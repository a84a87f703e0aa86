// SPDX-License-Identifier: GPL-3.0-or-later
// A save confined beneath a folder held open: the output of a setup's run.
#pragma once

#include <string>

#include "core/output/output_file.h"
#include "core/system/file_place.h"
#include "core/system/held_folder.h"

namespace pw {

// A file saved beneath a held folder: `beneath` is its path below the folder, `planned`
// what the plan found there. The save is refused when the path leads out of the folder or
// finds another file than the plan did (one where there was none, or none where there was
// one); a dry run makes nothing and says whether the folder found takes a new file.
OpenedOutput openBeneath(const HeldFolder& folder, const std::string& beneath,
                         const FilePlace& planned, bool dryRun);

}  // namespace pw
