// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/setup/setup_paths.h"

#include <QDir>
#include <QFileInfo>

#include "core/common/file_path.h"
#include "core/mapfile/map_set.h"

namespace pw {
namespace {

QString absoluteClean(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

QString absoluteClean(const std::string& path) {
    return absoluteClean(QString::fromStdString(path));
}

// The same file by two paths: equal paths, or one file behind links.
bool sameFile(const QString& a, const QString& b) {
    if (a == b) {
        return true;
    }
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

}  // namespace

SetupPlaces::SetupPlaces(const std::string& setupPath, std::vector<std::string> roots)
    : folder_(
          absoluteClean(QFileInfo(QString::fromStdString(setupPath)).absolutePath()).toStdString()),
      roots_(std::move(roots)) {}

std::string SetupPlaces::mapSetFolder(const std::string& root, int mapSetIndex) const {
    return QDir(QString::fromStdString(root))
        .filePath(QString::fromStdString(mapSetFolderName(mapSetIndex)))
        .toStdString();
}

std::string SetupPlaces::placeFile(const std::string& path) const {
    const QString file = absoluteClean(path);
    const QString folder = QString::fromStdString(folder_);
    const QString below = folder.endsWith(u'/') ? folder : folder + u'/';
    if (file.startsWith(below) && file.size() > below.size()) {
        return QDir(folder).relativeFilePath(file).toStdString();
    }
    return file.toStdString();
}

SetupSlot SetupPlaces::placePanel(const std::string& path, int mapSetIndex, char mark) const {
    if (path.empty()) {
        return {PanelPlace::None, {}, mark};
    }
    std::string placed = placeFile(path);
    if (QDir::isAbsolutePath(QString::fromStdString(placed))) {
        const std::string name = QFileInfo(QString::fromStdString(placed)).fileName().toStdString();
        const SetupSlot byName{PanelPlace::MapSet, name, mark};
        const std::optional<std::string> found = findPanel(byName, mapSetIndex);
        if (found && sameFile(QString::fromStdString(*found), QString::fromStdString(placed))) {
            return byName;
        }
    }
    return {PanelPlace::File, std::move(placed), mark};
}

std::optional<std::string> SetupPlaces::findPanel(const SetupSlot& slot, int mapSetIndex) const {
    switch (slot.place) {
        case PanelPlace::None:
            return std::nullopt;
        case PanelPlace::File:
            return resolveFile(slot.panel);
        case PanelPlace::MapSet:
            break;
    }
    // The first map-set folder that holds the name, as the slot lists pick it.
    for (const std::string& root : roots_) {
        const QString candidate = QDir(QString::fromStdString(mapSetFolder(root, mapSetIndex)))
                                      .filePath(QString::fromStdString(slot.panel));
        if (QFileInfo(candidate).isFile()) {
            return absoluteClean(candidate).toStdString();
        }
    }
    return std::nullopt;
}

std::string SetupPlaces::resolveFile(const std::string& stored) const {
    return QDir::cleanPath(QDir(QString::fromStdString(folder_))
                               .absoluteFilePath(QString::fromStdString(stored)))
        .toStdString();
}

MergeRequest SetupPlaces::request(const Setup& setup) const {
    MergeRequest merge{setup.layout, setup.mapSetIndex, setup.direction, {}};
    for (const SetupSlot& slot : setup.slots) {
        std::string path;
        if (slot.place != PanelPlace::None) {
            const std::string nowhere =
                roots_.empty() ? slot.panel
                               : mapSetFolder(roots_.front(), setup.mapSetIndex) + "/" + slot.panel;
            path = findPanel(slot, setup.mapSetIndex).value_or(nowhere);
        }
        merge.slots.push_back({escapedName(slot.panel), std::move(path), slot.mark});
    }
    return merge;
}

std::optional<std::string> SetupPlaces::unnameable(const MergeRequest& request,
                                                   const std::string& output,
                                                   const std::string& picture) {
    std::vector<std::string> paths{output, picture};
    for (const SourceSlot& slot : request.slots) {
        paths.push_back(slot.path);
    }
    for (const std::string& path : paths) {
        if (!pathRoundTrips(path)) {
            return escapedName(path);
        }
    }
    return std::nullopt;
}

Setup SetupPlaces::setupOf(const MergeRequest& request, const std::string& output,
                           const std::string& picture) const {
    Setup setup{request.layout, request.mapSetIndex, request.direction, {}, {}, {}};
    for (const SourceSlot& slot : request.slots) {
        // A layout without junctions ignores marks; its setups keep none.
        const char mark = consultsMarks(request.layout) ? slot.mark : ' ';
        setup.slots.push_back(placePanel(slot.path, request.mapSetIndex, mark));
    }
    setup.output = output.empty() ? "" : placeFile(output);
    setup.picture = picture.empty() ? "" : placeFile(picture);
    return setup;
}

}  // namespace pw
