// SPDX-License-Identifier: GPL-3.0-or-later
// One preview joined in memory and drawn, with its seam check.
#include "gui/preview/preview_job.h"

#include <algorithm>

#include "gui/common/dialog_texts.h"
#include "render/compass_mark.h"
#include "render/picture_drawer.h"

namespace pw::gui {
namespace {

// Beyond this a cell shows no more detail, only a larger picture to scroll.
constexpr int kLargestPreviewCell = 16;

// The seam check of the joined map with the legend of the map set: its report, its marks
// on the picture and its note.
void checkSeamsOf(PreviewResult& result) {
    SeamFinding finding = checkSeamsWith(result.joined, result.options.legend, Legend::kFileName);
    result.options.seamMarks = seamMarkCells(finding.report, result.joined);
    result.seams = std::move(finding.report);
    result.seamNote = DialogTexts::seamCheckNote(finding.sentence);
}

}  // namespace

int previewCellSize(int length, int height, int longSide) {
    const int cells = std::max({length, height, 1});
    return std::clamp(longSide / cells, 1, kLargestPreviewCell);
}

PreviewResult buildPreview(const PreviewJob& job, const std::atomic<bool>* cancel) {
    PreviewResult result;
    result.options = job.options;
    for (const SourceSlot& slot : job.request.slots) {
        result.slotNames.push_back(slot.name);
    }
    result.joined = joinInMemory(job.request, cancel);
    if (result.joined.cancelled || (cancel != nullptr && cancel->load())) {
        result.cancelled = true;
        return result;
    }
    if (result.joined.bytes.isEmpty()) {
        return result;
    }
    const LayoutShape& shape = result.joined.shape;
    result.options.cellSize = previewCellSize(shape.columns * result.joined.panelLength,
                                              shape.rows * result.joined.panelHeight, job.longSide);
    if (job.fixUps) {
        for (const auto& [column, row] : result.joined.fixedCells) {
            result.options.highlights.emplace_back(column, row);
        }
    }
    if (job.seamCheck) {
        checkSeamsOf(result);
    }
    // The labels are placed by the view at the zoom it shows, not here.
    result.options.labelsOnImage = false;
    RenderResult drawn =
        renderMap(MapSource::bytes(result.joined.bytes, "preview"), result.options);
    result.image = std::move(drawn.image);
    result.problem = std::move(drawn.problem);
    result.labels = std::move(drawn.labels);
    if (result.options.compass) {
        result.compass = compassMarkCover(result.image.size(), drawn.direction);
    }
    result.cells = CellIndex(result.joined.bytes);
    return result;
}

}  // namespace pw::gui
