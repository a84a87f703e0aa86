// SPDX-License-Identifier: GPL-3.0-or-later
// The one way a file is opened for reading: only a regular file, never waiting.
#include "core/system/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/common/messages.h"
#include "core/common/path_bytes.h"

namespace pw {

OpenedFile openRegularFile(const std::string& path) {
    if (path.empty() || path.find('\0') != std::string::npos) {  // names no file
        return {nullptr, OpenFailure::CannotOpen, std::strerror(ENOENT)};
    }
    if (!pathRoundTrips(path)) {
        return {nullptr, OpenFailure::NameNotUtf8, messages::translated(messages::kNameNotUtf8)};
    }
    // What the path names is looked at before it is opened: opening a device may already
    // do something (rewind a tape, start a watchdog), and opening a fifo waits for a writer.
    struct stat target {};
    if (::stat(path.c_str(), &target) != 0) {
        const int error = errno;
        return {nullptr, error == ENOENT ? OpenFailure::Missing : OpenFailure::CannotOpen,
                std::strerror(error)};
    }
    if (!S_ISREG(target.st_mode)) {
        return {nullptr, OpenFailure::NotRegular, messages::translated(messages::kNotRegularFile)};
    }
    // Non-blocking, and looked at again once open, in case the name was swapped meanwhile.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return {nullptr, OpenFailure::CannotOpen, std::strerror(errno)};
    }
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(fd);
        return {nullptr, OpenFailure::NotRegular, messages::translated(messages::kNotRegularFile)};
    }
    auto file = std::make_unique<QFile>();
    // The reader buffers on its own; Qt's buffer would only copy every byte once more.
    if (!file->open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered,
                    QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {nullptr, OpenFailure::CannotOpen, file->errorString().toStdString()};
    }
    return {std::move(file), OpenFailure::None, {}};
}

}  // namespace pw
