// SPDX-License-Identifier: GPL-3.0-or-later
// A request joined in memory for the preview, empty panels standing for failed slots.
#include "core/pipeline/joined_map.h"

#include "core/assembly/merge_job.h"
#include "core/mapfile/line_writer.h"
#include "core/output/memory_output.h"

namespace pw {
namespace {

// Notes each problem against its slot; true when there was any.
bool note(const StepResult& result, JoinedMap& joined) {
    for (const Problem& problem : result.problems) {
        joined.slotProblems[static_cast<std::size_t>(problem.slot)] = problem;
    }
    return !result.ok();
}

}  // namespace

// Joins in rounds: each round opens the sources afresh with every slot that failed so far
// left out, and a round that finds a new failure starts the next. A size check against a
// failing first source would blame every other slot, so then only that source is left out.
JoinedMap joinInMemory(const MergeRequest& request, const std::atomic<bool>* cancel,
                       JoinedLabels labels) {
    JoinedMap joined;
    joined.slotProblems.resize(request.slots.size());
    const std::optional<LayoutShape> shape =
        shapeFor(request.layout, static_cast<int>(request.slots.size()));
    if (!shape) {
        return joined;
    }
    joined.shape = *shape;
    // Every round that does not return blames one more slot, so the rounds end.
    for (;;) {
        MergeJob job(request, *shape);
        int firstPresent = -1;
        for (int slot = shape->slotCount() - 1; slot >= 0; --slot) {
            if (joined.slotProblems[static_cast<std::size_t>(slot)]) {
                job.dropSource(slot);
            } else {
                firstPresent = slot;
            }
        }
        if (firstPresent < 0) {
            return joined;
        }
        if (note(job.openSources(), joined) || note(job.checkVersions(), joined)) {
            continue;
        }
        const StepResult sizes = job.checkSizes();
        if (!sizes.ok()) {
            const Problem& first = sizes.problems.front();
            if (first.slot == firstPresent) {
                joined.slotProblems[static_cast<std::size_t>(first.slot)] = first;
            } else {
                note(sizes, joined);
            }
            continue;
        }
        job.skipTwoLines();
        joined.fixedCells.clear();
        MemoryOutput output(cancel);
        LineWriter writer(output);
        if (const std::optional<Problem> damage =
                job.writeMap(writer, &joined.fixedCells, labels == JoinedLabels::Kept)) {
            joined.slotProblems[static_cast<std::size_t>(damage->slot)] = damage;
            continue;
        }
        if (!writer.flush()) {
            joined.cancelled = true;
            return joined;
        }
        joined.bytes = output.takeBytes();
        joined.panelLength = job.length();
        joined.panelHeight = job.height();
        return joined;
    }
}

}  // namespace pw
