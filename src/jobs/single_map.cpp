// SPDX-License-Identifier: GPL-3.0-or-later
// One map file shown and pictured as it is, not joined.
#include "jobs/single_map.h"

#include "core/system/regular_file.h"
#include "jobs/picture_job.h"
#include "render/map_outline.h"

namespace pw {
namespace {

// The single map read through as a picture reads it: any map a merge can write (a joined
// map is larger than a source), refused for the damage a merge refuses in a source.
MapOutline outlineOf(const SourceSlot& map) {
    MapSource source = MapSource::file(map.path);
    source.name = map.name;
    RenderOptions options;
    options.labels = false;
    return readOutline(source, options);
}

QByteArray bytesOf(const std::string& path) {
    const OpenedFile opened = openRegularFile(path);
    return opened.file ? opened.file->readAll() : QByteArray();
}

}  // namespace

JoinedMap singleMapAsJoined(const MergeRequest& request) {
    const SourceSlot& map = request.slots.front();
    JoinedMap joined;
    joined.shape = LayoutShape{Layout::TopToBottom, 1, 1};
    joined.slotProblems.resize(1);
    const MapOutline outline = outlineOf(map);
    if (outline.problem) {
        joined.slotProblems.front() = outline.problem;
        return joined;
    }
    joined.bytes = bytesOf(map.path);
    joined.panelLength = outline.length;
    joined.panelHeight = outline.height;
    return joined;
}

SaveOutcome saveSingleMapPicture(const PictureJob& job, PipelineHost& host,
                                 const OutputOpener& openPicture, const std::string& pictureName) {
    const SourceSlot& map = job.request.slots.front();
    const MapOutline outline = outlineOf(map);
    if (outline.problem) {
        host.showError(outline.problem->message);
        return SaveOutcome::CheckFailed;
    }
    const std::optional<SaveTarget> target = host.askTarget(host.rememberedPath());
    if (!target) {
        return SaveOutcome::Cancelled;
    }
    // No seam to mark: the map meets no other here.
    PictureSave picture(job.choice, job.legend, {}, openPicture);
    if (!pictureName.empty()) {
        picture.nameInMessages(pictureName);
    }
    WrittenMap written;
    written.name = map.name;
    written.path = map.path;
    written.panelLength = outline.length;
    written.panelHeight = outline.height;
    std::optional<Problem> failed = picture.open(target->picture);
    if (!failed) {
        failed = picture.write(written);
    }
    if (!failed) {
        failed = picture.commit();
    }
    if (failed) {
        host.showError(failed->message);
        return SaveOutcome::WriteFailed;
    }
    picture.settle(true);
    host.reportSuccess(std::string());
    return SaveOutcome::Saved;
}

}  // namespace pw
