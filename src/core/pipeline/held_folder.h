// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The system calls of a save, kept together: a folder held open from the moment it is
// checked, files saved beneath it by descriptor (resolved by the kernel, made under a
// temporary name in the folder found and renamed into place there), so that no link,
// rename or folder swapped between the check and the write moves the write elsewhere; a
// replaced file kept aside under a second name until the save is settled; and no execute
// bit on anything a save writes.

#include <memory>
#include <string>

#include "core/common/file_place.h"
#include "core/mapfile/output_file.h"

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

// A folder held open, as a plan checked it; the writes it confines resolve beneath it.
struct HeldFolder {
    Descriptor fd;
    std::string path;  // where it was when held, as placeOf gives it
};

// How a path below a held folder is resolved: by the kernel (openat2), or, where the kernel
// has no openat2, by a walk of single steps that reads each link on the way. Both follow
// links that stay inside and refuse, with EXDEV, any step out (`..` above the folder, an
// absolute link); a loop of links gives ELOOP.
enum class BeneathResolver { Kernel, Walk };
Descriptor openFolderBeneath(int held, const std::string& path,
                             BeneathResolver resolver = BeneathResolver::Kernel);

// A run holds one folder per setup folder until it ends; the soft limit of open files
// (1,024 on many desktops) is raised to the hard one, so that a run over more folders than
// that is not refused for want of descriptors.
void allowManyHeldFolders();

// Holds the folder `folder` (a place as placeOf gives it); null and the reason when it
// cannot be opened or is no longer the folder `folder` saw.
std::shared_ptr<const HeldFolder> holdFolder(const FilePlace& folder, std::string& reason);

// A file saved beneath a held folder: `beneath` is its path below the folder, `planned`
// what the plan found there. The save is refused when the path leads out of the folder or
// finds another file than the plan did (one where there was none, or none where there was
// one); a dry run makes nothing and says whether the folder found takes a new file.
OpenedOutput openBeneath(const HeldFolder& folder, const std::string& beneath,
                         const FilePlace& planned, bool dryRun);

// A second name of the file that a commit replaces, made in the folder `folder` (a
// descriptor, or AT_FDCWD with an absolute `name`), so that the commit can be taken back.
class ReplacedFile {
  public:
    // Before the commit: keeps `name` under a second name, if there is such a file.
    void keep(int folder, const std::string& name);
    // After the commit: `undo` puts the replaced file back, or removes the new one where
    // there was none; otherwise the second name goes. Where no second name could be made
    // (a file system without hard links) the new file stays.
    void settle(bool undo);
    // The commit failed: the file is still in place, only the second name goes.
    void release() { settle(false); }

  private:
    int folder_ = -1;
    std::string name_;
    std::string aside_;
    bool existed_ = false;
};

// Takes every execute bit off the file open at `fd`: a save never makes a program. False
// with errno when the file's mode could not be read or changed.
bool clearExecuteBits(int fd);

}  // namespace pw
