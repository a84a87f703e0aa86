#include "core/composer/save_pipeline.h"

#include <stdexcept>

#include "core/assembly/merge_job.h"
#include "core/mapfile/line_writer.h"

namespace pw {
namespace {

bool report(const StepResult& result, PipelineHost& host) {
    for (const std::string& message : result.messages) {
        host.showError(message);
    }
    return result.ok;
}

}  // namespace

SaveOutcome runSave(const MergeRequest& request, PipelineHost& host,
                    const OutputOpener& openOutput) {
    const std::optional<LayoutShape> shape =
        shapeFor(request.layout, static_cast<int>(request.slots.size()));
    if (!shape) {
        throw std::invalid_argument("runSave: the layout does not take this many sources");
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

    const std::unique_ptr<OutputFile> output = openOutput(*path);
    if (!output) {
        host.showError("ERROR: unable to create file " + *path);
        return SaveOutcome::WriteFailed;
    }
    LineWriter writer(*output);
    job.writeMap(writer);
    if (const std::optional<std::string> broken = job.failedSource()) {
        host.showError("ERROR: unable to read file " + *broken);
        return SaveOutcome::WriteFailed;
    }
    if (!writer.flush() || !output->commit()) {
        host.showError("ERROR: unable to write file " + *path);
        return SaveOutcome::WriteFailed;
    }
    host.reportSuccess("New map file created successfully");
    job.closeSources();
    return SaveOutcome::Saved;
}

}  // namespace pw
