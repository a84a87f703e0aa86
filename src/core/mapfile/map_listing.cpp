// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mapfile/map_listing.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <algorithm>
#include <memory>
#include <set>

#include "core/mapfile/map_set.h"
#include "core/mapfile/names.h"

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

// A folder that cannot be both read and searched counts as missing, as in the dialogs.
bool searchable(const std::string& folder) {
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           ::access(folder.c_str(), R_OK | X_OK) == 0;
}

bool hasMapSuffix(std::string_view name) {
    // A file named ".map" alone has no name before its suffix.
    constexpr std::string_view kSuffix = ".map";
    if (name.size() <= kSuffix.size()) {
        return false;
    }
    return equalIgnoringCase(name.substr(name.size() - kSuffix.size()), kSuffix);
}

struct ClosedDir {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

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

std::vector<std::string> mapSetFolders(const std::vector<std::string>& roots, int mapSetIndex) {
    const std::string folderName = mapSetFolderName(mapSetIndex);
    std::vector<std::string> folders;
    for (const std::string& root : roots) {
        const std::string folder = joinPath(root, folderName);
        if (!folderName.empty() && searchable(folder)) {
            folders.push_back(folder);
        }
    }
    return folders;
}

std::optional<std::vector<ListedMap>> listMapSet(const std::vector<std::string>& roots,
                                                 int mapSetIndex) {
    const std::vector<std::string> folders = mapSetFolders(roots, mapSetIndex);
    if (folders.empty()) {
        return std::nullopt;
    }
    std::set<std::string> seen;
    std::vector<ListedMap> maps;
    for (const std::string& folder : folders) {
        const std::optional<std::vector<std::string>> names = listMapFiles(folder);
        if (!names) {
            continue;  // gone since it was found
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

std::optional<std::vector<std::string>> listMapFiles(const std::string& folder) {
    if (!searchable(folder)) {
        return std::nullopt;
    }
    const std::unique_ptr<DIR, ClosedDir> dir(::opendir(folder.c_str()));
    if (!dir) {
        return std::nullopt;
    }
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        struct stat target {};
        // Followed links included: a fifo, a device or a folder is never offered.
        if (hasMapSuffix(name) && ::fstatat(::dirfd(dir.get()), entry->d_name, &target, 0) == 0 &&
            S_ISREG(target.st_mode)) {
            names.emplace_back(name);
        }
    }
    std::sort(names.begin(), names.end(), lessIgnoringCase);
    return names;
}

}  // namespace pw
