// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/picture_companion.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include "core/common/file_path.h"
#include "core/common/messages.h"

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
        return Problem{messages::unableToWrite(name_, messages::mapNotReadable())};
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
    // A second name keeps the old picture's bytes alive past the replacing rename; a link
    // is followed to the file it names, which is the one replaced.
    const QFileInfo info(QString::fromStdString(path_));
    hadPicture_ = info.exists();
    target_ = QFile::encodeName(hadPicture_ ? info.canonicalFilePath() : info.filePath());
    const QByteArray aside =
        target_ + ".old-" + QByteArray::number(QCoreApplication::applicationPid());
    if (hadPicture_ && ::link(target_.constData(), aside.constData()) == 0) {
        keptAside_ = aside;
    }
    if (!opened_.file->commit()) {
        settle(true);
        return Problem{messages::unableToWrite(name_, opened_.file->errorString())};
    }
    replaced_ = true;
    return std::nullopt;
}

void PictureCompanion::settle(bool mapCommitted) {
    if (!mapCommitted && replaced_) {
        // Without a second name (a file system without hard links) the new picture stays.
        if (!keptAside_.isEmpty()) {
            ::rename(keptAside_.constData(), target_.constData());
        } else if (!hadPicture_) {
            ::unlink(target_.constData());
        }
    } else if (!keptAside_.isEmpty()) {
        ::unlink(keptAside_.constData());
    }
    keptAside_.clear();
    replaced_ = false;
}

}  // namespace pw
