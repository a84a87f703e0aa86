// SPDX-License-Identifier: GPL-3.0-or-later
// A picture's name checked, its target refused where it may not go, its legend read.
#include "cli/picture_output.h"

#include <QDir>
#include <QFileInfo>
#include <iostream>

#include "cli/usage_texts.h"
#include "core/common/messages.h"
#include "core/common/path_bytes.h"
#include "core/pipeline/save_pipeline.h"
#include "core/system/file_place.h"
#include "render/picture_file.h"
#include "render/picture_messages.h"

namespace pw::cli {

bool pictureNameUsable(const std::string& path) {
    if (pathRoundTrips(path)) {
        return true;
    }
    std::cerr << messages::nameNotUtf8(escapedName(path)) << '\n';
    return false;
}

std::optional<Legend> legendBeside(const std::string& legendBeside,
                                   const std::string& shownBeside) {
    const QString shownFolder = QFileInfo(QString::fromStdString(shownBeside)).path();
    LoadedLegend loaded = Legend::loadFromFolder(
        QFileInfo(QString::fromStdString(legendBeside)).path(),
        shownBeside.empty()
            ? std::string()
            : QDir(shownFolder).filePath(QString::fromLatin1(Legend::kFileName)).toStdString());
    if (loaded.note) {
        std::cerr << UsageTexts::warning(*loaded.note) << '\n';
    }
    return std::move(loaded.legend);
}

std::optional<Problem> refusedPicture(
    const std::string& imagePath, const std::string& imageName, const PictureChoice& picture,
    const std::vector<std::pair<std::string, std::string>>& others) {
    std::optional<std::string> refused = refusedTarget(imagePath);
    for (auto other = others.begin(); !refused && other != others.end(); ++other) {
        if (isSameFile(imagePath, other->first)) {
            refused = UsageTexts::sameFileAs(other->second);
        }
    }
    if (!refused && !formatOf(picture, imagePath)) {
        refused = PictureMessages::notAPictureName();
    }
    return refused ? std::optional(Problem{messages::unableToCreate(imageName, *refused)})
                   : std::nullopt;
}

}  // namespace pw::cli
