#include "core/mapfile/line_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>

namespace pw {
namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

bool isWhiteSpace(int c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(int c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<LineReader> LineReader::open(const std::string& path) {
    if (path.empty()) {
        return std::nullopt;
    }
    FileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.isOpen()) {
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0 || S_ISDIR(info.st_mode)) {
        return std::nullopt;
    }
    return LineReader(std::move(file));
}

LineReader::LineReader(FileHandle file) : file_(std::move(file)), buffer_(kBufferSize) {}

bool LineReader::fill() {
    pos_ = 0;
    end_ = 0;
    return readMore();
}

void LineReader::keepUnread() {
    std::memmove(buffer_.data(), buffer_.data() + pos_, end_ - pos_);
    end_ -= pos_;
    pos_ = 0;
}

bool LineReader::readMore() {
    while (!eof_) {
        const ssize_t got = ::read(file_.get(), buffer_.data() + end_, buffer_.size() - end_);
        if (got > 0) {
            end_ += static_cast<std::size_t>(got);
            return true;
        }
        if (got < 0 && errno == EINTR) {
            continue;
        }
        error_ = got < 0;
        eof_ = true;
    }
    return false;
}

int LineReader::peek() {
    if (pos_ == end_ && !fill()) {
        return -1;
    }
    return static_cast<unsigned char>(buffer_[pos_]);
}

bool LineReader::atEnd() {
    return peek() < 0;
}

void LineReader::skipWhiteSpace() {
    for (int c = peek(); c >= 0 && isWhiteSpace(c); c = peek()) {
        ++pos_;
    }
}

bool LineReader::readInt(std::int32_t& value) {
    skipWhiteSpace();
    bool negative = false;
    int c = peek();
    if (c == '+' || c == '-') {
        negative = c == '-';
        ++pos_;
        c = peek();
    }
    if (!isDigit(c)) {
        return false;
    }
    // Accumulate the magnitude with a ceiling, so that any length of digits is safe.
    constexpr std::int64_t kCeiling = std::int64_t{1} << 32;
    std::int64_t magnitude = 0;
    for (; isDigit(c); c = peek()) {
        magnitude = std::min(magnitude * 10 + (c - '0'), kCeiling);
        ++pos_;
    }
    const std::int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue < INT32_MIN || signedValue > INT32_MAX) {
        return false;
    }
    value = static_cast<std::int32_t>(signedValue);
    return true;
}

bool LineReader::readFloat(float& value) {
    skipWhiteSpace();
    scratch_.clear();
    auto take = [this](int c) {
        scratch_.push_back(static_cast<char>(c));
        ++pos_;
    };
    int c = peek();
    if (c == '+' || c == '-') {
        take(c);
        c = peek();
    }
    bool digits = false;
    for (; isDigit(c); c = peek()) {
        take(c);
        digits = true;
    }
    if (c == '.') {
        take(c);
        for (c = peek(); isDigit(c); c = peek()) {
            take(c);
            digits = true;
        }
    }
    if (!digits) {
        return false;
    }
    // An exponent counts only with digits after it; otherwise the letter starts the text.
    if (c == 'e' || c == 'E') {
        const int next = peekAt(1);
        const bool signedExponent = next == '+' || next == '-';
        if (isDigit(signedExponent ? peekAt(2) : next)) {
            take(c);
            if (signedExponent) {
                take(next);
            }
            for (c = peek(); isDigit(c); c = peek()) {
                take(c);
            }
        }
    }
    // from_chars takes no leading '+'.
    const char* first = scratch_.data() + (scratch_.front() == '+' ? 1 : 0);
    float parsed = 0.0F;
    const auto result = std::from_chars(first, scratch_.data() + scratch_.size(), parsed,
                                        std::chars_format::general);
    if (result.ec != std::errc()) {
        return false;
    }
    value = parsed;
    return true;
}

int LineReader::peekAt(std::size_t offset) {
    if (pos_ + offset >= end_) {
        keepUnread();
        while (end_ <= offset && readMore()) {
        }
    }
    return pos_ + offset < end_ ? static_cast<unsigned char>(buffer_[pos_ + offset]) : -1;
}

bool LineReader::readLine(std::string& line) {
    std::string_view view;
    const bool read = readLineView(view);
    line.assign(view);
    return read;
}

bool LineReader::readLineView(std::string_view& line) {
    line = {};
    if (peek() < 0) {
        return false;
    }
    std::size_t scanned = pos_;
    for (;;) {
        const void* found = std::memchr(buffer_.data() + scanned, '\n', end_ - scanned);
        if (found != nullptr) {
            const auto newline =
                static_cast<std::size_t>(static_cast<const char*>(found) - buffer_.data());
            std::size_t size = newline - pos_;
            if (size > 0 && buffer_[newline - 1] == '\r') {
                --size;  // CR LF is one line end
            }
            line = std::string_view(buffer_.data() + pos_, size);
            pos_ = newline + 1;
            return true;
        }
        if (eof_) {
            line = std::string_view(buffer_.data() + pos_, end_ - pos_);
            pos_ = end_;
            return true;
        }
        // The line runs past the buffer: keep its start, make room and read on.
        keepUnread();
        scanned = end_;
        if (end_ == buffer_.size()) {
            buffer_.resize(buffer_.size() * 2);
        }
        readMore();
    }
}

void LineReader::skipLine() {
    while (peek() >= 0) {
        const char* start = buffer_.data() + pos_;
        const void* found = std::memchr(start, '\n', end_ - pos_);
        if (found != nullptr) {
            pos_ += static_cast<std::size_t>(static_cast<const char*>(found) - start) + 1;
            return;
        }
        pos_ = end_;
    }
}

char LineReader::readLetterLine() {
    std::string_view line;
    if (!readLineView(line) || line.empty()) {
        return '\0';
    }
    return line.front();
}

}  // namespace pw
