// SPDX-License-Identifier: GPL-3.0-or-later
// The system calls of a save confined to a folder held open, and of keeping what it replaces.
#include "core/system/held_folder.h"

#include <fcntl.h>
#include <limits.h>
#include <linux/openat2.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <deque>
#include <optional>
#include <random>
#include <vector>

#include "core/common/messages.h"

namespace pw {
namespace {

// Tries at a temporary name before the folder is taken to refuse new files.
constexpr int kNameTries = 100;
// What a save may leave on a file: reading and writing, never executing or set-id.
constexpr mode_t kSavedModeBits = 0666;

std::string reasonOf(int error) {
    return std::strerror(error);
}

// Where the kernel has no openat2: the same walk by hand, a step at a time without
// following links, each link read and walked in its turn, and no step above `held`.
Descriptor walkBeneath(int held, const std::string& path) {
    std::vector<Descriptor> walked;  // the folders below `held` on the way
    std::deque<std::string> rest = componentsOf(path);
    int links = 0;
    while (!rest.empty()) {
        const std::string part = std::move(rest.front());
        rest.pop_front();
        const int at = walked.empty() ? held : walked.back().get();
        if (part == ".") {
            continue;
        }
        if (part == "..") {
            if (walked.empty()) {
                errno = EXDEV;
                return {};
            }
            walked.pop_back();
            continue;
        }
        Descriptor next(::openat(at, part.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (next.valid()) {
            walked.push_back(std::move(next));
            continue;
        }
        const int error = errno;
        std::vector<char> target(PATH_MAX);
        const ssize_t length = ::readlinkat(at, part.c_str(), target.data(), target.size());
        if (length <= 0) {
            errno = error;
            return {};
        }
        if (++links > kMostLinks || target.front() == '/') {
            errno = links > kMostLinks ? ELOOP : EXDEV;
            return {};
        }
        std::deque<std::string> more =
            componentsOf(std::string(target.data(), static_cast<std::size_t>(length)));
        rest.insert(rest.begin(), more.begin(), more.end());
    }
    return Descriptor(::openat(walked.empty() ? held : walked.back().get(), ".",
                               O_PATH | O_DIRECTORY | O_CLOEXEC));
}

}  // namespace

Descriptor openFolderBeneath(int held, const std::string& path, BeneathResolver resolver) {
    if (resolver == BeneathResolver::Walk) {
        return walkBeneath(held, path);
    }
    open_how how{};
    how.flags = O_PATH | O_DIRECTORY | O_CLOEXEC;
    how.resolve = RESOLVE_BENEATH | RESOLVE_NO_MAGICLINKS;
    const long fd = ::syscall(SYS_openat2, held, path.c_str(), &how, sizeof how);
    if (fd >= 0 || (errno != ENOSYS && errno != EPERM)) {
        return Descriptor(static_cast<int>(fd));
    }
    return walkBeneath(held, path);
}

void allowManyHeldFolders() {
    struct rlimit files {};
    if (::getrlimit(RLIMIT_NOFILE, &files) == 0 && files.rlim_cur < files.rlim_max) {
        files.rlim_cur = files.rlim_max;
        ::setrlimit(RLIMIT_NOFILE, &files);
    }
}

std::optional<std::string> changedFrom(int folder, const std::string& name,
                                       const FilePlace& planned, FileStatus& found) {
    struct stat there {};
    if (::fstatat(folder, name.c_str(), &there, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno != ENOENT) {
            return reasonOf(errno);
        }
        return planned.exists
                   ? std::optional<std::string>(messages::translated(messages::kPlaceChanged))
                   : std::nullopt;
    }
    found = FileStatus{};
    found.regular = S_ISREG(there.st_mode);
    found.device = there.st_dev;
    found.inode = there.st_ino;
    found.mode = there.st_mode & 07777;
    if (!planned.exists || there.st_dev != planned.device || there.st_ino != planned.inode) {
        return messages::translated(messages::kPlaceChanged);
    }
    return found.regular
               ? std::nullopt
               : std::optional<std::string>(messages::translated(messages::kNotRegularFile));
}

Descriptor makeTemporary(int folder, const std::string& target, const FileStatus* existing,
                         std::string& made) {
    std::random_device seed;
    std::mt19937 random(seed());
    static constexpr char kLetters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::uniform_int_distribution<std::size_t> letter(0, sizeof kLetters - 2);
    Descriptor file;
    for (int tries = 0; tries < kNameTries && !file.valid(); ++tries) {
        std::string name = target + '.';
        for (int i = 0; i < 6; ++i) {
            name += kLetters[letter(random)];
        }
        file = Descriptor(::openat(folder, name.c_str(),
                                   O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                   existing != nullptr ? 0600 : kSavedModeBits));
        if (file.valid()) {
            made = std::move(name);
        } else if (errno != EEXIST) {
            return {};
        }
    }
    if (!file.valid()) {
        errno = EEXIST;
        return {};
    }
    if (existing != nullptr && ::fchmod(file.get(), existing->mode & kSavedModeBits) != 0) {
        const int error = errno;
        ::unlinkat(folder, made.c_str(), 0);
        made.clear();
        errno = error;
        return {};
    }
    return file;
}

OpenedFolder holdFolder(const FilePlace& folder) {
    Descriptor fd(::open(folder.path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    struct stat found {};
    if (!fd.valid() || ::fstat(fd.get(), &found) != 0) {
        return {nullptr, reasonOf(errno)};
    }
    if (!folder.exists || found.st_dev != folder.device || found.st_ino != folder.inode) {
        return {nullptr, messages::translated(messages::kPlaceChanged)};
    }
    return {std::make_shared<const HeldFolder>(HeldFolder{std::move(fd), folder.path}), {}};
}

void ReplacedFile::keep(int folder, const std::string& name) {
    struct stat found {};
    folder_ = folder;
    name_ = name;
    existed_ = ::fstatat(folder, name.c_str(), &found, AT_SYMLINK_NOFOLLOW) == 0;
    const std::string aside = name + ".old-" + std::to_string(::getpid());
    if (existed_ && ::linkat(folder, name.c_str(), folder, aside.c_str(), 0) == 0) {
        aside_ = aside;
    }
}

void ReplacedFile::settle(bool undo) {
    if (undo) {
        if (!aside_.empty()) {
            ::renameat(folder_, aside_.c_str(), folder_, name_.c_str());
        } else if (!existed_ && !name_.empty()) {
            ::unlinkat(folder_, name_.c_str(), 0);
        }
    } else if (!aside_.empty()) {
        ::unlinkat(folder_, aside_.c_str(), 0);
    }
    aside_.clear();
    name_.clear();
}

bool clearExecuteBits(int fd) {
    struct stat found {};
    if (::fstat(fd, &found) != 0) {
        return false;
    }
    return (found.st_mode & 07111) == 0 || ::fchmod(fd, found.st_mode & kSavedModeBits) == 0;
}

}  // namespace pw
