// SPDX-License-Identifier: GPL-3.0-or-later
// The seam check: features a legend marks that do not meet across a joined map's seams.
#pragma once

#include <QPoint>
#include <optional>
#include <string>
#include <vector>

#include "core/pipeline/joined_map.h"
#include "render/legend.h"

namespace pw {

// Where the panel facing a mismatched cell lies.
enum class FacingSide { Below, Above, Right, Left };

// One edge cell of a feature that continues across panel edges and finds no cell of the
// same feature across the seam, at the same place or one cell to either side.
struct SeamMismatch {
    int slot = 0;        // the panel of the cell
    int facingSlot = 0;  // the panel across the seam
    FacingSide facing = FacingSide::Below;
    int place = 0;  // from 1 within the panels: a column across a seam between rows, else a row
    char cell = ' ';
    char facingCell = ' ';  // the cell directly across
};

struct SeamReport {
    int seamsCompared = 0;  // seams whose two panels are both sound
    std::vector<SeamMismatch> mismatches;
};

// Compares the first grid of the joined map at every seam between two panels that were
// joined without a problem, cell by cell, for the characters the legend marks.
SeamReport checkSeams(const JoinedMap& joined, const Legend& legend);

// A seam check and what it found, in its own words: why there was nothing to compare, or
// the seams compared, the cells that do not meet and the slots that cannot be joined.
struct SeamFinding {
    bool compared = false;  // a legend marked a feature, so the seams were compared
    SeamReport report;
    int slotsNotJoined = 0;
    std::string sentence;
};

// Checks `joined` with the map set's legend where there is one that marks a feature;
// `legendName` names the legend in the sentence.
SeamFinding checkSeamsWith(const JoinedMap& joined, const std::optional<Legend>& legend,
                           const std::string& legendName);

// A mismatched cell as `check` prints it and the preview lists it: tab-separated fields
// (slots, escaped names, side and cells with their legend meanings), without the line end.
// Its words are keywords, never translated.
std::string seamMismatchLine(const SeamMismatch& mismatch, const MergeRequest& request,
                             const LayoutShape& shape, const Legend& legend);

// Where a mismatched cell lies in the joined map (x = column, y = row), as pictures mark it.
QPoint seamMarkCell(const SeamMismatch& mismatch, const JoinedMap& joined);
// The cells a picture marks for `report`, one per mismatched cell.
std::vector<QPoint> seamMarkCells(const SeamReport& report, const JoinedMap& joined);
// The cells a picture of `request` marks: the request joined in memory and checked with
// `legend`; none without a legend or one that marks no feature.
std::vector<QPoint> seamMarksOf(const MergeRequest& request, const std::optional<Legend>& legend);

}  // namespace pw
