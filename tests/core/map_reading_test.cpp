// The map reader: a table of files (map_reads.tsv) and what the reads made on them told.

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
    return told.substr(0, told.empty() ? 0 : told.size() - 1);
}

TEST(MapReading, EveryReadOnATableOfFiles) {
    const auto cases = pw::test::readTable(PANELWRIGHT_TEST_DATA "/map_reads.tsv");
    ASSERT_FALSE(cases.empty());
    for (const auto& test : cases) {
        pw::LineReader reader = pw::LineReader::fromBytes(QByteArray::fromStdString(test.at(0)));
        const std::string got = transcript(reader, test.at(1));
        EXPECT_TRUE(got == test.at(2)) << got.substr(0, 80) << " from " << test[0].substr(0, 60);
        EXPECT_FALSE(reader.hadError());
    }
    pw::test::TempFolder folder;
    pw::test::writeFile(folder.path() / "m.map", "1 2");
    std::optional<pw::LineReader> file = pw::LineReader::open(folder.file("m.map"));
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(transcript(*file, "iie"), "1 2 end");
    EXPECT_FALSE(pw::LineReader::open(folder.path().string()).has_value());
    EXPECT_FALSE(pw::LineReader::open(folder.file("missing.map")).has_value());
    EXPECT_FALSE(pw::LineReader::open("").has_value());
}

}  // namespace
