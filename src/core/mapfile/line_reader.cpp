// SPDX-License-Identifier: GPL-3.0-or-later
// The one reader of a map file's lines, numbers and rows.
#include "core/mapfile/line_reader.h"

#include <QBuffer>
#include <algorithm>
#include <charconv>

namespace pw {
namespace {

constexpr std::size_t kBufferSize = 64 * 1024;
// Significant digits kept of a number: more than any single-precision rounding decision
// needs, so that a dropped tail only ever matters as "something non-zero follows".
constexpr std::size_t kKeptDigits = 200;
// An exponent beyond this puts any kept mantissa out of single-precision range.
constexpr std::int64_t kExponentCeiling = 100000;

bool isWhiteSpace(int c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(int c) {
    return c >= '0' && c <= '9';
}

}  // namespace

OpenedReader LineReader::open(const std::string& path) {
    OpenedFile opened = openRegularFile(path);
    OpenedReader result;
    result.failure = opened.failure;
    if (opened.file) {
        result.reader = LineReader(std::move(opened.file));
    }
    return result;
}

LineReader LineReader::fromBytes(const QByteArray& bytes) {
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    return LineReader(std::move(buffer));
}

LineReader::LineReader(std::shared_ptr<QIODevice> device)
    : device_(std::move(device)), buffer_(kBufferSize) {}
LineReader::LineReader(LineReader&&) noexcept = default;
LineReader& LineReader::operator=(LineReader&&) noexcept = default;
LineReader::~LineReader() = default;

LineReader LineReader::readerAt(std::uint64_t position) const {
    LineReader reader(device_);
    reader.dropped_ = position;
    return reader;
}

bool LineReader::fill() {
    dropped_ += pos_;
    pos_ = 0;
    end_ = 0;
    return readMore();
}

void LineReader::keepUnread() {
    std::memmove(buffer_.data(), buffer_.data() + pos_, end_ - pos_);
    dropped_ += pos_;
    end_ -= pos_;
    pos_ = 0;
}

bool LineReader::readMore() {
    if (eof_ || end_ == buffer_.size()) {
        return false;
    }
    // Another reader of the device may have moved it.
    const auto at = static_cast<qint64>(dropped_ + end_);
    if (device_->pos() != at && !device_->seek(at)) {
        error_ = true;
        eof_ = true;
        return false;
    }
    const qint64 got =
        device_->read(buffer_.data() + end_, static_cast<qint64>(buffer_.size() - end_));
    if (got > 0) {
        end_ += static_cast<std::size_t>(got);
        return true;
    }
    error_ = got < 0;
    eof_ = true;
    return false;
}

int LineReader::peek() {
    if (pos_ == end_ && !fill()) {
        return -1;
    }
    return static_cast<unsigned char>(buffer_[pos_]);
}

int LineReader::peekAt(std::size_t offset) {
    if (pos_ + offset >= end_) {
        keepUnread();
        while (end_ <= offset && readMore()) {
        }
    }
    return pos_ + offset < end_ ? static_cast<unsigned char>(buffer_[pos_ + offset]) : -1;
}

bool LineReader::atEnd() {
    return peek() < 0;
}

bool LineReader::atEmptyLine() {
    const int c = peek();
    return c == '\n' || (c == '\r' && peekAt(1) == '\n');
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

void LineReader::takeDigits(Mantissa& mantissa, bool fraction) {
    for (int c = peek(); isDigit(c); c = peek()) {
        ++pos_;
        mantissa.anyDigit = true;
        if (mantissa.digits.empty() && c == '0') {
            // A leading zero is no significant digit; after the point it lowers the scale.
            mantissa.scale -= fraction ? 1 : 0;
            continue;
        }
        if (mantissa.digits.size() < kKeptDigits) {
            mantissa.digits.push_back(static_cast<char>(c));
        } else if (c != '0') {
            mantissa.sticky = true;
        }
        mantissa.scale += fraction ? 0 : 1;
    }
}

bool LineReader::readFloat(float& value) {
    skipWhiteSpace();
    // The number is rewritten as 0.DIGITS e SCALE with its significant digits only, so that
    // however many digits the file holds, a bounded text decides its value exactly.
    Mantissa mantissa;
    int c = peek();
    const bool negative = c == '-';
    if (c == '+' || c == '-') {
        ++pos_;
        c = peek();
    }
    takeDigits(mantissa, false);
    if (peek() == '.') {
        ++pos_;
        takeDigits(mantissa, true);
    }
    if (!mantissa.anyDigit) {
        return false;
    }
    // An exponent counts only with digits after it; otherwise the letter starts the text.
    c = peek();
    if (c == 'e' || c == 'E') {
        const int next = peekAt(1);
        const bool signedExponent = next == '+' || next == '-';
        if (isDigit(signedExponent ? peekAt(2) : next)) {
            pos_ += signedExponent ? 2 : 1;
            std::int64_t exponent = 0;
            for (c = peek(); isDigit(c); c = peek()) {
                exponent = std::min(exponent * 10 + (c - '0'), kExponentCeiling);
                ++pos_;
            }
            mantissa.scale += next == '-' ? -exponent : exponent;
        }
    }
    scratch_ = negative ? "-0" : "0";
    if (!mantissa.digits.empty()) {
        scratch_ += '.';
        scratch_ += mantissa.digits;
        if (mantissa.sticky) {
            scratch_ += '1';
        }
        scratch_ += 'e';
        scratch_ += std::to_string(std::clamp(mantissa.scale, -kExponentCeiling, kExponentCeiling));
    }
    float parsed = 0.0F;
    const auto result = std::from_chars(scratch_.data(), scratch_.data() + scratch_.size(), parsed,
                                        std::chars_format::general);
    if (result.ec != std::errc()) {
        return false;
    }
    value = parsed;
    return true;
}

std::optional<std::string_view> LineReader::readLineHead(std::size_t limit) {
    scratch_.clear();
    const std::optional<std::size_t> size = streamLine([this, limit](std::string_view piece) {
        if (scratch_.size() < limit) {
            scratch_.append(piece.substr(0, limit - scratch_.size()));
        }
    });
    if (!size) {
        return std::nullopt;
    }
    return std::string_view(scratch_);
}

std::optional<char> LineReader::readLetterLine() {
    const std::optional<std::string_view> head = readLineHead(1);
    if (!head) {
        return std::nullopt;
    }
    return head->empty() ? '\0' : head->front();
}

void LineReader::skipLine() {
    streamLine([](std::string_view) {});
}

}  // namespace pw
