// SPDX-License-Identifier: GPL-3.0-or-later
// The system calls of a save confined to a folder held open, and of keeping what it replaces.
#pragma once

// A folder held open from the moment it is checked, files saved beneath it by descriptor
// (resolved by the kernel, made under a temporary name in the folder found and renamed into
// place there), so that no link, rename or folder swapped between the check and the write
// moves the write elsewhere; a replaced file kept aside under a second name until the save
// is settled; and no execute bit on anything a save writes.

#include <memory>
#include <optional>
#include <string>

#include "core/system/file_place.h"
#include "core/system/file_system.h"

namespace pw {

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

// A folder held, or the reason it could not be.
struct OpenedFolder {
    std::shared_ptr<const HeldFolder> folder;  // null when it could not be held
    std::string reason;                        // then why
};
// Holds the folder `folder` (a place as placeOf gives it); none when it cannot be opened or
// is no longer the folder `folder` saw.
OpenedFolder holdFolder(const FilePlace& folder);

// Is the file named `name` in `folder` still what the plan found there (`planned`)? The
// reason when not; `found` is what is there now.
std::optional<std::string> changedFrom(int folder, const std::string& name,
                                       const FilePlace& planned, FileStatus& found);

// Makes a new file beside `target` in `folder` under a temporary name (`target`, a dot and
// six letters), which `made` receives: with `existing`'s permissions less the execute bits,
// else as a new file's. Invalid with errno when none can be made.
Descriptor makeTemporary(int folder, const std::string& target, const FileStatus* existing,
                         std::string& made);

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
