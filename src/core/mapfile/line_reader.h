// SPDX-License-Identifier: GPL-3.0-or-later
// The one reader of a map file's lines, numbers and rows.
#pragma once

#include <QByteArray>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/system/regular_file.h"

class QIODevice;

namespace pw {

struct OpenedReader;

// How a line read within a limit ended.
struct LimitedLine {
    enum class Kind {
        Line,       // read: `size` bytes, at most the limit, handed over
        EndOfFile,  // there was no line to read
        TooLong,    // a byte other than a blank lies past the limit
    };
    Kind kind = Kind::EndOfFile;
    std::size_t size = 0;
};

// Streams one map file in file order, the way the map format reads it: integers and
// floating-point numbers that skip leading white space (line ends included), and lines.
// A line ends at LF; a CR right before the LF belongs to the line end, a lone CR is
// content. No line is ever held whole: memory stays at one fixed buffer whatever the
// file holds. At the end of the file every read yields nothing, even once the file grows.
class LineReader {
  public:
    // Opens a regular file for reading (see openRegularFile); no reader, and why, when it
    // cannot be opened or is no regular file.
    static OpenedReader open(const std::string& path);
    // Reads a map held in memory.
    static LineReader fromBytes(const QByteArray& bytes);

    LineReader(LineReader&&) noexcept;
    LineReader& operator=(LineReader&&) noexcept;
    ~LineReader();

    // A second reader of the same opened file from byte `position` on, with a buffer and
    // an end of its own: what one walk found can be read again without opening the file
    // by its name again. The readers may take turns in any order.
    LineReader readerAt(std::uint64_t position) const;

    // Reads an optionally signed decimal integer in 32-bit range.
    bool readInt(std::int32_t& value);
    // Reads a decimal number with optional fraction and exponent as single precision.
    bool readFloat(float& value);
    // Hands the current line to `sink` (a callable taking std::string_view) in pieces, its
    // line end left out, and moves past it. The line's size; nullopt at the end of the file.
    template <class Sink>
    std::optional<std::size_t> streamLine(Sink&& sink);
    // The same for a line that may hold at most `limit` bytes: blanks past the limit are
    // dropped, and the first other byte there stops the read, the reader left at that byte
    // (nothing after it is read).
    template <class Sink>
    LimitedLine streamLineWithin(std::size_t limit, Sink&& sink);
    // The first `limit` bytes of the current line (all of it when shorter), valid until the
    // next read; the rest of the line is passed over. nullopt at the end of the file.
    std::optional<std::string_view> readLineHead(std::size_t limit);
    // The first character of the next line, NUL for an empty line; nullopt at the end.
    std::optional<char> readLetterLine();
    void skipLine();
    // True when the current line holds nothing before its line end.
    bool atEmptyLine();
    bool atEnd();
    // True once a read from the file failed for a reason other than its end.
    bool hadError() const { return error_; }
    // How many bytes of the file lie before the next read.
    std::uint64_t position() const { return dropped_ + pos_; }

  private:
    explicit LineReader(std::shared_ptr<QIODevice> device);
    // Refills the buffer from its start; false at the end of the file.
    bool fill();
    // Moves the unread bytes to the front of the buffer.
    void keepUnread();
    // Appends what the file gives behind the buffered bytes; false at its end.
    bool readMore();
    int peek();
    // The byte `offset` places ahead of the read position, or -1 past the end.
    int peekAt(std::size_t offset);
    void skipWhiteSpace();
    // The significant digits of a number read so far and the power of ten they scale by.
    struct Mantissa {
        std::string digits;      // without leading zeros, at most a bounded count
        bool sticky = false;     // a non-zero digit followed the kept ones
        bool anyDigit = false;   // the number has at least one digit
        std::int64_t scale = 0;  // value = 0.digits x 10^scale
    };
    void takeDigits(Mantissa& mantissa, bool fraction);

    std::shared_ptr<QIODevice> device_;  // shared with the readers made by readerAt
    std::vector<char> buffer_;
    std::uint64_t dropped_ = 0;  // bytes read and gone from the buffer
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool eof_ = false;
    bool error_ = false;
    std::string scratch_;
};

// A map file opened for reading, or why it could not be.
struct OpenedReader {
    std::optional<LineReader> reader;
    OpenFailure failure = OpenFailure::None;
};

template <class Sink>
std::optional<std::size_t> LineReader::streamLine(Sink&& sink) {
    const LimitedLine line = streamLineWithin(std::string::npos, std::forward<Sink>(sink));
    return line.kind == LimitedLine::Kind::Line ? std::optional(line.size) : std::nullopt;
}

template <class Sink>
LimitedLine LineReader::streamLineWithin(std::size_t limit, Sink&& sink) {
    if (peek() < 0) {
        return {};
    }
    std::size_t size = 0;
    // Hands over what of a piece fits; false, the reader left at the byte, when the rest
    // holds a byte other than a blank.
    const auto take = [&](const char* start, std::size_t piece) {
        const std::size_t fits = std::min(piece, limit - size);
        sink(std::string_view(start, fits));
        size += fits;
        const char* end = start + piece;
        const char* other = std::find_if(start + fits, end, [](char c) { return c != ' '; });
        if (other != end) {
            pos_ = static_cast<std::size_t>(other - buffer_.data());
            return false;
        }
        return true;
    };
    for (;;) {
        const char* start = buffer_.data() + pos_;
        std::size_t piece = end_ - pos_;
        if (const void* found = std::memchr(start, '\n', piece)) {
            piece = static_cast<std::size_t>(static_cast<const char*>(found) - start);
            const std::size_t next = pos_ + piece + 1;
            if (piece > 0 && start[piece - 1] == '\r') {
                --piece;  // CR LF is one line end
            }
            if (!take(start, piece)) {
                return {LimitedLine::Kind::TooLong, size};
            }
            pos_ = next;
            return {LimitedLine::Kind::Line, size};
        }
        // No line end buffered: hand over all but a last CR, which may start a CR LF.
        if (start[piece - 1] == '\r') {
            --piece;
        }
        if (!take(start, piece)) {
            return {LimitedLine::Kind::TooLong, size};
        }
        pos_ += piece;
        keepUnread();
        if (!readMore()) {
            if (pos_ < end_ && !take(buffer_.data() + pos_, end_ - pos_)) {
                return {LimitedLine::Kind::TooLong, size};  // a CR that ends the file is content
            }
            pos_ = end_;
            return {LimitedLine::Kind::Line, size};
        }
    }
}

}  // namespace pw
