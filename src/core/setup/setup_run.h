// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/assembly/merge_request.h"
#include "core/common/file_place.h"
#include "core/common/problem.h"
#include "core/setup/setup.h"

namespace pw {

// A file a setup writes: the name the setup gives it (escaped, as messages show it), the
// path to open from the current folder, and where it leads.
struct SetupOutput {
    std::string name;
    std::string path;
    FilePlace place;
};

// One setup of a run with every name it holds worked out, before anything of the run is
// written: what it reads, what it writes, and why it may not run.
struct PlannedSetup {
    std::string file;  // the setup's path as given
    MergeRequest request;
    SetupOutput output;                  // the map: `output`, or NAME.map beside NAME.pwsetup
    std::optional<SetupOutput> picture;  // the picture, when the setup names one
    SetupPictureOptions pictureOptions;
    std::vector<Problem> problems;  // empty: it may run
};

// What a run of `setupFiles` does, setup by setup. A setup writes only inside its own
// folder (with every link followed) unless `allowOutside`, never the setup file itself,
// and never a file that another setup of the run writes or reads (its panels, the setup
// itself): such a conflict refuses both setups. Its panels are read from anywhere.
// `roots` are where the map-set folders are looked for.
std::vector<PlannedSetup> planRun(const std::vector<std::string>& setupFiles,
                                  const std::vector<std::string>& roots, bool allowOutside);

}  // namespace pw
