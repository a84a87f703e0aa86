#include "mapfile/line_writer.h"

#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>

namespace pw {
namespace {
constexpr std::size_t kBufferSize = 256 * 1024;
}

LineWriter::LineWriter(int fd) : fd_(fd), buffer_(kBufferSize) {}

void LineWriter::write(std::string_view text) {
    if (text.size() > buffer_.size() - used_) {
        flush();
        if (text.size() >= buffer_.size()) {
            drain(text.data(), text.size());
            return;
        }
    }
    std::memcpy(buffer_.data() + used_, text.data(), text.size());
    used_ += text.size();
}

void LineWriter::writeInt(std::int32_t value) {
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    write(std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
}

bool LineWriter::flush() {
    drain(buffer_.data(), used_);
    used_ = 0;
    return ok_;
}

void LineWriter::drain(const char* data, std::size_t size) {
    while (ok_ && size > 0) {
        const ssize_t written = ::write(fd_, data, size);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            ok_ = false;
            return;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
}

}  // namespace pw
