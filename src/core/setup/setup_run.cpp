// SPDX-License-Identifier: GPL-3.0-or-later
// A run of setups planned as a whole before anything is written.
#include "core/setup/setup_run.h"

#include <algorithm>
#include <map>

#include "core/common/messages.h"
#include "core/common/path_bytes.h"
#include "core/mapfile/names.h"
#include "core/output/confined_output.h"
#include "core/output/safe_output.h"
#include "core/setup/setup.h"
#include "core/setup/setup_file.h"
#include "core/setup/setup_places.h"

namespace pw {
namespace {

namespace text = messages::setup;

constexpr char kOutputRole[] = "output";
constexpr char kPictureRole[] = "picture";
// The pictures a setup may draw: as `merge --image` names them.
constexpr std::string_view kPictureSuffixes[] = {".png", ".pdf"};

// The folders a run confines its writes to, each held once however many setups it holds.
using HeldFolders = std::map<std::string, std::shared_ptr<const HeldFolder>>;

// A setup that names no output map writes NAME.map beside NAME.pwsetup.
std::string defaultOutput(const std::string& setupPath) {
    std::string name(fileNameOf(setupPath));
    if (name.ends_with(kSetupSuffix)) {
        name.resize(name.size() - std::char_traits<char>::length(kSetupSuffix));
    }
    return name + std::string(kMapSuffix);
}

SetupOutput outputNamed(const std::string& setupFile, const std::string& stored) {
    const std::string path = pathFrom(folderOf(setupFile), stored);
    return {escapedName(stored), path, placeOf(path), nullptr, {}};
}

void addProblem(PlannedSetup& setup, const std::string& what) {
    Problem problem{messages::setupProblem(setup.file, what)};
    if (std::none_of(setup.problems.begin(), setup.problems.end(),
                     [&](const Problem& had) { return had.message == problem.message; })) {
        setup.problems.push_back(std::move(problem));
    }
}

// What one planned setup reads and writes, with where each leads.
struct Files {
    FilePlace setup;
    std::vector<std::pair<std::string, FilePlace>> panels;           // name, place
    std::vector<std::pair<const char*, const SetupOutput*>> writes;  // role, file
};

Files filesOf(const PlannedSetup& planned) {
    Files files{placeOf(planned.file), {}, {}};
    for (const SourceSlot& slot : planned.request.slots) {
        if (!slot.path.empty()) {
            files.panels.emplace_back(slot.name, placeOf(slot.path));
        }
    }
    if (planned.problems.empty()) {
        files.writes.emplace_back(kOutputRole, &planned.output);
        if (planned.picture) {
            files.writes.emplace_back(kPictureRole, &*planned.picture);
        }
    }
    return files;
}

bool isPictureName(const std::string& name) {
    return std::any_of(
        std::begin(kPictureSuffixes), std::end(kPictureSuffixes),
        [&](std::string_view suffix) { return hasSuffixIgnoringCase(fileNameOf(name), suffix); });
}

// One setup read and its names worked out; its own refusals noted. A setup confined to
// its folder holds it open before its names are looked at, and writes beneath it.
PlannedSetup planSetup(const std::string& file, const std::vector<std::string>& roots,
                       bool allowOutside, HeldFolders& held) {
    PlannedSetup planned{file, {}, {}, std::nullopt, {}, {}};
    ReadSetup read = readSetupFile(file);
    if (!read.setup) {
        planned.problems.push_back(std::move(*read.problem));
        return planned;
    }
    const Setup& setup = *read.setup;
    if (!setup.output.empty() && !hasSuffixIgnoringCase(fileNameOf(setup.output), kMapSuffix)) {
        addProblem(planned, text::outputNotMap(escapedName(setup.output)));
    }
    if (!setup.picture.empty() && !isPictureName(setup.picture)) {
        addProblem(planned, text::pictureNotPngOrPdf(escapedName(setup.picture)));
    }
    const FilePlace folder = placeOf(folderOf(file));
    std::shared_ptr<const HeldFolder>& folderHeld = held[folder.path];
    if (!allowOutside && planned.problems.empty() && !folderHeld) {
        OpenedFolder opened = holdFolder(folder);
        folderHeld = std::move(opened.folder);
        if (!folderHeld) {
            addProblem(planned, text::folderNotHeld(opened.reason));
        }
    }
    planned.request = SetupPlaces(file, roots).request(setup);
    planned.output = outputNamed(file, setup.output.empty() ? defaultOutput(file) : setup.output);
    if (!setup.picture.empty()) {
        planned.picture = outputNamed(file, setup.picture);
        planned.pictureOptions = setup.pictureOptions;
    }
    const FilePlace self = placeOf(file);
    std::vector<std::pair<const char*, SetupOutput*>> writes{{kOutputRole, &planned.output}};
    if (planned.picture) {
        writes.emplace_back(kPictureRole, &*planned.picture);
    }
    if (!planned.problems.empty()) {
        return planned;  // a setup refused already writes nothing that needs checking
    }
    for (const auto& [role, written] : writes) {
        if (isSameFile(written->place, self)) {
            addProblem(planned, text::outputIsSetup());
        } else if (!allowOutside && !liesWithin(written->place, folder.path)) {
            addProblem(planned, text::outsideFolder(role, written->name));
        } else if (!allowOutside) {
            written->folder = folderHeld;
            written->beneath =
                written->place.path.substr(folder.path == "/" ? 1 : folder.path.size() + 1);
        }
    }
    return planned;
}

}  // namespace

std::vector<PlannedSetup> planRun(const std::vector<std::string>& setupFiles,
                                  const std::vector<std::string>& roots, bool allowOutside) {
    std::vector<PlannedSetup> plans;
    HeldFolders held;
    if (!allowOutside) {
        allowManyHeldFolders();
    }
    for (const std::string& file : setupFiles) {
        plans.push_back(planSetup(file, roots, allowOutside, held));
    }
    // The run as a whole: what one setup writes no other setup writes or reads.
    std::vector<Files> files;
    for (const PlannedSetup& planned : plans) {
        files.push_back(filesOf(planned));
    }
    for (std::size_t i = 0; i < plans.size(); ++i) {
        for (std::size_t j = 0; j < plans.size(); ++j) {
            if (i == j) {
                continue;
            }
            for (const auto& [role, written] : files[i].writes) {
                for (const auto& [otherRole, otherWritten] : files[j].writes) {
                    if (isSameFile(written->place, otherWritten->place)) {
                        addProblem(plans[i],
                                   text::alsoWrittenBy(role, written->name, plans[j].file));
                    }
                }
                if (isSameFile(written->place, files[j].setup)) {
                    addProblem(plans[i], text::readBy(role, written->name, plans[j].file));
                    addProblem(plans[j],
                               text::writtenBy(escapedName(plans[j].file), plans[i].file));
                }
                for (const auto& [panel, place] : files[j].panels) {
                    if (isSameFile(written->place, place)) {
                        addProblem(plans[i], text::readBy(role, written->name, plans[j].file));
                        addProblem(plans[j], text::writtenBy(panel, plans[i].file));
                    }
                }
            }
        }
    }
    return plans;
}

OutputOpener openerOf(const SetupOutput& output, bool dryRun) {
    if (!output.folder) {
        return dryRun ? openDryRunOutput : openSafeOutput;
    }
    return [folder = output.folder, beneath = output.beneath, place = output.place,
            dryRun](const std::string& path) -> OpenedOutput {
        // What a save by path would refuse first, in its words; then where it leads now.
        if (std::optional<std::string> refused = refusedTarget(path)) {
            return {nullptr, *refused};
        }
        return openBeneath(*folder, beneath, place, dryRun);
    };
}

}  // namespace pw
