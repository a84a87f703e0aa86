// SPDX-License-Identifier: GPL-3.0-or-later
// The picture beside a merged map, drawn and committed with it.
#include "render/picture_companion.h"

#include "core/common/path_bytes.h"
#include "core/common/messages.h"
#include "render/picture_messages.h"

namespace pw {

PictureCompanion::PictureCompanion(std::string path, RenderOptions options, PictureFileOptions file,
                                   bool showFixUps, OutputOpener openOutput)
    : path_(std::move(path)),
      name_(escapedName(path_)),
      options_(std::move(options)),
      file_(file),
      showFixUps_(showFixUps),
      openOutput_(std::move(openOutput)) {}

std::optional<Problem> PictureCompanion::open() {
    opened_ = openOutput_(path_);
    if (!opened_.file) {
        return Problem{messages::unableToCreate(name_, opened_.errorString)};
    }
    return std::nullopt;
}

std::optional<Problem> PictureCompanion::write(const WrittenMap& map) {
    if (map.path.empty() && map.bytes == nullptr) {
        return Problem{messages::unableToWrite(name_, PictureMessages::mapNotReadable())};
    }
    RenderOptions options = options_;
    options.panelLength = map.panelLength;
    options.panelHeight = map.panelHeight;
    if (showFixUps_) {
        for (const auto& [column, row] : map.fixedCells) {
            options.highlights.emplace_back(column, row);
        }
    }
    const MapSource source = map.bytes != nullptr
                                 ? MapSource::bytes(*map.bytes, map.name)
                                 : MapSource{map.name, MapSource::file(map.path).open, {}};
    if (std::optional<Problem> failed =
            writePicture(source, options, file_, *opened_.file, name_)) {
        return failed;
    }
    if (!opened_.file->sync()) {
        return Problem{messages::unableToWrite(name_, opened_.file->errorString())};
    }
    return std::nullopt;
}

std::optional<Problem> PictureCompanion::commit() {
    // The old picture is kept aside by the output itself, which knows where it replaces it.
    if (!opened_.file->commitKeepingReplaced()) {
        return Problem{messages::unableToWrite(name_, opened_.file->errorString())};
    }
    return std::nullopt;
}

void PictureCompanion::settle(bool mapCommitted) {
    opened_.file->settleReplaced(!mapCommitted);
}

}  // namespace pw
