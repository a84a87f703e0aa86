// SPDX-License-Identifier: GPL-3.0-or-later
// A picture's name checked, its target refused where it may not go, its drawing options.
#include "cli/picture_output.h"

#include <QDir>
#include <QFileInfo>
#include <iostream>

#include "cli/usage_texts.h"
#include "core/common/path_bytes.h"
#include "core/system/file_place.h"
#include "core/common/messages.h"
#include "core/pipeline/save_pipeline.h"
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

RenderOptions renderOptionsOf(const PictureOptions& picture, const std::string& legendBeside,
                              const std::string& shownBeside) {
    RenderOptions options;
    options.section = picture.section;
    options.layer = picture.layer;
    options.labels = picture.labels;
    options.labelOverlap = picture.allLabels ? LabelOverlap::DrawAll : LabelOverlap::LeaveOut;
    options.cellSize = picture.scale;
    if (picture.seams) {
        options.panelLength = picture.panelLength;
        options.panelHeight = picture.panelHeight;
    }
    std::string legendNote;
    const QString shownFolder = QFileInfo(QString::fromStdString(shownBeside)).path();
    options.legend = Legend::loadFromFolder(
        QFileInfo(QString::fromStdString(legendBeside)).path(), &legendNote,
        shownBeside.empty()
            ? std::string()
            : QDir(shownFolder).filePath(QString::fromLatin1(Legend::kFileName)).toStdString());
    if (!legendNote.empty()) {
        std::cerr << UsageTexts::warning(legendNote) << '\n';
    }
    return options;
}

std::optional<Problem> refusedPicture(
    const std::string& imagePath, const std::string& imageName, const PictureOptions& picture,
    const std::vector<std::pair<std::string, std::string>>& others) {
    std::optional<std::string> refused = refusedTarget(imagePath);
    for (auto other = others.begin(); !refused && other != others.end(); ++other) {
        if (isSameFile(imagePath, other->first)) {
            refused = UsageTexts::sameFileAs(other->second);
        }
    }
    if (!refused && !picture.formatGiven && !formatForName(imagePath)) {
        refused = PictureMessages::notAPictureName();
    }
    return refused ? std::optional(Problem{messages::unableToCreate(imageName, *refused)})
                   : std::nullopt;
}

}  // namespace pw::cli
