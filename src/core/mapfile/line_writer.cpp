#include "core/mapfile/line_writer.h"

#include <charconv>
#include <cstring>

#include "core/mapfile/output_file.h"

namespace pw {
namespace {
constexpr std::size_t kBufferSize = 256 * 1024;
}

LineWriter::LineWriter(OutputFile& output) : output_(output), buffer_(kBufferSize) {}

void LineWriter::write(std::string_view text) {
    if (text.empty()) {
        return;  // an ended source's row views no bytes at all
    }
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
    if (ok_ && size > 0) {
        ok_ = output_.write(data, size);
    }
}

}  // namespace pw
