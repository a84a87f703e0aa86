// libFuzzer target: the map-file reader alone, on any bytes.
//
// Input layout (see fuzz/make_corpus.sh): byte 0 gives the length n = (b % 16) + 1 of a
// pattern of read operations, the next n bytes are the operations (b % 7: readInt,
// readFloat, readLine, skipLine, readLetterLine, atEnd, readLineView), the rest is the
// file.
//
// Three passes over the same file:
//   1. only readLine: the lines and their line ends must give back the file exactly;
//   2. readLine, readLineView, skipLine, readLetterLine and atEnd in the pattern's order
//      (number operations become readLine, atEnd is followed by one): every result must
//      agree with pass 1 line by line;
//   3. every operation in the pattern's order until the end: it must terminate, and at
//      the end every read must yield nothing.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/mapfile/line_reader.h"

namespace fs = std::filesystem;

namespace {

enum Operation {
    kReadInt,
    kReadFloat,
    kReadLine,
    kSkipLine,
    kReadLetterLine,
    kAtEnd,
    kReadLineView,
};
constexpr int kOperationCount = 7;

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "map_reader_fuzzer: broken invariant: %s\n", what);
    std::fflush(stderr);
    std::abort();
}

void require(bool condition, const char* what) {
    if (!condition) {
        fail(what);
    }
}

const std::string& inputPath() {
    static const std::string path = [] {
        std::string pattern = (fs::temp_directory_path() / "pw-reader-fuzz-XXXXXX").string();
        const int fd = ::mkstemp(pattern.data());
        if (fd < 0) {
            fail("cannot make the input file");
        }
        ::close(fd);
        std::atexit([] { ::unlink(inputPath().c_str()); });
        return pattern;
    }();
    return path;
}

pw::LineReader openInput() {
    std::optional<pw::LineReader> reader = pw::LineReader::open(inputPath());
    require(reader.has_value(), "the input file cannot be opened");
    return std::move(*reader);
}

// Pass 1: the lines, checked against the file byte by byte. A line ends at LF; a CR
// right before that LF belongs to the line end, any other CR is content.
std::vector<std::string> readAllLines(std::string_view file) {
    pw::LineReader reader = openInput();
    std::vector<std::string> lines;
    std::size_t at = 0;
    std::string line;
    while (reader.readLine(line)) {
        require(line.find('\n') == std::string::npos, "a line holds a line feed");
        require(file.substr(at, line.size()) == line, "a line is not the file's next bytes");
        at += line.size();
        if (at < file.size()) {
            if (file[at] == '\r' && at + 1 < file.size() && file[at + 1] == '\n') {
                at += 2;
            } else {
                require(file[at] == '\n', "a line stopped before its line end");
                require(line.empty() || line.back() != '\r', "a CR before LF was kept");
                at += 1;
            }
        }
        lines.push_back(line);
        require(lines.size() <= file.size(), "more lines than bytes");
    }
    require(at == file.size(), "the lines end before the file does");
    require(reader.atEnd() && !reader.hadError(), "the reader is not at the end");
    return lines;
}

// Pass 2: the line operations agree with one another.
void checkLineOperations(const std::vector<std::string>& lines,
                         const std::vector<Operation>& pattern) {
    pw::LineReader reader = openInput();
    std::size_t next = 0;
    std::string line;
    for (std::size_t step = 0; next < lines.size(); ++step) {
        switch (pattern[step % pattern.size()]) {
            case kSkipLine:
                reader.skipLine();
                ++next;
                break;
            case kReadLetterLine: {
                const char expected = lines[next].empty() ? '\0' : lines[next].front();
                require(reader.readLetterLine() == expected, "readLetterLine disagrees");
                ++next;
                break;
            }
            case kReadLineView: {
                std::string_view view;
                require(reader.readLineView(view) && view == lines[next], "readLineView disagrees");
                ++next;
                break;
            }
            case kAtEnd:
                require(!reader.atEnd(), "atEnd before the last line");
                [[fallthrough]];
            default:
                require(reader.readLine(line) && line == lines[next], "readLine disagrees");
                ++next;
                break;
        }
    }
    require(reader.atEnd(), "lines remain after the last one");
    require(!reader.readLine(line) && line.empty(), "readLine past the end");
    std::string_view view = "stale";
    require(!reader.readLineView(view) && view.empty(), "readLineView past the end");
    require(reader.readLetterLine() == '\0', "readLetterLine past the end");
}

// Pass 3: every operation, in the pattern's order, until the end of the file.
void driveAllOperations(std::size_t fileSize, const std::vector<Operation>& pattern) {
    pw::LineReader reader = openInput();
    std::string line;
    std::int32_t integer = 0;
    float number = 0.0F;
    // A pattern of number reads may stall at text; a line operation ends every round.
    const std::size_t rounds = fileSize + 2;
    for (std::size_t round = 0; round < rounds && !reader.atEnd(); ++round) {
        for (Operation operation : pattern) {
            switch (operation) {
                case kReadInt:
                    (void)reader.readInt(integer);
                    break;
                case kReadFloat:
                    (void)reader.readFloat(number);
                    break;
                case kReadLine:
                    (void)reader.readLine(line);
                    break;
                case kSkipLine:
                    reader.skipLine();
                    break;
                case kReadLetterLine:
                    (void)reader.readLetterLine();
                    break;
                case kAtEnd:
                    (void)reader.atEnd();
                    break;
                case kReadLineView: {
                    std::string_view view;
                    if (reader.readLineView(view)) {
                        line.assign(view.begin(), view.end());  // the view must be readable
                    }
                    break;
                }
            }
        }
        reader.skipLine();
    }
    require(reader.atEnd(), "the reader did not reach the end");
    require(!reader.readInt(integer), "readInt past the end");
    require(!reader.readFloat(number), "readFloat past the end");
    require(!reader.readLine(line), "readLine past the end");
    std::string_view view;
    require(!reader.readLineView(view), "readLineView past the end");
    require(reader.readLetterLine() == '\0', "readLetterLine past the end");
    require(!reader.hadError(), "a read error on a plain file");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return -1;
    }
    const std::size_t patternSize = static_cast<std::size_t>(data[0] % 16) + 1;
    if (size < 1 + patternSize) {
        return -1;
    }
    std::vector<Operation> pattern;
    for (std::size_t i = 0; i < patternSize; ++i) {
        pattern.push_back(static_cast<Operation>(data[1 + i] % kOperationCount));
    }
    const std::string_view file(reinterpret_cast<const char*>(data) + 1 + patternSize,
                                size - 1 - patternSize);
    {
        std::ofstream out(inputPath(), std::ios::binary | std::ios::trunc);
        out.write(file.data(), static_cast<std::streamsize>(file.size()));
        out.close();
        require(static_cast<bool>(out), "cannot write the input file");
    }

    const std::vector<std::string> lines = readAllLines(file);
    checkLineOperations(lines, pattern);
    driveAllOperations(file.size(), pattern);
    return 0;
}
