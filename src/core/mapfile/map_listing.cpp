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

void noteUnreadable(std::vector<std::string>* notes, const std::string& folder,
                    const std::string& reason) {
    if (notes != nullptr) {
        notes->push_back(messages::mapSetFolderUnreadable(escapedName(folder), reason));
    }
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

std::vector<std::string> mapSetFolders(const std::vector<std::string>& roots, int mapSetIndex,
                                       std::vector<std::string>* notes) {
    const std::string folderName = mapSetFolderName(mapSetIndex);
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

std::optional<std::vector<ListedMap>> listMapSet(const std::vector<std::string>& roots,
                                                 int mapSetIndex, std::vector<std::string>* notes) {
    const std::vector<std::string> folders = mapSetFolders(roots, mapSetIndex, notes);
    if (folders.empty()) {
        return std::nullopt;
    }
    std::set<std::string> seen;
    std::vector<ListedMap> maps;
    for (const std::string& folder : folders) {
        std::string reason;
        const std::optional<std::vector<std::string>> names = listMapFiles(folder, &reason);
        if (!names) {
            noteUnreadable(notes, folder, reason);  // changed since it was found
            continue;
        }
        for (const std::string& name : *names) {
            if (seen.insert(name).second) {
                maps.push_back({name, joinPath(folder, name), folder});
            }
        }
    }
    std::stable_sort(maps.begin(), maps.end(), [](const ListedMap& a, const ListedMap& b) {
        return lessIgnoringCase(a.name, b.name);
    });
    return maps;
}

std::optional<std::vector<std::string>> listMapFiles(const std::string& folder,
                                                     std::string* reason) {
    std::string problem;
    std::optional<std::vector<std::string>> names = regularFilesIn(folder, hasMapSuffix, problem);
    if (!names) {
        if (reason != nullptr) {
            *reason = problem;
        }
        return std::nullopt;
    }
    std::sort(names->begin(), names->end(), lessIgnoringCase);
    return names;
}

}  // namespace pw
