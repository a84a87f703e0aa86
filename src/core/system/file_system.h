// SPDX-License-Identifier: GPL-3.0-or-later
// The operating system's file calls that the rest of the program may use, over descriptors.
#pragma once

// Every call of the program that is neither Qt nor standard C++ lies in this folder,
// written for POSIX with Linux's additions (openat2, O_PATH, /proc/self/fd). A port to
// another system replaces the .cpp files here and keeps the headers: this one (descriptors,
// a file's status, writes, syncs and renames within a folder, listing a folder, the limit
// of open files, standard output), file_place.h (where a path leads), regular_file.h (the
// one way a file is opened for reading) and held_folder.h (saves confined beneath a folder
// held open). Failures leave their reason in errno, as the system's calls do.

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pw {

// An open descriptor, closed with its owner. Moves only.
class Descriptor {
  public:
    Descriptor() = default;
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(Descriptor&& other) noexcept : fd_(other.release()) {}
    Descriptor& operator=(Descriptor&& other) noexcept;
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor();

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    int release();

  private:
    int fd_ = -1;
};

// What the system tells of a file, enough to know it again and to judge its age.
struct FileStatus {
    bool regular = false;
    bool folder = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    long long size = 0;
    long long modifiedSeconds = 0;
    long long modifiedNanoseconds = 0;
    unsigned mode = 0;  // the permission bits
};

// The file a path names, links followed (or, with `followLink` false, the link itself);
// nullopt with errno when there is none.
std::optional<FileStatus> statusOf(const std::string& path, bool followLink = true);

// The folder descriptor that stands for the current folder in the calls "within a folder".
int currentFolder();
// The descriptor of standard output.
int standardOutput();
// Makes a write to a reader that went away (a closed pipe) fail with its reason instead of
// ending the program.
void failWritesToClosedPipes();

// Writes all of `size` bytes, again after an interruption; false with errno when not
// (`nothingTaken` for a write that takes nothing).
bool writeAll(int fd, const char* data, std::size_t size, int nothingTaken = ENOSPC);
// Makes what was written to `fd` durable; false with errno.
bool syncFile(int fd);
// Makes a new name in the folder `folder` durable, where the folder can be opened for it.
void syncFolder(int folder);
// Renames `from` to `to`, both in the folder `folder`; false with errno.
bool renameWithin(int folder, const std::string& from, const std::string& to);
// Removes the file `name` from the folder `folder`, without a word when it cannot.
void removeWithin(int folder, const std::string& name);
// Whether the folder (a descriptor, or a path) takes new files; false with errno.
bool canCreateIn(int folder);
bool canCreateIn(const std::string& folder);
// A path that reopens the file open at `fd` whatever becomes of its name; empty where the
// system has none.
std::string reopenedPath(int fd);

// Why `folder` cannot be both read and searched, in the system's words: nullopt when it
// can, an empty reason when nothing is there.
std::optional<std::string> unsearchable(const std::string& folder);
// Names listed from a folder, or the system's reason why it cannot be listed.
struct FileNames {
    std::optional<std::vector<std::string>> names;  // nullopt: the folder cannot be listed
    std::string reason;                             // then why
};
// The names of the regular files in `folder` (links followed) that `wanted` accepts, in the
// folder's order.
FileNames regularFilesIn(const std::string& folder, bool (*wanted)(std::string_view name));

// A file-keeping folder's own files, never reached through a link: whether `path` itself is
// a folder; its regular file `path` read whole (nullopt when it is not there or no regular
// file), and marked as used now; and its regular files that `wanted` accepts removed when
// unused since `unusedSince` (seconds since the epoch).
bool isOwnFolder(const std::string& path);
std::optional<std::string> readOwnFile(const std::string& path);
void markOwnFileUsed(const std::string& path);
void removeOwnFilesUnusedSince(const std::string& folder, bool (*wanted)(std::string_view name),
                               long long unusedSince);

}  // namespace pw
