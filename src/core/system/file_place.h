// SPDX-License-Identifier: GPL-3.0-or-later
// Where a path leads with every link followed, and the one test of the same file.
#pragma once

#include <cstdint>
#include <deque>
#include <string>

namespace pw {

// As many links as the kernel follows on one path before it calls it a loop.
constexpr int kMostLinks = 40;

// The names of a path between its slashes, "." and ".." included, empty ones left out.
std::deque<std::string> componentsOf(const std::string& path);

// Where a path leads once every link on its way is followed, worked out on the path's
// bytes: the file it names, or, for a name that is not there yet, the place where it would
// be made (a dangling link leads to the file it would create). This is the one test of
// "the same file" and of "inside a folder" that the program makes.
struct FilePlace {
    std::string path;     // absolute, without links, "." or ".."; empty when nothing leads anywhere
    bool exists = false;  // something is there (dev and ino then name it)
    bool regular = false;  // ... and it is a regular file
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    // Why nothing may be written there, in the system's words where it has them: a loop of
    // links, a link that another user left in a shared folder, a name longer than the file
    // system takes (or whose temporary name would be). Empty when a write may go ahead.
    std::string refusal;
};

// Where `path` leads. A folder on the way that is missing or out of reach ends the walk:
// the rest of the path is then taken as it is written, and the write reports that reason.
FilePlace placeOf(const std::string& path);

// True when the two paths name one file: the same file on disk when both exist (links
// followed, hard links included), else the same place.
bool isSameFile(const std::string& first, const std::string& second);
bool isSameFile(const FilePlace& first, const FilePlace& second);

// True when `place` lies in the folder `folder` (a path as placeOf gives it) or below it.
bool liesWithin(const FilePlace& place, const std::string& folder);

// A place as messages show it: relative to the current folder when it lies below it.
std::string shownPlace(const FilePlace& place);

// The folder part of a path as given ("." for a bare name), and a path taken from there:
// `name` itself when it is absolute.
std::string folderOf(const std::string& path);
std::string pathFrom(const std::string& folder, const std::string& name);

}  // namespace pw
