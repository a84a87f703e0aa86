// SPDX-License-Identifier: GPL-3.0-or-later
// The job that joins a composition and saves its map with the picture drawn from it.
#pragma once

#include <optional>
#include <string>

#include "core/assembly/merge_request.h"
#include "core/pipeline/save_pipeline.h"
#include "jobs/picture_choice.h"
#include "jobs/picture_save.h"
#include "render/legend.h"

namespace pw {

// A composition and how the picture of its joined map is drawn.
struct PictureJob {
    MergeRequest request;
    PictureChoice choice;
    std::optional<Legend> legend;  // the map set's colours and meanings
};

// The picture writer of `job`'s save, opened with `openPicture`: the seam check's marks
// (when the choice asks for them) come from a join of the request in memory.
PictureSave pictureSaveOf(const PictureJob& job, OutputOpener openPicture = openSafeOutput);

// Joins the request and saves the map, or the picture alone, with the picture drawn from
// it: `host` answers where (SaveTarget), and everything is all or nothing. A single-map
// request (single_map.h) saves the picture of that map file as it is.
SaveOutcome saveJoinedPicture(const PictureJob& job, PipelineHost& host,
                              const OutputOpener& openMap = openSafeOutput,
                              const OutputOpener& openPicture = openSafeOutput,
                              const std::string& pictureName = {});

}  // namespace pw
