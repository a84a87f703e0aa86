// SPDX-License-Identifier: GPL-3.0-or-later
// The save of a joined map with its picture.
#include "jobs/picture_job.h"

#include "jobs/single_map.h"
#include "render/seam_check.h"

namespace pw {

PictureSave pictureSaveOf(const PictureJob& job, OutputOpener openPicture) {
    std::vector<QPoint> seamMarks;
    if (job.choice.seamMarks) {
        seamMarks = seamMarksOf(job.request, job.legend);
    }
    return PictureSave(job.choice, job.legend, std::move(seamMarks), std::move(openPicture));
}

SaveOutcome saveJoinedPicture(const PictureJob& job, PipelineHost& host,
                              const OutputOpener& openMap, const OutputOpener& openPicture,
                              const std::string& pictureName) {
    if (isSingleMap(job.request)) {
        return saveSingleMapPicture(job, host, openPicture, pictureName);
    }
    PictureSave picture = pictureSaveOf(job, openPicture);
    if (!pictureName.empty()) {
        picture.nameInMessages(pictureName);
    }
    return runSave(job.request, host, openMap, &picture);
}

}  // namespace pw
