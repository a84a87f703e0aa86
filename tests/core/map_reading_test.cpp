// The map reader, one table of files and the reads made on them.

#include <gtest/gtest.h>

#include "core/mapfile/line_reader.h"
#include "core/mapfile/number_format.h"
#include "test_support.h"

namespace {

// Reads `file` with one operation per letter of `reads` and tells what each gave:
// i readInt, f readFloat (as a label number), l readLine, v readLineView ([line]),
// s skipLine, c readLetterLine (NUL for none), e atEnd; "!" is a failed read, followed
// by what the read left in its output.
std::string transcript(pw::LineReader& reader, std::string_view reads) {
    std::string told;
    for (char read : reads) {
        std::int32_t integer = 0;
        float number = 0.0F;
        std::string line = "stale";
        std::string_view view = "stale";
        switch (read) {
            case 'i':
                told += reader.readInt(integer) ? std::to_string(integer) : "!";
                break;
            case 'f':
                told += reader.readFloat(number) ? pw::formatLabelNumber(number) : "!";
                break;
            case 'l':
                told += reader.readLine(line) ? "[" + line + "]" : "!" + line;
                break;
            case 'v':
                told += reader.readLineView(view) ? "[" + std::string(view) + "]"
                                                  : "!" + std::string(view);
                break;
            case 's':
                reader.skipLine();
                continue;
            case 'c': {
                const char letter = reader.readLetterLine();
                told += letter == '\0' ? std::string("NUL") : std::string(1, letter);
                break;
            }
            default:
                told += reader.atEnd() ? "end" : "more";
        }
        told += ' ';
    }
    return told;
}

TEST(MapReading, EveryReadOnATableOfFiles) {
    const std::string wide(300000, '#');
    const struct {
        std::string file;
        const char* reads;
        std::string told;
    } cases[] = {
        {"  7\r\n\r\n -12 +3 0042 rest of line\r\nnext", "iiiisle",
         "7 -12 3 42 [next] end "},
        {"2147483647 -2147483648", "iie", "2147483647 -2147483648 end "},
        {"2147483648", "i", "! "},
        {"99999999999999999999999999", "i", "! "},
        {"abc", "ilil", "! [abc] ! ! "},
        {"- 5", "i", "! "},
        {"", "iflvce", "! ! ! ! NUL end "},
        {std::string("\0x\n", 3), "elce", std::string("more [\0x] NUL end ", 18)},
        {"one\r\ntwo\nthree\rstill\r\n\r\nlast", "llllllv", "[one] [two] [three\rstill] [] [last] ! ! "},
        {"one\r\n\r\nlast\n", "vevvev", "[one] more [] [last] end ! "},
        {"b trailing\r\n\r\nx", "cccc", "b NUL x NUL "},
        {"skipped\r\nb\r\n\r\nlast", "scsle", "b [last] end "},
        {"12.50 -3 .5 7. 1e3 2E-2 +0.1 5east 8e+", "ffffffffl",
         "12.5 -3 0.5 7 1000 0.02 0.1 5 [east 8e+] "},
        {"3.14159265 1234567 0.00001 999999.5 -0", "fffff", "3.14159 1.23457e+06 1e-05 1e+06 -0 "},
        {"5e x\n5e+x\n5e-1x", "flflfl", "5 [e x] 5 [e+x] 0.5 [x] "},
        {"Hill 3", "f", "! "},
        {".", "f", "! "},
        {"-", "f", "! "},
        {"   \r\n  ", "fe", "! end "},
        {wide + "\r\nafter\r\n", "lle", "[" + wide + "] [after] end "},
        {wide + "\r\n" + wide, "sv", "[" + wide + "] "},
        {std::string(65534, ' ') + "5e3\r\n1", "fi", "5000 1 "},
        {std::string(65533, ' ') + "5e-3\r\n1", "fi", "0.005 1 "},
    };
    pw::test::TempFolder folder;
    for (const auto& test : cases) {
        pw::test::writeFile(folder.path() / "m.map", test.file);
        std::optional<pw::LineReader> reader = pw::LineReader::open(folder.file("m.map"));
        ASSERT_TRUE(reader.has_value());
        const std::string got = transcript(*reader, test.reads);
        EXPECT_TRUE(got == test.told) << got.substr(0, 80) << " from " << test.file.substr(0, 60) << " read as " << test.reads;
        EXPECT_FALSE(reader->hadError());
    }
    EXPECT_FALSE(pw::LineReader::open(folder.path().string()).has_value());
    EXPECT_FALSE(pw::LineReader::open(folder.file("missing.map")).has_value());
    EXPECT_FALSE(pw::LineReader::open("").has_value());
}

TEST(MapReading, LinesAcrossBufferBoundariesKeepTheirBytes) {
    // Lines of every length from 0 up, so that line ends, and CR LF pairs, fall on every
    // offset of the reader's blocks.
    std::string file;
    std::vector<std::string> expected;
    for (int i = 0; file.size() < 600000; ++i) {
        std::string line(static_cast<std::size_t>(i % 1500), static_cast<char>('A' + i % 26));
        if (i % 7 == 0 && !line.empty()) {
            line[line.size() / 2] = '\r';  // a lone CR is content
        }
        expected.push_back(line);
        file += line + (i % 3 == 0 ? "\n" : "\r\n");
    }
    pw::test::TempFolder folder;
    pw::test::writeFile(folder.path() / "m.map", file);
    std::optional<pw::LineReader> reader = pw::LineReader::open(folder.file("m.map"));
    ASSERT_TRUE(reader.has_value());
    std::string_view line;
    std::size_t count = 0;
    while (reader->readLineView(line)) {
        ASSERT_LT(count, expected.size());
        ASSERT_TRUE(line == expected[count]) << "line " << count;
        ++count;
    }
    EXPECT_EQ(count, expected.size());
}

}  // namespace
