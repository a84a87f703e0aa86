// SPDX-License-Identifier: GPL-3.0-or-later
// One map file shown and pictured as it is, not joined.
#include "jobs/single_map.h"

#include <QSize>

#include "core/mapfile/map_summary.h"
#include "core/pipeline/source_check.h"
#include "core/system/regular_file.h"
#include "jobs/picture_job.h"

namespace pw {
namespace {

// The single map's size in cells, from its size line.
QSize sizeOf(const SourceSlot& map) {
    const MapHeader header = summarizeMap(map.path, map.name).header;
    return {header.length, header.height};
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
    if (std::optional<Problem> problem = checkSourceWhole(map.path, map.name)) {
        joined.slotProblems.front() = std::move(problem);
        return joined;
    }
    joined.bytes = bytesOf(map.path);
    const QSize size = sizeOf(map);
    joined.panelLength = size.width();
    joined.panelHeight = size.height();
    return joined;
}

SaveOutcome saveSingleMapPicture(const PictureJob& job, PipelineHost& host,
                                 const OutputOpener& openPicture, const std::string& pictureName) {
    const SourceSlot& map = job.request.slots.front();
    if (std::optional<Problem> problem = checkSourceWhole(map.path, map.name)) {
        host.showError(problem->message);
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
    const QSize size = sizeOf(map);
    written.panelLength = size.width();
    written.panelHeight = size.height();
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
