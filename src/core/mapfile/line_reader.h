#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/mapfile/file_handle.h"

namespace pw {

// Streams one map file in file order, the way the map format reads it: integers and
// floating-point numbers that skip leading white space (line ends included), and whole
// lines. A line ends at LF; a CR right before the LF belongs to the line end. Lines are
// read whole, however long. At the end of the file every read yields nothing.
class LineReader {
  public:
    // Opens a regular file for reading; nullopt when it cannot be opened or is a folder.
    static std::optional<LineReader> open(const std::string& path);

    // Reads an optionally signed decimal integer in 32-bit range.
    bool readInt(std::int32_t& value);
    // Reads a decimal number with optional fraction and exponent as single precision.
    bool readFloat(float& value);
    // Reads the rest of the current line into `line`; false when the file had ended.
    bool readLine(std::string& line);
    // The same without a copy: `line` views the reader's buffer until the next read.
    bool readLineView(std::string_view& line);
    void skipLine();
    // The first character of the next line, NUL for an empty line or the end of the file.
    char readLetterLine();
    bool atEnd();
    // True once a read from the file failed for a reason other than its end.
    bool hadError() const { return error_; }

  private:
    explicit LineReader(FileHandle file);
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

    FileHandle file_;
    std::vector<char> buffer_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool eof_ = false;
    bool error_ = false;
    std::string scratch_;
};

}  // namespace pw
