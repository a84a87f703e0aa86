// SPDX-License-Identifier: GPL-3.0-or-later
// Building the preview: the join in memory, the seam check and the drawing.
#include "jobs/preview_job.h"

#include <algorithm>

#include "jobs/picture_drawing.h"
#include "jobs/single_map.h"
#include "render/compass_mark.h"
#include "render/picture_drawer.h"

namespace pw {
namespace {

// Beyond this a cell shows no more detail, only a larger picture to scroll.
constexpr int kLargestPreviewCell = 16;

// The seam check of the joined map with the legend of the map set: its report and lines,
// its marks on the picture and its sentence.
void checkSeamsOf(PreviewResult& result, const MergeRequest& request) {
    SeamFinding finding = checkSeamsWith(result.joined, result.options.legend, Legend::kFileName);
    result.options.seamMarks = seamMarkCells(finding.report, result.joined);
    for (const SeamMismatch& mismatch : finding.report.mismatches) {  // none without a legend
        result.seamLines.push_back(
            seamMismatchLine(mismatch, request, result.joined.shape, *result.options.legend));
    }
    result.seams = std::move(finding.report);
    result.seamFinding = std::move(finding.sentence);
}

}  // namespace

int previewCellSize(int length, int height, int longSide) {
    const int cells = std::max({length, height, 1});
    return std::clamp(longSide / cells, 1, kLargestPreviewCell);
}

PreviewResult buildPreview(const PreviewJob& job, const std::atomic<bool>* cancel) {
    const MergeRequest& request = job.picture.request;
    PictureChoice choice = job.picture.choice;
    choice.seams = false;  // the view draws them over the picture, at the zoom it shows
    PreviewResult result;
    result.options = renderOptionsOf(choice, job.picture.legend);
    for (const SourceSlot& slot : request.slots) {
        result.slotNames.push_back(slot.name);
    }
    const bool single = isSingleMap(request);
    result.joined = single ? singleMapAsJoined(request) : joinInMemory(request, cancel);
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
    drawOverJoin(result.options, choice, result.joined.panelLength, result.joined.panelHeight,
                 result.joined.fixedCells);
    if (choice.seamMarks && !single) {
        checkSeamsOf(result, request);
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

}  // namespace pw
