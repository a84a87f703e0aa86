// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing and committing the picture saved with a joined map.
#include "jobs/picture_save.h"

#include "core/common/messages.h"
#include "core/common/path_bytes.h"
#include "jobs/picture_drawing.h"
#include "render/picture_file.h"
#include "render/picture_messages.h"

namespace pw {

JoinedDrawing joinedDrawing(const WrittenMap& map, const PictureChoice& choice,
                            const std::optional<Legend>& legend, std::vector<QPoint> seamMarks) {
    RenderOptions options = renderOptionsOf(choice, legend);
    drawOverJoin(options, choice, map.panelLength, map.panelHeight, map.fixedCells);
    options.seamMarks = std::move(seamMarks);
    return {map.bytes != nullptr ? MapSource::bytes(*map.bytes, map.name)
                                 : MapSource{map.name, MapSource::file(map.path).open, {}},
            std::move(options)};
}

PictureSave::PictureSave(PictureChoice choice, std::optional<Legend> legend,
                         std::vector<QPoint> seamMarks, OutputOpener openOutput)
    : choice_(std::move(choice)),
      legend_(std::move(legend)),
      seamMarks_(std::move(seamMarks)),
      openOutput_(std::move(openOutput)) {}

std::optional<Problem> PictureSave::open(const std::string& path) {
    name_ = shownName_.empty() ? escapedName(path) : shownName_;
    const std::optional<PictureFormat> format = formatOf(choice_, path);
    if (!format) {
        return Problem{messages::unableToCreate(name_, PictureMessages::notAPictureName())};
    }
    format_ = *format;
    opened_ = openOutput_(path);
    if (!opened_.file) {
        return Problem{messages::unableToCreate(name_, opened_.errorString)};
    }
    return std::nullopt;
}

std::optional<Problem> PictureSave::write(const WrittenMap& map) {
    if (map.path.empty() && map.bytes == nullptr) {
        return Problem{messages::unableToWrite(name_, PictureMessages::mapNotReadable())};
    }
    const JoinedDrawing drawing = joinedDrawing(map, choice_, legend_, seamMarks_);
    PictureFileOptions file = choice_.file;
    file.format = format_;
    if (std::optional<Problem> failed =
            writePicture(drawing.source, drawing.options, file, *opened_.file, name_)) {
        return failed;
    }
    if (!opened_.file->sync()) {
        return Problem{messages::unableToWrite(name_, opened_.file->errorString())};
    }
    return std::nullopt;
}

std::optional<Problem> PictureSave::commit() {
    // The old picture is kept aside by the output itself, which knows where it replaces it.
    if (!opened_.file->commitKeepingReplaced()) {
        return Problem{messages::unableToWrite(name_, opened_.file->errorString())};
    }
    return std::nullopt;
}

void PictureSave::settle(bool mapCommitted) {
    opened_.file->settleReplaced(!mapCommitted);
}

}  // namespace pw
