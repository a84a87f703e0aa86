// SPDX-License-Identifier: GPL-3.0-or-later
// The operating system's file calls over descriptors, for POSIX with Linux's additions.
#include "core/system/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

namespace pw {
namespace {

FileStatus statusFrom(const struct stat& found) {
    FileStatus status;
    status.regular = S_ISREG(found.st_mode);
    status.folder = S_ISDIR(found.st_mode);
    status.device = found.st_dev;
    status.inode = found.st_ino;
    status.size = found.st_size;
    status.modifiedSeconds = found.st_mtim.tv_sec;
    status.modifiedNanoseconds = found.st_mtim.tv_nsec;
    status.mode = found.st_mode & 07777;
    return status;
}

struct ClosedDir {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

}  // namespace

Descriptor& Descriptor::operator=(Descriptor&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = other.release();
    }
    return *this;
}

Descriptor::~Descriptor() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

int Descriptor::release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
}

std::optional<FileStatus> statusOf(const std::string& path, bool followLink) {
    struct stat found {};
    const int result = followLink ? ::stat(path.c_str(), &found) : ::lstat(path.c_str(), &found);
    return result == 0 ? std::optional<FileStatus>(statusFrom(found)) : std::nullopt;
}

int currentFolder() {
    return AT_FDCWD;
}

int standardOutput() {
    return STDOUT_FILENO;
}

void failWritesToClosedPipes() {
    ::signal(SIGPIPE, SIG_IGN);
}

bool writeAll(int fd, const char* data, std::size_t size, int nothingTaken) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            if (written == 0) {
                errno = nothingTaken;
            }
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool syncFile(int fd) {
    return ::fsync(fd) == 0;
}

void syncFolder(int folder) {
    const Descriptor synced(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (synced.valid()) {
        ::fsync(synced.get());
    }
}

bool renameWithin(int folder, const std::string& from, const std::string& to) {
    return ::renameat(folder, from.c_str(), folder, to.c_str()) == 0;
}

void removeWithin(int folder, const std::string& name) {
    ::unlinkat(folder, name.c_str(), 0);
}

bool canCreateIn(int folder) {
    return ::faccessat(folder, ".", W_OK | X_OK, 0) == 0;
}

bool canCreateIn(const std::string& folder) {
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

std::string reopenedPath(int fd) {
    const std::string reopened = "/proc/self/fd/" + std::to_string(fd);
    return fd >= 0 && ::access(reopened.c_str(), F_OK) == 0 ? reopened : std::string();
}

std::optional<std::string> unsearchable(const std::string& folder) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) {
        return errno == ENOENT ? std::string() : std::string(std::strerror(errno));
    }
    if (!S_ISDIR(info.st_mode)) {
        return std::string(std::strerror(ENOTDIR));
    }
    if (::access(folder.c_str(), R_OK | X_OK) != 0) {
        return std::string(std::strerror(errno));
    }
    return std::nullopt;
}

FileNames regularFilesIn(const std::string& folder, bool (*wanted)(std::string_view name)) {
    std::optional<std::string> problem = unsearchable(folder);
    const std::unique_ptr<DIR, ClosedDir> dir(problem ? nullptr : ::opendir(folder.c_str()));
    if (!problem && !dir) {
        problem = std::strerror(errno);
    }
    if (problem) {
        return {std::nullopt, problem->empty() ? std::strerror(ENOENT) : *problem};
    }
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        struct stat target {};
        // Followed links included: a fifo, a device or a folder is never offered.
        if (wanted(name) && ::fstatat(::dirfd(dir.get()), entry->d_name, &target, 0) == 0 &&
            S_ISREG(target.st_mode)) {
            names.emplace_back(name);
        }
    }
    return {std::move(names), {}};
}

bool isOwnFolder(const std::string& path) {
    const std::optional<FileStatus> status = statusOf(path, false);
    return status && status->folder;
}

std::optional<std::string> readOwnFile(const std::string& path) {
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat opened {};
    if (!file.valid() || ::fstat(file.get(), &opened) != 0 || !S_ISREG(opened.st_mode)) {
        return std::nullopt;
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return std::nullopt;
        }
        if (got == 0) {
            return bytes;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
}

void markOwnFileUsed(const std::string& path) {
    const struct timespec times[2] = {{0, UTIME_OMIT}, {0, UTIME_NOW}};
    ::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW);
}

void removeOwnFilesUnusedSince(const std::string& folder, bool (*wanted)(std::string_view name),
                               long long unusedSince) {
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (descriptor < 0) {
        return;
    }
    const std::unique_ptr<DIR, ClosedDir> dir(::fdopendir(descriptor));
    if (!dir) {
        ::close(descriptor);
        return;
    }
    while (const dirent* entry = ::readdir(dir.get())) {
        struct stat found {};
        if (wanted(entry->d_name) &&
            ::fstatat(descriptor, entry->d_name, &found, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(found.st_mode) && found.st_mtim.tv_sec < unusedSince) {
            ::unlinkat(descriptor, entry->d_name, 0);
        }
    }
}

}  // namespace pw
