// SPDX-License-Identifier: GPL-3.0-or-later
// A run of setups planned as a whole before anything is written.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/assembly/merge_request.h"
#include "core/common/problem.h"
#include "core/output/output_file.h"
#include "core/setup/setup.h"
#include "core/system/file_place.h"
#include "core/system/held_folder.h"

namespace pw {

// A file a setup writes: the name the setup gives it (escaped, as messages show it), the
// path to open from the current folder, and where it leads. Confined to the setup's
// folder, it also holds that folder open and its path below it, from the plan until the
// write is committed.
struct SetupOutput {
    std::string name;
    std::string path;
    FilePlace place;
    std::shared_ptr<const HeldFolder> folder;  // null: written by its path
    std::string beneath;
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

// What a run of `setupFiles` does, setup by setup. A setup writes a map (".map") and a
// picture (".png", ".pdf") and nothing else; only inside its own folder (with every link
// followed, that folder held open) unless `allowOutside`, never the setup file itself,
// and never a file that another setup of the run writes or reads (its panels, the setup
// itself): such a conflict refuses both setups. Its panels are read from anywhere.
// `roots` are where the map-set folders are looked for.
std::vector<PlannedSetup> planRun(const std::vector<std::string>& setupFiles,
                                  const std::vector<std::string>& roots, bool allowOutside);

// Opens a planned file for its save, or for a dry run's checks: beneath its held folder
// when the plan confined it (refused when it no longer leads where the plan saw it), else
// by its path.
OutputOpener openerOf(const SetupOutput& output, bool dryRun);

}  // namespace pw
