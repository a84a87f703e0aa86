#pragma once

#include "core/assembly/merge_request.h"
#include "core/pipeline/pipeline_host.h"
#include "core/pipeline/safe_output.h"

namespace pw {

enum class SaveOutcome {
    Saved,        // the output map is complete on disk and success was reported
    CheckFailed,  // a source failed a check; nothing was asked or written
    Cancelled,    // the output prompt was cancelled; nothing was written
    WriteFailed,  // a source turned out damaged or the output could not be written; any
                  // earlier file there is unchanged
};

// Save Map: open and check the sources, ask for the output path, write the merged map
// and report success. Every failure is shown through the host, one message each.
// A slot count that the layout does not take fails like a check. `openOutput` is where the
// map goes: a safe save to the chosen file unless a test puts something else there.
SaveOutcome runSave(const MergeRequest& request, PipelineHost& host,
                    const OutputOpener& openOutput = openSafeOutput);

}  // namespace pw
