// SPDX-License-Identifier: GPL-3.0-or-later
// The one writer of a map file's lines, buffered, its first failure remembered.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace pw {

class OutputFile;

// Buffered writer of map-file lines: every line ends with CR LF. The bytes go to the
// output in large blocks; the first failed write is remembered and later writes are
// dropped, so the caller checks what `flush()` returns once at the end.
class LineWriter {
  public:
    explicit LineWriter(OutputFile& output);
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    void write(std::string_view text);
    void writeInt(std::int32_t value);
    void endLine() { write("\r\n"); }
    void writeLine(std::string_view text) {
        write(text);
        endLine();
    }
    // Hands every buffered byte to the file; false if any write failed.
    bool flush();

  private:
    void drain(const char* data, std::size_t size);

    OutputFile& output_;
    std::vector<char> buffer_;
    std::size_t used_ = 0;
    bool ok_ = true;
};

}  // namespace pw
