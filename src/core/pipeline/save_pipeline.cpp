#include "core/pipeline/save_pipeline.h"

#include "core/assembly/merge_job.h"
#include "core/common/file_path.h"
#include "core/common/messages.h"
#include "core/mapfile/line_writer.h"

namespace pw {
namespace {

bool report(const StepResult& result, PipelineHost& host) {
    for (const Problem& problem : result.problems) {
        host.showError(problem.message);
    }
    return result.ok();
}

}  // namespace

SaveOutcome runSave(const MergeRequest& request, PipelineHost& host,
                    const OutputOpener& openOutput) {
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
    job.skipTwoLines();

    const std::optional<std::string> path = host.askOutputPath(host.rememberedPath());
    if (!path) {
        return SaveOutcome::Cancelled;
    }
    host.storeRememberedPath(*path);

    // A name Qt cannot hold would be written under another name.
    const std::string shownPath = escapedName(*path);
    if (!pathRoundTrips(*path)) {
        host.showError(messages::nameNotUtf8(shownPath));
        return SaveOutcome::WriteFailed;
    }
    const OpenedOutput output = openOutput(*path);
    if (!output.file) {
        host.showError(messages::unableToCreate(shownPath, output.errorString));
        return SaveOutcome::WriteFailed;
    }
    // A damaged source stops the writing; the output is then dropped uncommitted.
    LineWriter writer(*output.file);
    if (const std::optional<Problem> damage = job.writeMap(writer)) {
        host.showError(damage->message);
        return SaveOutcome::WriteFailed;
    }
    if (const std::optional<std::string> broken = job.failedSource()) {
        host.showError(messages::unableToRead(*broken));
        return SaveOutcome::WriteFailed;
    }
    if (!writer.flush() || !output.file->commit()) {
        host.showError(messages::unableToWrite(shownPath, output.file->errorString()));
        return SaveOutcome::WriteFailed;
    }
    host.reportSuccess(std::string(messages::kMapCreated));
    return SaveOutcome::Saved;
}

}  // namespace pw
