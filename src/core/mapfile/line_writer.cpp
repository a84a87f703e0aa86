// SPDX-License-Identifier: GPL-3.0-or-later
// The one writer of a map file's lines, buffered, its first failure remembered.
#include "core/mapfile/line_writer.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "core/output/output_file.h"

namespace pw {
namespace {
constexpr std::size_t kBufferSize = 256 * 1024;
}

LineWriter::LineWriter(OutputFile& output) : output_(output), buffer_(kBufferSize) {}

void LineWriter::write(std::string_view text) {
    // The buffer goes to the output whenever it is full; an empty text copies nothing.
    while (!text.empty()) {
        if (used_ == buffer_.size()) {
            flush();
        }
        const std::size_t taken = std::min(text.size(), buffer_.size() - used_);
        std::memcpy(buffer_.data() + used_, text.data(), taken);
        used_ += taken;
        text.remove_prefix(taken);
    }
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
