// SPDX-License-Identifier: GPL-3.0-or-later
// The one way a file is opened for reading: only a regular file, never waiting.
#pragma once

#include <QFile>
#include <memory>
#include <string>

namespace pw {

// Why a file could not be opened for reading.
enum class OpenFailure {
    None,
    NameNotUtf8,  // the path's bytes do not round-trip through Qt (see path_bytes.h)
    NotRegular,   // a folder, a fifo, a device, a socket, or a link to one
    Missing,      // nothing of that name (a dangling link included)
    CannotOpen,   // no permission, or another reason of the system
};

struct OpenedFile {
    std::unique_ptr<QFile> file;  // open for reading, unbuffered; null on failure
    OpenFailure failure = OpenFailure::None;
    std::string reason;  // why, in the system's words where it has them
};

// The one way the program opens a file for reading. Only a regular file (after following
// links) is ever opened, so that no read can wait for ever on a fifo or a terminal, and
// opening never touches a device.
OpenedFile openRegularFile(const std::string& path);

}  // namespace pw
