// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the map-file reader alone, on any bytes.
//
// Input layout (fuzz/make_corpus.sh): byte 0 gives the length n = (b % 16) + 1 of a
// pattern of reads, the next n bytes are the reads (b % 7: readInt, readFloat, streamLine,
// skipLine, readLetterLine, streamLineWithin and readLineHead of b / 7 bytes), the rest is
// the file. The pattern's line reads (number reads become streamLine), repeated, must give
// the file's lines one by one, each from its offset in the file, and then nothing; a line
// within a limit gives its first bytes up to the limit, or stops at the first byte past
// the limit that is not a blank (the rest of the line then skipped). The merge target reads
// numbers from any bytes.

#include <QByteArray>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/mapfile/line_reader.h"

namespace {

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "map_reader_fuzzer: broken invariant: %s\n", what);
        std::abort();
    }
}

std::optional<std::string> wholeLine(pw::LineReader& reader) {
    std::string line;
    const auto size = reader.streamLine([&line](std::string_view piece) {
        require(piece.find('\n') == std::string_view::npos, "a bad piece");
        line += piece;
    });
    require(!size || *size == line.size(), "streamLine tells a wrong size");
    return size ? std::optional(line) : std::nullopt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::size_t patternSize = size == 0 ? 0 : data[0] % 16 + 1;
    if (size < 1 + patternSize) {
        return -1;
    }
    const std::vector<std::uint8_t> pattern(data + 1, data + 1 + patternSize);
    const std::string file(reinterpret_cast<const char*>(data) + 1 + patternSize,
                           size - 1 - patternSize);
    const QByteArray bytes = QByteArray::fromStdString(file);

    // The lines as the format has them: a line ends at LF, a CR right before the LF being
    // part of the line end; the last line needs no line end.
    std::vector<std::string> lines;
    std::vector<std::size_t> starts;
    for (std::size_t start = 0, end; start < file.size(); start = end + 1) {
        end = std::min(file.find('\n', start), file.size());
        starts.push_back(start);
        lines.push_back(file.substr(start, end - start));
        if (end < file.size() && lines.back().ends_with('\r')) {
            lines.back().pop_back();
        }
    }
    pw::LineReader reader = pw::LineReader::fromBytes(bytes);
    for (std::size_t next = 0; next < lines.size(); ++next) {
        const std::uint8_t read = pattern[next % pattern.size()];
        const std::string& line = lines[next];
        require(!reader.atEnd() && reader.atEmptyLine() == line.empty(), "atEnd or atEmptyLine");
        require(reader.position() == starts[next], "position");
        if (read % 7 == 3) {
            reader.skipLine();
        } else if (read % 7 == 4) {
            require(reader.readLetterLine() == (line.empty() ? '\0' : line[0]), "readLetterLine");
        } else if (read % 7 == 5) {
            const std::size_t limit = read / 7;
            std::string head;
            const pw::LimitedLine within =
                reader.streamLineWithin(limit, [&head](std::string_view piece) { head += piece; });
            const std::size_t other = line.find_first_not_of(' ', std::min(limit, line.size()));
            require(head == line.substr(0, limit) && within.size == head.size(),
                    "streamLineWithin hands over the line's first bytes");
            if (other == std::string::npos) {
                require(within.kind == pw::LimitedLine::Kind::Line, "streamLineWithin");
            } else {
                require(within.kind == pw::LimitedLine::Kind::TooLong &&
                            reader.position() == starts[next] + other,
                        "streamLineWithin stops at the first byte past the limit");
                reader.skipLine();
            }
        } else if (read % 7 == 6) {
            require(reader.readLineHead(read / 7) == line.substr(0, read / 7), "readLineHead");
        } else {
            require(wholeLine(reader) == line, "streamLine");
        }
    }
    require(
        reader.atEnd() && !wholeLine(reader) && !reader.readLetterLine() && !reader.readLineHead(5),
        "reads past the end");
    require(reader.position() == file.size(), "position at the end");

    return 0;
}
