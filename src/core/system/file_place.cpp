// SPDX-License-Identifier: GPL-3.0-or-later
// Where a path leads with every link followed, and the one test of the same file.
#include "core/system/file_place.h"

#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "core/common/messages.h"

namespace pw {
namespace {

// A safe save first writes "NAME.XXXXXX" beside its target and renames it at the end.
constexpr std::size_t kTemporarySuffix = 7;

std::string currentFolder() {
    std::vector<char> buffer(PATH_MAX);
    return ::getcwd(buffer.data(), buffer.size()) != nullptr ? std::string(buffer.data()) : "/";
}

std::string joined(const std::string& folder, const std::string& name) {
    return folder == "/" ? "/" + name : folder + "/" + name;
}

std::string parentOf(const std::string& folder) {
    const std::size_t slash = folder.rfind('/');
    return slash == 0 || slash == std::string::npos ? "/" : folder.substr(0, slash);
}

// The kernel's rule for protected links, kept whatever the machine's setting: a link in a
// sticky folder that everybody may write is followed only when it belongs to the user who
// follows it or to the folder's owner; anyone else may have left it there as a trap.
bool isForeignLink(const struct stat& folder, const struct stat& link) {
    const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
    return shared && link.st_uid != ::geteuid() && link.st_uid != folder.st_uid;
}

bool nameTooLongToSave(const std::string& folder, const std::string& name) {
    const long most = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    return name.size() + kTemporarySuffix > static_cast<std::size_t>(most > 0 ? most : NAME_MAX);
}

}  // namespace

std::deque<std::string> componentsOf(const std::string& path) {
    std::deque<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t slash = std::min(path.find('/', start), path.size());
        if (slash > start) {
            parts.emplace_back(path, start, slash - start);
        }
        start = slash + 1;
    }
    return parts;
}

FilePlace placeOf(const std::string& path) {
    FilePlace place;
    if (path.empty() || path.find('\0') != std::string::npos) {
        return place;
    }
    std::deque<std::string> rest = componentsOf(path);
    std::string at = path.front() == '/' ? "/" : currentFolder();
    int links = 0;
    while (!rest.empty()) {
        const std::string part = std::move(rest.front());
        rest.pop_front();
        if (part == ".") {
            continue;
        }
        if (part == "..") {
            at = parentOf(at);
            continue;
        }
        const std::string next = joined(at, part);
        struct stat found {};
        if (::lstat(next.c_str(), &found) != 0) {
            const int error = errno;
            // The rest is taken by its text: nothing on disk tells where it leads.
            place.path = next;
            for (const std::string& later : rest) {
                place.path = later == ".."  ? parentOf(place.path)
                             : later == "." ? place.path
                                            : joined(place.path, later);
            }
            if (error == ENAMETOOLONG || (rest.empty() && nameTooLongToSave(at, part))) {
                place.refusal = std::strerror(ENAMETOOLONG);
            }
            return place;
        }
        if (S_ISLNK(found.st_mode)) {
            struct stat folder {};
            if (::stat(at.c_str(), &folder) == 0 && isForeignLink(folder, found)) {
                place.path = next;
                place.refusal = messages::translated(messages::kForeignLink);
                return place;
            }
            std::vector<char> target(PATH_MAX + 1);
            const ssize_t length = ::readlink(next.c_str(), target.data(), PATH_MAX);
            if (++links > kMostLinks || length <= 0) {
                place.path = next;
                place.refusal = std::strerror(length <= 0 ? errno : ELOOP);
                return place;
            }
            const std::string leadsTo(target.data(), static_cast<std::size_t>(length));
            std::deque<std::string> more = componentsOf(leadsTo);
            rest.insert(rest.begin(), more.begin(), more.end());
            if (leadsTo.front() == '/') {
                at.assign(1, '/');  // not = "/": GCC 12 at -O2 warns wrongly of an overlap
            }
            continue;
        }
        if (rest.empty() && nameTooLongToSave(at, part)) {
            place.refusal = std::strerror(ENAMETOOLONG);
        }
        at = next;
        if (rest.empty()) {
            place.exists = true;
            place.regular = S_ISREG(found.st_mode);
            place.device = found.st_dev;
            place.inode = found.st_ino;
        }
    }
    place.path = at;
    if (!place.exists) {
        // Every part was "." or "..": the folder they lead to.
        struct stat found {};
        place.exists = ::stat(at.c_str(), &found) == 0;
        place.regular = place.exists && S_ISREG(found.st_mode);
        place.device = found.st_dev;
        place.inode = found.st_ino;
    }
    return place;
}

bool isSameFile(const FilePlace& first, const FilePlace& second) {
    if (first.path.empty() || second.path.empty()) {
        return false;
    }
    if (first.exists && second.exists) {
        return first.device == second.device && first.inode == second.inode;
    }
    return first.path == second.path;
}

bool isSameFile(const std::string& first, const std::string& second) {
    return isSameFile(placeOf(first), placeOf(second));
}

bool liesWithin(const FilePlace& place, const std::string& folder) {
    if (place.path.empty() || folder.empty()) {
        return false;
    }
    const std::string below = folder == "/" ? folder : folder + "/";
    return place.path.size() > below.size() && place.path.starts_with(below);
}

std::string shownPlace(const FilePlace& place) {
    const std::string here = placeOf(".").path;
    return liesWithin(place, here) ? place.path.substr(here == "/" ? 1 : here.size() + 1)
                                   : place.path;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

std::string pathFrom(const std::string& folder, const std::string& name) {
    return name.starts_with('/') || folder == "." ? name : joined(folder, name);
}

}  // namespace pw
