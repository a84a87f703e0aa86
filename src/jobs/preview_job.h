// SPDX-License-Identifier: GPL-3.0-or-later
// The preview's job: what Save Map would write, joined in memory and drawn whole.
#pragma once

#include <QImage>
#include <QRectF>
#include <atomic>
#include <optional>
#include <string>
#include <vector>

#include "core/common/problem.h"
#include "core/pipeline/joined_map.h"
#include "jobs/picture_job.h"
#include "render/cell_index.h"
#include "render/render_options.h"
#include "render/seam_check.h"

namespace pw {

// What the preview shows: the slots as Save Map would take them, drawn as the picture's
// choice asks (its seam marks are the seam check's, its scale suits the joined map).
struct PreviewJob {
    PictureJob picture;
    int longSide = 640;  // the image's long side aimed at, in pixels
};

// The joined map drawn, or why nothing could be.
struct PreviewResult {
    QImage image;                   // exactly what rendering the joined map with `options` gives
    RenderOptions options;          // as drawn, cellSize included
    JoinedMap joined;               // the bytes, the shape and each slot's problem
    CellIndex cells;                // the joined map's cells, for hovering
    std::vector<MapLabel> labels;   // not on the image: the view places them as it zooms
    std::optional<QRectF> compass;  // what the image's compass mark covers
    std::vector<std::string> slotNames;
    std::optional<Problem> problem;      // why the joined map could not be drawn
    SeamReport seams;                    // what the seam check found, when it was asked for
    std::vector<std::string> seamLines;  // each of its mismatches as `check` prints it
    std::string seamFinding;             // the seam check's sentence; empty: not asked for
    bool cancelled = false;
};

// Joins the request in memory and draws it; `cancel` lets a newer job stop this one early.
PreviewResult buildPreview(const PreviewJob& job, const std::atomic<bool>* cancel = nullptr);

// Pixels per cell so that a map of length by height cells fills about `longSide` pixels.
int previewCellSize(int length, int height, int longSide);

}  // namespace pw
