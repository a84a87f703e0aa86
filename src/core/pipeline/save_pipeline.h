// SPDX-License-Identifier: GPL-3.0-or-later
// The save pipeline: checks, the merge, its companion pictures, commits together.
#pragma once

#include <QByteArray>
#include <optional>
#include <string>
#include <vector>

#include "core/assembly/map_writer.h"
#include "core/assembly/merge_request.h"
#include "core/output/safe_output.h"
#include "core/pipeline/pipeline_host.h"

namespace pw {

// What a file made from the merged map (a picture of it) gets from the save.
struct WrittenMap {
    std::string name;                   // the map's path as given, for messages
    std::string path;                   // where the map just written, not yet committed, reads back
    const QByteArray* bytes = nullptr;  // the map itself, when it is written to memory
    int panelLength = 0;                // one panel's size in cells: where the seams lie
    int panelHeight = 0;
    std::vector<Cell> fixedCells;  // the cells of layer "b" that the junction fix-up changed
};

// A file made from the merged map and committed together with it: the map is committed
// only once the companion is complete and durable, and neither is when either fails.
// Each step returns the problem of its failure.
class MapCompanion {
  public:
    virtual ~MapCompanion() = default;
    // Makes the companion's output at `path` (the save target's picture), before the map
    // is written.
    virtual std::optional<Problem> open(const std::string& path) = 0;
    // Writes it, from the map just written, and makes it durable.
    virtual std::optional<Problem> write(const WrittenMap& map) = 0;
    // Takes its target's place; the file it replaced is kept aside until `settle`.
    virtual std::optional<Problem> commit() = 0;
    // After the map's commit: drops what was kept aside, or, when the map could not be
    // committed, puts it back.
    virtual void settle(bool mapCommitted) = 0;
};

enum class SaveOutcome {
    Saved,        // the output map is complete on disk and success was reported
    CheckFailed,  // a source failed a check; nothing was asked or written
    Cancelled,    // the host's question was cancelled; nothing was written
    WriteFailed,  // a source turned out damaged or the output could not be written; any
                  // earlier file there is unchanged
};

// Save Map and Save Image: open and check the sources, ask the host what to write, write
// the merged map and report success. Every failure is shown through the host, one message
// each. A `companion` is written from the map at the target's picture before either is
// committed. A slot count that the layout does not take fails like a check, and so does
// the damage the host already knows of (PipelineHost::knownDamage()). `openOutput`
// is where the map goes: a safe save to the chosen file unless a test puts something else
// there; a target that wants the picture alone has the map written to memory instead.
SaveOutcome runSave(const MergeRequest& request, PipelineHost& host,
                    const OutputOpener& openOutput = openSafeOutput,
                    MapCompanion* companion = nullptr);

}  // namespace pw
