// SPDX-License-Identifier: GPL-3.0-or-later
// The writer that streams the joined map from its sources, section by section.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/assembly/layout.h"
#include "core/assembly/source_map.h"
#include "core/common/problem.h"
#include "core/mapfile/map_sections.h"

namespace pw {

class LineWriter;

// The values of the output's first four lines.
struct OutputHeader {
    std::int32_t version;
    std::int32_t tally;
    int direction;  // top-edge direction index 0 to 7
};

// A cell of the output map: column and row.
using Cell = std::pair<int, int>;

// Streams the output map from its sources, which have been checked and stand just before
// their first grid. The sources are read in step, one row of each at a time, so memory
// does not grow with the map's height, its layers, its labels or the length of any line.
class MapWriter {
  public:
    MapWriter(const LayoutShape& shape, std::vector<SourceMap>& sources, int length, int height,
              LineWriter& out);

    // Notes every cell the junction fix-up changes.
    void recordFixedCells(std::vector<Cell>* cells) { fixedCells_ = cells; }
    // Ends the map at its "x" line: for a join that looks at cells alone, whose memory
    // then stays bounded by the sizes, however long the sources' label sections are.
    void leaveOutLabels() { labels_ = false; }

    // Writes the whole map. The first damaged read ends it: a source that ends before
    // its last row or layer letter line, whose layer letters are out of order, or whose
    // row holds more than blanks past the length.
    std::optional<Problem> write(const OutputHeader& header);

  private:
    void writeHeader(const OutputHeader& header);
    std::optional<Problem> copyGrid();
    std::optional<Problem> writeLayerBlocks();
    void writeLabels();
    std::optional<Problem> copyRow(int slot, char letter, int row);
    std::optional<Problem> readLetter(int slot);
    std::optional<Problem> damaged(int slot) const;
    void writeJunctionRow(MapSections& map, int slot, int row, std::size_t& size);
    void copyLabelsWhole(MapSections& map);
    void copyLabelsParsed(MapSections& map, int slot);
    char markAt(int slotRow, int column) const;

    const LayoutShape& shape_;
    std::vector<SourceMap>& sources_;
    std::vector<std::optional<MapSections>> maps_;  // each source's walk; none for an empty panel
    const int length_;
    const int height_;
    LineWriter& out_;
    std::vector<Cell>* fixedCells_ = nullptr;
    bool labels_ = true;
    std::string blank_;  // `length_` blanks
    std::string head_;   // the start of a junction row of layer "b", to be fixed
};

}  // namespace pw
