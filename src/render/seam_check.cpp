// SPDX-License-Identifier: GPL-3.0-or-later
// Every seam of a joined map compared cell by cell with the legend's marked features.
#include "render/seam_check.h"

#include <QPoint>
#include <algorithm>
#include <string>

#include "core/common/path_bytes.h"
#include "render/cell_row_stream.h"
#include "render/map_outline.h"
#include "render/picture_messages.h"

namespace pw {
namespace {

// The first grid's rows of a joined map, read by the pictures' cell stream.
class JoinedGrid {
  public:
    explicit JoinedGrid(const JoinedMap& joined) {
        const MapSource source = MapSource::bytes(joined.bytes, {});
        RenderOptions options;
        options.labels = false;
        const OpenedMap map = openMap(source, options);
        if (map.outline.problem) {
            return;
        }
        CellRowStream stream(map);
        rows_.resize(static_cast<std::size_t>(map.outline.height));
        std::string overlay;
        for (std::string& row : rows_) {
            stream.next(row, overlay);
        }
    }

    // A cell past a short row, or past the grid, is blank.
    char at(int x, int y) const {
        if (y < 0 || y >= static_cast<int>(rows_.size())) {
            return ' ';
        }
        const std::string& row = rows_[static_cast<std::size_t>(y)];
        return x >= 0 && x < static_cast<int>(row.size()) ? row[static_cast<std::size_t>(x)] : ' ';
    }

  private:
    std::vector<std::string> rows_;
};

// One seam: panel `first` with its edge cells at `edge`, `step` to the cell across, and
// `along` from one place on the seam to the next.
struct Seam {
    int first;
    int second;
    FacingSide facing;
    QPoint edge;  // the first panel's edge cell at place 1
    QPoint step;
    QPoint along;
};

class SeamComparer {
  public:
    SeamComparer(const JoinedGrid& grid, const Legend& legend, int places, SeamReport& report)
        : grid_(grid), legend_(legend), places_(places), report_(report) {}

    void compare(const Seam& seam) {
        ++report_.seamsCompared;
        const Seam back{seam.second,           seam.first, opposite(seam.facing),
                        seam.edge + seam.step, -seam.step, seam.along};
        for (int place = 0; place < places_; ++place) {
            compareCell(seam, place);
            compareCell(back, place);
        }
    }

  private:
    static FacingSide opposite(FacingSide side) {
        switch (side) {
            case FacingSide::Below:
                return FacingSide::Above;
            case FacingSide::Above:
                return FacingSide::Below;
            case FacingSide::Right:
                return FacingSide::Left;
            case FacingSide::Left:
                return FacingSide::Right;
        }
        return side;
    }

    char at(QPoint point) const { return grid_.at(point.x(), point.y()); }

    void compareCell(const Seam& seam, int place) {
        const QPoint cell = seam.edge + seam.along * place;
        const char feature = at(cell);
        const LegendEntry* entry = legend_.entryOf(feature);
        if (entry == nullptr || !entry->continues) {
            return;
        }
        // Hex rows are offset, so the cell to either side across the seam meets it too;
        // only cells of the same panel pair count.
        for (int shift = -1; shift <= 1; ++shift) {
            if (place + shift >= 0 && place + shift < places_ &&
                at(cell + seam.step + seam.along * shift) == feature) {
                return;
            }
        }
        report_.mismatches.push_back(
            {seam.first, seam.second, seam.facing, place + 1, feature, at(cell + seam.step)});
    }

    const JoinedGrid& grid_;
    const Legend& legend_;
    int places_;
    SeamReport& report_;
};

const char* sideName(FacingSide side) {
    switch (side) {
        case FacingSide::Below:
            return "below";
        case FacingSide::Above:
            return "above";
        case FacingSide::Right:
            return "right";
        case FacingSide::Left:
            return "left";
    }
    return "";
}

// A cell as a line shows it: its character and its meaning, if any, both escaped.
std::string cellText(char cell, const Legend& legend) {
    const LegendEntry* entry = legend.entryOf(cell);
    const std::string character = escapedName(std::string(1, cell));
    return entry && !entry->meaning.empty() ? character + ' ' + escapedName(entry->meaning)
                                            : character;
}

}  // namespace

SeamReport checkSeams(const JoinedMap& joined, const Legend& legend) {
    SeamReport report;
    if (joined.bytes.isEmpty()) {
        return report;
    }
    const JoinedGrid grid(joined);
    const int length = joined.panelLength;
    const int height = joined.panelHeight;
    const LayoutShape& shape = joined.shape;
    const auto sound = [&joined](int slot) {
        return !joined.slotProblems[static_cast<std::size_t>(slot)];
    };
    SeamComparer beside(grid, legend, height, report);
    SeamComparer stacked(grid, legend, length, report);
    // Seams in slot order: each panel with the one to its right, then the one below it.
    for (int slot = 0; slot < shape.slotCount(); ++slot) {
        const QPoint origin(shape.columnOf(slot) * length, shape.rowOf(slot) * height);
        const int right = slot + 1;
        if (shape.columnOf(slot) + 1 < shape.columns && sound(slot) && sound(right)) {
            beside.compare({slot, right, FacingSide::Right, origin + QPoint(length - 1, 0),
                            QPoint(1, 0), QPoint(0, 1)});
        }
        const int below = slot + shape.columns;
        if (below < shape.slotCount() && sound(slot) && sound(below)) {
            stacked.compare({slot, below, FacingSide::Below, origin + QPoint(0, height - 1),
                             QPoint(0, 1), QPoint(1, 0)});
        }
    }
    return report;
}

SeamFinding checkSeamsWith(const JoinedMap& joined, const std::optional<Legend>& legend,
                           const std::string& legendName) {
    SeamFinding finding;
    finding.slotsNotJoined = static_cast<int>(std::ranges::count_if(
        joined.slotProblems, [](const auto& problem) { return problem.has_value(); }));
    if (!legend) {
        finding.sentence = PictureMessages::noLegendToCompare(legendName);
    } else if (!legend->marksAnyFeature()) {
        finding.sentence = PictureMessages::noFeatureToCompare(legendName);
    } else {
        finding.compared = true;
        finding.report = checkSeams(joined, *legend);
        finding.sentence = PictureMessages::seamsChecked(
            finding.report.seamsCompared, static_cast<int>(finding.report.mismatches.size()),
            finding.slotsNotJoined);
    }
    return finding;
}

std::string seamMismatchLine(const SeamMismatch& mismatch, const MergeRequest& request,
                             const LayoutShape& shape, const Legend& legend) {
    const auto panel = [&](int slot) {
        return shape.slotName(slot) + '\t' + request.slots[static_cast<std::size_t>(slot)].name;
    };
    const bool acrossRows =
        mismatch.facing == FacingSide::Below || mismatch.facing == FacingSide::Above;
    return std::string("mismatch\t") + panel(mismatch.slot) + '\t' + sideName(mismatch.facing) +
           '\t' + panel(mismatch.facingSlot) + '\t' + (acrossRows ? "column\t" : "row\t") +
           std::to_string(mismatch.place) + '\t' + cellText(mismatch.cell, legend) + '\t' +
           cellText(mismatch.facingCell, legend);
}

QPoint seamMarkCell(const SeamMismatch& mismatch, const JoinedMap& joined) {
    const LayoutShape& shape = joined.shape;
    const int length = joined.panelLength;
    const int height = joined.panelHeight;
    const QPoint origin(shape.columnOf(mismatch.slot) * length,
                        shape.rowOf(mismatch.slot) * height);
    const int along = mismatch.place - 1;
    switch (mismatch.facing) {
        case FacingSide::Below:
            return origin + QPoint(along, height - 1);
        case FacingSide::Above:
            return origin + QPoint(along, 0);
        case FacingSide::Right:
            return origin + QPoint(length - 1, along);
        case FacingSide::Left:
            return origin + QPoint(0, along);
    }
    return origin;
}

std::vector<QPoint> seamMarkCells(const SeamReport& report, const JoinedMap& joined) {
    std::vector<QPoint> cells;
    for (const SeamMismatch& mismatch : report.mismatches) {
        const QPoint cell = seamMarkCell(mismatch, joined);
        // A corner cell may miss at two seams; it is marked once.
        if (std::find(cells.begin(), cells.end(), cell) == cells.end()) {
            cells.push_back(cell);
        }
    }
    return cells;
}

std::vector<QPoint> seamMarksOf(const MergeRequest& request, const std::optional<Legend>& legend) {
    if (!legend || !legend->marksAnyFeature()) {
        return {};
    }
    const JoinedMap joined = joinInMemory(request, nullptr, JoinedLabels::LeftOut);
    return seamMarkCells(checkSeams(joined, *legend), joined);
}

}  // namespace pw
