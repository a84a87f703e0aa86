// SPDX-License-Identifier: GPL-3.0-or-later
// One map file shown and pictured as it is, not joined.
#include "jobs/single_map.h"

#include "core/common/messages.h"
#include "core/system/regular_file.h"
#include "jobs/picture_job.h"
#include "render/map_outline.h"

namespace pw {
namespace {

// The single map's bytes, read once, and what a picture reads of those very bytes: any map
// a merge can write (a joined map is larger than a source), refused for the damage a merge
// refuses in a source. What is checked is what is shown and drawn.
struct ReadMap {
    QByteArray bytes;
    MapOutline outline;
};

ReadMap readMap(const SourceSlot& map) {
    RenderOptions options;
    options.labels = false;
    ReadMap read;
    const OpenedFile opened = openRegularFile(map.path);
    if (opened.file) {
        read.bytes = opened.file->readAll();
    }
    if (!opened.file || opened.file->error() != QFileDevice::NoError) {
        // Read again by name only for the message of a file that cannot be opened or read.
        MapSource source = MapSource::file(map.path);
        source.name = map.name;
        read.outline = readOutline(source, options);
        if (!read.outline.problem) {  // it came right in between: refused all the same
            read.outline.problem = Problem{messages::unableToRead(map.name)};
        }
        return read;
    }
    read.outline = readOutline(MapSource::bytes(read.bytes, map.name), options);
    return read;
}

}  // namespace

JoinedMap singleMapAsJoined(const MergeRequest& request) {
    const SourceSlot& map = request.slots.front();
    JoinedMap joined;
    joined.shape = LayoutShape{Layout::TopToBottom, 1, 1};
    joined.slotProblems.resize(1);
    ReadMap read = readMap(map);
    if (read.outline.problem) {
        joined.slotProblems.front() = read.outline.problem;
        return joined;
    }
    joined.bytes = std::move(read.bytes);
    joined.panelLength = read.outline.length;
    joined.panelHeight = read.outline.height;
    return joined;
}

SaveOutcome saveSingleMapPicture(const PictureJob& job, PipelineHost& host,
                                 const OutputOpener& openPicture, const std::string& pictureName) {
    const SourceSlot& map = job.request.slots.front();
    const ReadMap read = readMap(map);
    if (read.outline.problem) {
        host.showError(read.outline.problem->message);
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
    written.bytes = &read.bytes;  // the bytes checked, not the file looked up again
    written.panelLength = read.outline.length;
    written.panelHeight = read.outline.height;
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
