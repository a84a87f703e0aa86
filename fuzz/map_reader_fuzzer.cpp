// libFuzzer target: the map-file reader alone, on any bytes.
//
// Input layout (fuzz/make_corpus.sh): byte 0 gives the length n = (b % 16) + 1 of a
// pattern of read operations, the next n bytes are the operations (b % 7: readInt,
// readFloat, streamLine, skipLine, readLetterLine, atEnd and atEmptyLine, readLineHead of
// b / 7 bytes), the rest is the file. Three passes over it:
//   1. streamLine alone: the lines and their line ends give back the file exactly;
//   2. the line operations in the pattern's order (number reads become streamLine): each
//      agrees with pass 1 line by line;
//   3. every operation in the pattern's order: the reads end, and at the end every read
//      yields nothing.

#include <QByteArray>
#include <cstdint>
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
        require(!piece.empty() && piece.find('\n') == std::string_view::npos, "a bad piece");
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

    pw::LineReader whole = pw::LineReader::fromBytes(bytes);
    std::vector<std::string> lines;
    std::size_t at = 0;
    for (std::optional<std::string> line; (line = wholeLine(whole));) {
        require(file.compare(at, line->size(), *line) == 0, "a line is not the file's bytes");
        at += line->size();
        const bool crlf = file.compare(at, 2, "\r\n") == 0;
        require(at == file.size() || crlf || file[at] == '\n', "a line stopped early");
        at += at == file.size() ? 0 : crlf ? 2 : 1;
        lines.push_back(std::move(*line));
    }
    require(at == file.size() && whole.atEnd() && !whole.hadError(), "the lines end early");

    pw::LineReader reader = pw::LineReader::fromBytes(bytes);
    for (std::size_t next = 0, step = 0; next < lines.size(); ++step, ++next) {
        const std::uint8_t operation = pattern[step % pattern.size()];
        const std::string& line = lines[next];
        require(!reader.atEnd() && reader.atEmptyLine() == line.empty(), "atEnd or atEmptyLine");
        if (operation % 7 == 3) {
            reader.skipLine();
        } else if (operation % 7 == 4) {
            require(reader.readLetterLine() == (line.empty() ? '\0' : line[0]), "readLetterLine");
        } else if (operation % 7 == 6) {
            require(reader.readLineHead(operation / 7) == line.substr(0, operation / 7),
                    "readLineHead");
        } else {
            require(wholeLine(reader) == line, "streamLine");
        }
    }
    require(
        reader.atEnd() && !wholeLine(reader) && !reader.readLetterLine() && !reader.readLineHead(5),
        "reads past the end");

    pw::LineReader any = pw::LineReader::fromBytes(bytes);
    std::int32_t integer = 0;
    float number = 0.0F;
    // Number reads may stall at text; the line read that ends every round moves on.
    for (std::size_t round = 0; round <= file.size() && !any.atEnd(); ++round) {
        for (const std::uint8_t operation : pattern) {
            switch (operation % 7) {
                case 0:
                    (void)any.readInt(integer);
                    break;
                case 1:
                    (void)any.readFloat(number);
                    break;
                case 4:
                    (void)any.readLetterLine();
                    break;
                case 5:
                    (void)any.atEmptyLine();
                    break;
                case 6:
                    (void)any.readLineHead(operation / 7);
                    break;
                default:
                    (void)wholeLine(any);
            }
        }
        any.skipLine();
    }
    require(any.atEnd() && !any.readInt(integer) && !any.readFloat(number) && !wholeLine(any) &&
                !any.readLetterLine() && !any.hadError(),
            "the reader did not reach its end");
    return 0;
}
