// SPDX-License-Identifier: GPL-3.0-or-later
// One map file shown and pictured as it is, not joined: what the map viewer asks for.
#pragma once

#include <string>

#include "core/assembly/merge_request.h"
#include "core/pipeline/joined_map.h"
#include "core/pipeline/pipeline_host.h"
#include "core/pipeline/save_pipeline.h"

namespace pw {

struct PictureJob;

// A request of one slot joins nothing (no layout takes fewer than two panels): the
// preview and Save Image take it for that map as it is.
inline bool isSingleMap(const MergeRequest& request) {
    return request.slots.size() == 1;
}
inline MergeRequest singleMapRequest(SourceSlot map) {
    MergeRequest request;
    request.slots.push_back(std::move(map));
    return request;
}

// The map of a single-map request read whole, as one panel of its own size: its bytes, or
// the problem Save Map would report for it as a source ("ERROR: file NAME ends early").
JoinedMap singleMapAsJoined(const MergeRequest& request);

// Save Image of a single map: the map is checked as Save Map checks a source, the host
// asked for the picture's name, and the picture drawn from the file itself, all or nothing.
SaveOutcome saveSingleMapPicture(const PictureJob& job, PipelineHost& host,
                                 const OutputOpener& openPicture, const std::string& pictureName);

}  // namespace pw
