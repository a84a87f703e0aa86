// SPDX-License-Identifier: GPL-3.0-or-later
// A source map read through as Save Map reads it, writing nothing.
#include "core/pipeline/source_check.h"

#include "core/assembly/merge_job.h"
#include "core/common/messages.h"
#include "core/mapfile/line_writer.h"
#include "core/output/output_file.h"

namespace pw {
std::optional<Problem> checkSourceWhole(const std::string& path, const std::string& name) {
    MergeRequest request;
    request.slots.push_back({name, path, ' '});
    // A join of the one source alone: the same job, the same reading, as Save Map's; it
    // meets no other source, so no mark is consulted.
    MergeJob job(request, LayoutShape{Layout::EndToEnd, 1, 1});
    using Step = StepResult (MergeJob::*)();
    for (const Step step :
         {&MergeJob::openSources, &MergeJob::checkVersions, &MergeJob::checkSizes}) {
        const StepResult result = (job.*step)();
        if (!result.ok()) {
            return result.problems.front();
        }
    }
    job.skipTwoLines();
    DiscardedOutput nowhere;
    LineWriter writer(nowhere);
    if (std::optional<Problem> damage = job.writeMap(writer)) {
        return damage;
    }
    if (const std::optional<std::string> broken = job.failedSource()) {
        return Problem{messages::unableToRead(*broken)};
    }
    return std::nullopt;
}

}  // namespace pw
