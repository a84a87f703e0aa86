// The map reader, one table of files and the reads made on them.

#include <gtest/gtest.h>

#include <charconv>

#include "core/mapfile/line_reader.h"
#include "test_support.h"

namespace {

std::string shortest(float number) {
    char digits[32];
    return std::string(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
}

// Reads with one operation per letter of `reads` and tells what each gave: i readInt,
// f readFloat (shortest exact form), l streamLine ([line]), h readLineHead(3) (<head>),
// s skipLine, c readLetterLine (NUL for an empty line), e atEnd, E atEmptyLine.
// "!" is a read that found nothing.
std::string transcript(pw::LineReader& reader, std::string_view reads) {
    std::string told;
    for (char read : reads) {
        std::int32_t integer = 0;
        float number = 0.0F;
        std::string line;
        const auto piece = [&line](std::string_view text) {
            EXPECT_FALSE(text.empty());
            line += text;
        };
        std::optional<std::size_t> size;
        std::optional<std::string_view> head;
        std::optional<char> letter;
        // clang-format off
        switch (read) {
            case 'i': told += reader.readInt(integer) ? std::to_string(integer) : "!"; break;
            case 'f': told += reader.readFloat(number) ? shortest(number) : "!"; break;
            case 'l': size = reader.streamLine(piece);
                      told += size ? "[" + line + (*size == line.size() ? "]" : "?") : "!"; break;
            case 'h': head = reader.readLineHead(3);
                      told += head ? "<" + std::string(*head) + ">" : "!"; break;
            case 's': reader.skipLine(); continue;
            case 'c': letter = reader.readLetterLine();
                      told += !letter ? "!" : *letter ? std::string(1, *letter) : "NUL"; break;
            case 'E': told += reader.atEmptyLine() ? "empty" : "full"; break;
            default: told += reader.atEnd() ? "end" : "more";
        }
        // clang-format on
        told += ' ';
    }
    return told;
}

TEST(MapReading, EveryReadOnATableOfFiles) {
    const std::string wide(300000, '#');
    const std::string zeros(200, '0');
    const struct {
        std::string file;
        std::string reads;
        std::string told;
    } cases[] = {
        {"  7\r\n\r\n -12 +3 0042 rest of line\r\nnext", "iiiisle", "7 -12 3 42 [next] end "},
        {"2147483647 -2147483648", "iie", "2147483647 -2147483648 end "},
        {"2147483648", "i", "! "},
        {"-99999999999999999999999999", "i", "! "},
        {"abc", "ilil", "! [abc] ! ! "},
        {"- 5", "i", "! "},
        {"", "iflhcEe", "! ! ! ! ! full end "},
        {std::string("\0x\n", 3), "elce", std::string("more [\0x] ! end ", 16)},
        {"one\r\ntwo\nthree\rstill\r\n\r\nlast\r", "llllll",
         "[one] [two] [three\rstill] [] [last\r] ! "},
        {"one\r\n\r\nlast\n", "hEEhhEe", "<one> empty empty <> <las> full end "},
        {"b trailing\r\n\r\nx", "cccc", "b NUL x ! "},
        {"skipped\r\nb\r\n\r\nlast", "scsle", "b [last] end "},
        {"12.50 -3 .5 7. 1e3 2E-2 +0.1 5east 8e+", "ffffffffl",
         "12.5 -3 0.5 7 1000 0.02 0.1 5 [east 8e+] "},
        {"3.14159265 1234567 0.00001 -0 00012.5e+1", "fffff", "3.1415927 1234567 1e-05 -0 125 "},
        {"1.000000059604644775390625" + zeros + "1 1.000000059604644775390625" + zeros, "ff",
         "1.0000001 1 "},
        {"0." + zeros + zeros + "1e400 1e99999999999 1e-99999999999", "fff", "0.1 ! ! "},
        {"5e x\n5e+x\n5e-1x", "flflfl", "5 [e x] 5 [e+x] 0.5 [x] "},
        {"Hill 3", "f", "! "},
        {".", "f", "! "},
        {"-", "f", "! "},
        {"   \r\n  ", "fe", "! end "},
        {wide + "\r\nafter\r\n", "lle", "[" + wide + "] [after] end "},
        {wide + "\r\n" + wide, "hl", "<###> [" + wide + "] "},
        {wide + "\r" + wide + "\r", "l", "[" + wide + "\r" + wide + "\r] "},
        {std::string(65535, 'a') + "\r\nz", "ll", "[" + std::string(65535, 'a') + "] [z] "},
        {std::string(65534, ' ') + "5e3\r\n1", "fi", "5000 1 "},
        {std::string(65533, ' ') + "5e-3\r\n1", "fi", "0.005 1 "},
        {std::string(65535, ' ') + "\r\n\r\n1", "sEsi", "empty 1 "},
    };
    for (const auto& test : cases) {
        pw::LineReader reader = pw::LineReader::fromBytes(QByteArray::fromStdString(test.file));
        const std::string got = transcript(reader, test.reads);
        EXPECT_TRUE(got == test.told) << got.substr(0, 80) << " from " << test.file.substr(0, 60);
        EXPECT_FALSE(reader.hadError());
    }
    pw::test::TempFolder folder;
    pw::test::writeFile(folder.path() / "m.map", "1 2");
    std::optional<pw::LineReader> file = pw::LineReader::open(folder.file("m.map"));
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(transcript(*file, "iie"), "1 2 end ");
    EXPECT_FALSE(pw::LineReader::open(folder.path().string()).has_value());
    EXPECT_FALSE(pw::LineReader::open(folder.file("missing.map")).has_value());
    EXPECT_FALSE(pw::LineReader::open("").has_value());
}

}  // namespace
