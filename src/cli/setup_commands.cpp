// SPDX-License-Identifier: GPL-3.0-or-later
// merge --save-setup and run: setups written, and each setup of a run merged in turn.
#include "cli/setup_commands.h"

#include <iostream>

#include "cli/merge_and_draw.h"
#include "cli/standard_output.h"
#include "cli/usage_texts.h"
#include "core/common/path_bytes.h"
#include "core/common/messages.h"
#include "core/mapfile/map_listing.h"
#include "core/setup/setup_file.h"
#include "core/setup/setup_places.h"
#include "core/setup/setup_run.h"
#include "jobs/setup_picture.h"

namespace pw::cli {
namespace {

// Runs one setup whose names are worked out; its problems go to stderr.
bool runSetup(const PlannedSetup& planned, bool dryRun) {
    for (const Problem& problem : planned.problems) {
        std::cerr << problem.message << '\n';
    }
    if (!planned.problems.empty()) {
        return false;
    }
    MergeCommand command;
    command.request = planned.request;
    command.outputPath = planned.output.path;
    command.outputName = planned.output.name;
    if (planned.picture) {
        command.imagePath = planned.picture->path;
        command.imageName = planned.picture->name;
        const SetupPicture picture =
            pictureChoiceOfSetup(planned.pictureOptions, planned.picture->path);
        if (const std::optional<Problem>& refused = picture.problem) {
            std::cerr << messages::setupProblem(planned.file,
                                                UsageTexts::badPictureOption(refused->message))
                      << '\n';
            return false;
        }
        command.picture = picture.choice;
    }
    // Confined to the setup's folder where the plan held it.
    MergeMode mode{false, dryRun, openerOf(planned.output, dryRun), {}};
    if (planned.picture) {
        mode.openPicture = openerOf(*planned.picture, dryRun);
    }
    return joinAndDraw(command, mode);
}

// A dry run's line names where the setup would write: each file where the system will put it.
std::string runCheckedLine(const PlannedSetup& planned) {
    std::optional<std::string> picture;
    if (planned.picture) {
        picture = shownPlace(planned.picture->place);
    }
    return UsageTexts::runChecked(planned.file, shownPlace(planned.output.place), picture);
}

}  // namespace

std::optional<Problem> saveSetupOf(const MergeCommand& command) {
    const std::string image = command.imagePath.value_or("");
    std::optional<std::string> unnamed =
        SetupPlaces::unnameable(command.request, command.outputPath, image);
    if (!pathRoundTrips(*command.setupPath)) {
        unnamed = escapedName(*command.setupPath);
    }
    if (unnamed) {
        return Problem{messages::nameNotUtf8(*unnamed)};
    }
    const SetupPlaces places(*command.setupPath, mapSetRoots());
    Setup setup = places.setupOf(command.request, command.outputPath, image);
    if (command.imagePath) {
        setup.pictureOptions = setupPictureOptionsOf(command.picture);
    }
    return writeSetupFile(*command.setupPath, setup);
}

int runSetups(const RunCommand& command) {
    int status = 0;
    for (const PlannedSetup& planned :
         planRun(command.setups, mapSetRoots(), command.allowOutside)) {
        const bool ok = runSetup(planned, command.dryRun);
        const std::string line = !ok              ? UsageTexts::runFailed(planned.file)
                                 : command.dryRun ? runCheckedLine(planned)
                                                  : UsageTexts::runSucceeded(planned.file);
        const bool printed = printStandardOutput(line + '\n');
        status = ok && printed ? status : 1;
    }
    return status;
}

}  // namespace pw::cli
