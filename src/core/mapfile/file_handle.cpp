#include "core/mapfile/file_handle.h"

#include <unistd.h>

namespace pw {

bool FileHandle::close() {
    if (fd_ < 0) {
        return true;
    }
    const int result = ::close(std::exchange(fd_, -1));
    return result == 0;
}

void FileHandle::reset(int fd) {
    if (fd_ >= 0) {
        ::close(fd_);
    }
    fd_ = fd;
}

}  // namespace pw
