// SPDX-License-Identifier: GPL-3.0-or-later
// Where the map-set folders are found and which map files they list.
#include "core/mapfile/map_listing.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <set>

#include "core/common/messages.h"
#include "core/common/path_bytes.h"
#include "core/mapfile/map_set.h"
#include "core/mapfile/names.h"
#include "core/system/file_system.h"

namespace pw {
namespace {

// Case-insensitive order; names equal but for case keep a fixed byte order.
bool lessIgnoringCase(const std::string& a, const std::string& b) {
    const auto byLowerByte = [](char x, char y) {
        return static_cast<unsigned char>(asciiLower(x)) <
               static_cast<unsigned char>(asciiLower(y));
    };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), byLowerByte)) {
        return true;
    }
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), byLowerByte)) {
        return false;
    }
    return a < b;
}

// Byte for byte: a name is never decoded on its way to the file system.
std::string joinPath(const std::string& folder, const std::string& name) {
    return folder.ends_with('/') ? folder + name : folder + '/' + name;
}

void noteUnreadable(std::vector<std::string>& notes, const std::string& folder,
                    const std::string& reason) {
    notes.push_back(messages::mapSetFolderUnreadable(escapedName(folder), reason));
}

bool hasMapSuffix(std::string_view name) {
    // A file named ".map" alone has no name before its suffix.
    return hasSuffixIgnoringCase(name, kMapSuffix);
}

}  // namespace

std::vector<std::string> mapSetRoots() {
    const QString program = QCoreApplication::applicationDirPath();
    const QString data = QStringLiteral("panelwright");
    std::vector<std::string> roots{program.toStdString()};
    // The first generic data location is the user's own; the rest are the system's, the
    // share folder of the prefix the program is installed in foremost.
    QStringList locations = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    locations.insert(locations.isEmpty() ? 0 : 1,
                     QDir(program).filePath(QStringLiteral("../share")));
    for (const QString& location : locations) {
        const QString root = QDir::cleanPath(QDir(location).filePath(data));
        if (std::find(roots.begin(), roots.end(), root.toStdString()) == roots.end()) {
            roots.push_back(root.toStdString());
        }
    }
    return roots;
}

namespace {

// The map-set folders that can be searched, and in `notes` why any other that is there
// cannot.
std::vector<std::string> searchableFolders(const std::vector<std::string>& roots, MapSet mapSet,
                                           std::vector<std::string>& notes) {
    const std::string folderName = mapSetFolderName(mapSet);
    std::vector<std::string> folders;
    for (const std::string& root : roots) {
        const std::string folder = joinPath(root, folderName);
        const std::optional<std::string> problem =
            folderName.empty() ? std::string() : unsearchable(folder);
        if (!problem) {
            folders.push_back(folder);
        } else if (!problem->empty()) {
            noteUnreadable(notes, folder, *problem);
        }
    }
    return folders;
}

}  // namespace

std::vector<std::string> mapSetFolders(const std::vector<std::string>& roots, MapSet mapSet) {
    std::vector<std::string> notes;
    return searchableFolders(roots, mapSet, notes);
}

MapSetListing listMapSet(const std::vector<std::string>& roots, MapSet mapSet) {
    MapSetListing listing;
    const std::vector<std::string> folders = searchableFolders(roots, mapSet, listing.notes);
    if (folders.empty()) {
        return listing;
    }
    std::set<std::string> seen;
    std::vector<ListedMap> maps;
    for (const std::string& folder : folders) {
        const FileNames listed = listMapFiles(folder);
        if (!listed.names) {
            noteUnreadable(listing.notes, folder, listed.reason);  // changed since it was found
            continue;
        }
        for (const std::string& name : *listed.names) {
            if (seen.insert(name).second) {
                maps.push_back({name, joinPath(folder, name), folder});
            }
        }
    }
    std::stable_sort(maps.begin(), maps.end(), [](const ListedMap& a, const ListedMap& b) {
        return lessIgnoringCase(a.name, b.name);
    });
    listing.maps = std::move(maps);
    return listing;
}

FileNames listMapFiles(const std::string& folder) {
    FileNames listed = regularFilesIn(folder, hasMapSuffix);
    if (listed.names) {
        std::sort(listed.names->begin(), listed.names->end(), lessIgnoringCase);
    }
    return listed;
}

}  // namespace pw
