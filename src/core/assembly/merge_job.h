#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/assembly/layout.h"
#include "core/composer/merge_request.h"
#include "core/mapfile/line_reader.h"

namespace pw {

class LineWriter;

// The outcome of a check step: success, or failure with the messages to show in order.
struct StepResult {
    bool ok = true;
    std::vector<std::string> messages;

    void fail(std::string message) {
        ok = false;
        messages.push_back(std::move(message));
    }
};

// One chosen input map while a merge runs.
struct SourceMap {
    std::string name;  // the name every message gives for the source
    std::optional<LineReader> reader;
    char mark = ' ';
    char letter = '\0';  // the layer letter of the next block the source has not given up
};

// One merge of one layout: opens and checks the sources, then streams the output map.
// The sources are read in step, one row of each at a time, so memory does not grow with
// the map's height, its layers or its labels.
class MergeJob {
  public:
    MergeJob(const MergeRequest& request, LayoutShape shape);

    StepResult openSources();
    StepResult checkVersions();
    StepResult checkSizes();
    // Skips the value list line and the direction line of every source.
    void skipTwoLines();
    // Writes the whole output map: header, both grids, layer blocks, "x" and labels.
    void writeMap(LineWriter& out);
    // The name of a source whose reading failed for a reason other than its end.
    std::optional<std::string> failedSource() const;
    void closeSources();

  private:
    bool isTopLeft(int slot) const { return slot == 0; }
    void writeHeader(LineWriter& out);
    void copyGrid(LineWriter& out);
    void writeLayerBlocks(LineWriter& out);
    void writeLayerRow(LineWriter& out, char letter, int slotRow, int row);
    void writeLabels(LineWriter& out);
    void copyLabelsWhole(SourceMap& source, LineWriter& out);
    void copyLabelsParsed(SourceMap& source, int slot, LineWriter& out);
    SourceMap& sourceAt(int slotRow, int column);
    char markAt(int slotRow, int column) const;

    const MergeRequest& request_;
    LayoutShape shape_;
    std::int32_t base_ = 0;
    std::vector<SourceMap> sources_;

    // Gathered by the checks.
    std::int32_t version_ = 0;
    std::int32_t length_ = 0;  // of every source
    std::int32_t height_ = 0;  // of every source
    std::uint32_t tally_ = 0;  // 32-bit two's complement arithmetic, wrapping

    std::string row_;    // a junction row of layer "b", copied to be fixed
    std::string blank_;  // `length_` blanks
};

}  // namespace pw
