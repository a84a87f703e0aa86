// SPDX-License-Identifier: GPL-3.0-or-later
// check run: the mismatch and summary lines of each composition.
#include "cli/check_command.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <iostream>

#include "cli/standard_output.h"
#include "cli/usage_texts.h"
#include "core/common/messages.h"
#include "core/common/path_bytes.h"
#include "core/common/source_texts.h"
#include "core/mapfile/map_listing.h"
#include "core/pipeline/joined_map.h"
#include "core/setup/setup_run.h"
#include "render/seam_check.h"

namespace pw::cli {
namespace {

// The summary's sentence for a setup that cannot be read or is refused: a field, English
// under every locale like the seam check's own sentence there.
constexpr char kSetupNotChecked[] = "nothing to compare: the setup cannot be used";

// The legend beside the first chosen panel, as merge --image draws with; a warning for
// one that is there but cannot be read.
std::optional<Legend> legendOf(const MergeRequest& request, std::string& shown) {
    const auto chosen = std::find_if(request.slots.begin(), request.slots.end(),
                                     [](const SourceSlot& slot) { return !slot.path.empty(); });
    if (chosen == request.slots.end()) {
        shown = Legend::kFileName;
        return std::nullopt;
    }
    shown = QDir(QFileInfo(QString::fromStdString(chosen->name)).path())
                .filePath(QString::fromLatin1(Legend::kFileName))
                .toStdString();
    LoadedLegend loaded =
        Legend::loadFromFolder(QFileInfo(QString::fromStdString(chosen->path)).path(), shown);
    if (loaded.note) {
        std::cerr << UsageTexts::warning(*loaded.note) << '\n';
    }
    return std::move(loaded.legend);
}

// Checks one composition; true when every panel is sound, the seams were compared and
// every one meets, and its lines were printed.
bool checkComposition(const MergeRequest& request) {
    const JoinedMap joined = joinInMemory(request, nullptr, JoinedLabels::LeftOut);
    for (const std::optional<Problem>& problem : joined.slotProblems) {
        if (problem) {
            std::cerr << problem->message << '\n';
        }
    }
    std::string shownLegend;
    const std::optional<Legend> legend = legendOf(request, shownLegend);
    const SeamFinding finding = [&] {
        const SourceTexts fieldsInEnglish;  // its sentence is the summary's last field
        return checkSeamsWith(joined, legend, shownLegend);
    }();
    const SeamReport& report = finding.report;
    std::string lines;
    for (const SeamMismatch& mismatch : report.mismatches) {  // none without a legend
        lines += seamMismatchLine(mismatch, request, joined.shape, *legend) + '\n';
    }
    lines += "summary\t" + std::to_string(report.seamsCompared) + '\t' +
             std::to_string(report.mismatches.size()) + '\t' +
             std::to_string(finding.slotsNotJoined) + '\t' + finding.sentence + '\n';
    return printStandardOutput(lines) && finding.compared && finding.slotsNotJoined == 0 &&
           report.mismatches.empty();
}

}  // namespace

int runCheck(const CheckCommand& command) {
    if (command.request) {
        return checkComposition(*command.request) ? 0 : 1;
    }
    int status = 0;
    for (const std::string& file : command.setups) {
        // Each setup alone and wherever it would write: a check writes nothing.
        const PlannedSetup planned = planRun({file}, mapSetRoots(), true).front();
        if (!printStandardOutput("setup\t" + escapedName(file) + '\n')) {
            return 1;
        }
        for (const Problem& problem : planned.problems) {
            std::cerr << problem.message << '\n';
        }
        if (!planned.problems.empty()) {
            // Its summary all the same, so that every setup's lines end alike.
            printStandardOutput(std::string("summary\t0\t0\t0\t") + kSetupNotChecked + '\n');
            status = 1;
        } else if (!checkComposition(planned.request)) {
            status = 1;
        }
    }
    return status;
}

}  // namespace pw::cli
