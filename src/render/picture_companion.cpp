#include "render/picture_companion.h"

#include "core/common/messages.h"

namespace pw {

PictureCompanion::PictureCompanion(std::string path, RenderOptions options,
                                   PictureFileOptions file, bool showFixUps,
                                   OutputOpener openOutput)
    : path_(std::move(path)),
      options_(std::move(options)),
      file_(file),
      showFixUps_(showFixUps),
      openOutput_(std::move(openOutput)) {}

std::optional<std::string> PictureCompanion::open() {
    opened_ = openOutput_(path_);
    if (!opened_.file) {
        return messages::unableToCreate(path_, opened_.errorString);
    }
    return std::nullopt;
}

std::optional<std::string> PictureCompanion::write(const WrittenMap& map) {
    if (map.path.empty()) {
        return messages::unableToWrite(path_, messages::mapNotReadable());
    }
    RenderOptions options = options_;
    options.panelLength = map.panelLength;
    options.panelHeight = map.panelHeight;
    if (showFixUps_) {
        for (const auto& [column, row] : map.fixedCells) {
            options.highlights.emplace_back(column, row);
        }
    }
    if (std::optional<std::string> failed = writePicture(MapSource{map.name, MapSource::file(map.path).open}, options, file_,
                                                         *opened_.file, path_)) {
        return failed;
    }
    if (!opened_.file->sync()) {
        return messages::unableToWrite(path_, opened_.file->errorString());
    }
    return std::nullopt;
}

std::optional<std::string> PictureCompanion::commit() {
    if (!opened_.file->commit()) {
        return messages::unableToWrite(path_, opened_.file->errorString());
    }
    return std::nullopt;
}

}  // namespace pw
