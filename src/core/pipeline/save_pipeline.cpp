// SPDX-License-Identifier: GPL-3.0-or-later
// The save pipeline: checks, the merge, its companion pictures, commits together.
#include "core/pipeline/save_pipeline.h"

#include "core/assembly/layout_choices.h"
#include "core/assembly/merge_job.h"
#include "core/common/messages.h"
#include "core/common/path_bytes.h"
#include "core/mapfile/line_writer.h"
#include "core/output/memory_output.h"

namespace pw {
namespace {

bool report(const StepResult& result, PipelineHost& host) {
    for (const Problem& problem : result.problems) {
        host.showError(problem.message);
    }
    return result.ok();
}

}  // namespace

SaveOutcome runSave(const MergeRequest& request, PipelineHost& host, const OutputOpener& openOutput,
                    MapCompanion* companion) {
    const std::optional<LayoutShape> shape =
        shapeFor(request.layout, static_cast<int>(request.slots.size()));
    if (!shape) {
        // The dialogs and the command line never ask for this; a caller that does is told.
        host.showError(
            messages::countNotTaken(request.layout, static_cast<int>(request.slots.size())));
        return SaveOutcome::CheckFailed;
    }
    // The sources are closed when the job ends, on every path.
    MergeJob job(request, *shape);
    if (!report(job.openSources(), host) || !report(job.checkVersions(), host) ||
        !report(job.checkSizes(), host)) {
        return SaveOutcome::CheckFailed;
    }
    // Damage found before is refused now: nothing to ask for a save that would fail.
    if (!report(StepResult{host.knownDamage()}, host)) {
        return SaveOutcome::CheckFailed;
    }
    job.skipTwoLines();

    const std::optional<SaveTarget> target = host.askTarget(host.rememberedPath());
    if (!target) {
        return SaveOutcome::Cancelled;
    }
    const bool onDisk = !target->mapInMemory;
    if (onDisk) {
        host.storeRememberedPath(target->map);
    }

    // A name Qt cannot hold would be written under another name.
    const std::string shownPath = host.outputName(target->map);
    if (onDisk && !pathRoundTrips(target->map)) {
        host.showError(messages::nameNotUtf8(shownPath));
        return SaveOutcome::WriteFailed;
    }
    const OpenedOutput output =
        onDisk ? openOutput(target->map) : OpenedOutput{std::make_unique<MemoryOutput>(), {}};
    if (!output.file) {
        host.showError(messages::unableToCreate(shownPath, output.errorString));
        return SaveOutcome::WriteFailed;
    }
    if (companion != nullptr) {
        if (const std::optional<Problem> failed = companion->open(target->picture)) {
            host.showError(failed->message);
            return SaveOutcome::WriteFailed;
        }
    }
    // A damaged source stops the writing; the output is then dropped uncommitted.
    LineWriter writer(*output.file);
    WrittenMap written;
    if (const std::optional<Problem> damage =
            job.writeMap(writer, companion != nullptr ? &written.fixedCells : nullptr)) {
        host.showError(damage->message);
        return SaveOutcome::WriteFailed;
    }
    if (const std::optional<std::string> broken = job.failedSource()) {
        host.showError(messages::unableToRead(*broken));
        return SaveOutcome::WriteFailed;
    }
    const auto writeFailed = [&] {
        host.showError(messages::unableToWrite(shownPath, output.file->errorString()));
        return SaveOutcome::WriteFailed;
    };
    if (!writer.flush()) {
        return writeFailed();
    }
    if (companion != nullptr) {
        // Both complete and durable first; then only the two renamings are left.
        if (!output.file->sync()) {
            return writeFailed();
        }
        written.name = shownPath;
        written.path = output.file->writtenPath();
        written.bytes = output.file->writtenBytes();
        written.panelLength = job.length();
        written.panelHeight = job.height();
        if (const std::optional<Problem> failed = companion->write(written)) {
            host.showError(failed->message);
            return SaveOutcome::WriteFailed;
        }
    }
    // The picture first: its old file is kept aside and comes back if the map's commit
    // fails, so that either both files are new or both are as they were.
    if (companion != nullptr) {
        if (const std::optional<Problem> failed = companion->commit()) {
            host.showError(failed->message);
            return SaveOutcome::WriteFailed;
        }
    }
    const bool committed = output.file->commit();
    if (companion != nullptr) {
        companion->settle(committed);
    }
    if (!committed) {
        return writeFailed();
    }
    host.reportSuccess(messages::translated(messages::kMapCreated));
    return SaveOutcome::Saved;
}

}  // namespace pw
