// SPDX-License-Identifier: GPL-3.0-or-later
// One merge of one layout: its sources opened and checked, then written as one map.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/assembly/layout.h"
#include "core/assembly/map_writer.h"
#include "core/assembly/merge_request.h"
#include "core/assembly/source_map.h"
#include "core/common/problem.h"

namespace pw {

class LineWriter;

// One merge of one layout: opens and checks the sources, then streams the output map.
class MergeJob {
  public:
    MergeJob(const MergeRequest& request, LayoutShape shape);

    // Leaves a slot out before the sources are opened: it is joined as an empty panel.
    void dropSource(int slot);

    StepResult openSources();
    StepResult checkVersions();
    // Checks every size against the first source still in the join (the top-left one
    // for Save Map).
    StepResult checkSizes();
    // Skips the value list line and the direction line of every source.
    void skipTwoLines();
    // Writes the whole output map (without its labels when `labels` is false); the problem
    // of the first damaged read, if any.
    std::optional<Problem> writeMap(LineWriter& out, std::vector<Cell>* fixedCells = nullptr,
                                    bool labels = true);
    // The name of a source whose reading failed for a reason other than its end.
    std::optional<std::string> failedSource() const;

    int length() const { return length_; }
    int height() const { return height_; }

  private:
    std::int32_t outputTally() const;

    const MergeRequest& request_;
    LayoutShape shape_;
    std::int32_t base_ = 0;
    std::vector<SourceMap> sources_;

    // Gathered by the checks.
    std::int32_t version_ = 0;
    std::int32_t length_ = 0;  // of every source
    std::int32_t height_ = 0;  // of every source
};

}  // namespace pw
