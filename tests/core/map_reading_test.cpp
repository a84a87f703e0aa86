// Reading map-file sections and printing label numbers.

#include <gtest/gtest.h>

#include "core/mapfile/line_reader.h"
#include "core/mapfile/number_format.h"
#include "test_files.h"

namespace {

// A whole line, as the reader hands it over in pieces.
bool readLine(pw::LineReader& reader, std::string& line) {
    line.clear();
    return reader.streamLine([&line](std::string_view piece) { line.append(piece); }).has_value();
}

class MapReading : public testing::Test {
  protected:
    pw::LineReader open(const std::string& bytes) {
        pw::test::writeFile(folder_.path() / "m.map", bytes);
        std::optional<pw::LineReader> reader = pw::LineReader::open(folder_.file("m.map"));
        EXPECT_TRUE(reader.has_value());
        return std::move(*reader);
    }

    pw::test::TempFolder folder_;
};

TEST_F(MapReading, IntegersSkipWhiteSpaceAndLineEnds) {
    pw::LineReader reader = open("  7\r\n\r\n -12 +3 0042 rest of line\r\nnext");
    std::int32_t a = 0, b = 0, c = 0, d = 0;
    ASSERT_TRUE(reader.readInt(a) && reader.readInt(b) && reader.readInt(c) && reader.readInt(d));
    EXPECT_EQ(std::vector<int>({a, b, c, d}), std::vector<int>({7, -12, 3, 42}));
    reader.skipLine();
    std::string line;
    EXPECT_TRUE(readLine(reader, line));
    EXPECT_EQ(line, "next");
}

TEST_F(MapReading, IntegersOutsideThirtyTwoBitsOrNotNumbersFail) {
    std::int32_t value = 0;
    EXPECT_TRUE(open("2147483647").readInt(value));
    EXPECT_EQ(value, 2147483647);
    EXPECT_TRUE(open("-2147483648").readInt(value));
    EXPECT_EQ(value, INT32_MIN);
    EXPECT_FALSE(open("2147483648").readInt(value));
    EXPECT_FALSE(open("99999999999999999999999999").readInt(value));
    EXPECT_FALSE(open("abc").readInt(value));
    EXPECT_FALSE(open("- 5").readInt(value));
    EXPECT_FALSE(open("").readInt(value));
}

TEST_F(MapReading, LinesEndAtLfWithOrWithoutCr) {
    pw::LineReader reader = open("one\r\ntwo\nthree\rstill three\r\n\r\nlast");
    std::string line;
    std::vector<std::string> lines;
    while (readLine(reader, line)) {
        lines.push_back(line);
    }
    EXPECT_EQ(lines, std::vector<std::string>({"one", "two", "three\rstill three", "", "last"}));
    EXPECT_TRUE(reader.atEnd());
    EXPECT_FALSE(readLine(reader, line));
    EXPECT_EQ(line, "");
}

TEST_F(MapReading, LongLinesAreReadWhole) {
    const std::string longRow(300000, '#');
    pw::LineReader reader = open(longRow + "\r\nafter\r\n");
    std::string line;
    ASSERT_TRUE(readLine(reader, line));
    EXPECT_EQ(line, longRow);
    ASSERT_TRUE(readLine(reader, line));
    EXPECT_EQ(line, "after");
}

TEST_F(MapReading, LinesAcrossBufferBoundariesKeepTheirBytes) {
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
    pw::LineReader reader = open(file);
    std::string line;
    std::size_t count = 0;
    while (readLine(reader, line)) {
        ASSERT_LT(count, expected.size());
        ASSERT_TRUE(line == expected[count]) << "line " << count;
        ++count;
    }
    EXPECT_EQ(count, expected.size());
}

TEST_F(MapReading, LayerLettersAreTheFirstCharacter) {
    pw::LineReader reader = open("b trailing\r\n\r\nx");
    EXPECT_EQ(reader.readLetterLine(), 'b');
    EXPECT_EQ(reader.readLetterLine(), '\0');  // empty line
    EXPECT_EQ(reader.readLetterLine(), 'x');
    EXPECT_EQ(reader.readLetterLine(), std::nullopt);  // end of the file
}

TEST_F(MapReading, FloatsReadAsSinglePrecision) {
    pw::LineReader reader = open("12.50 -3 .5 7. 1e3 2E-2 0.1 5east 8e+");
    float values[9] = {};
    for (float& value : values) {
        ASSERT_TRUE(reader.readFloat(value));
        if (&value == &values[7]) {
            std::string rest;
            readLine(reader, rest);
            EXPECT_EQ(rest, "east 8e+");
            break;
        }
    }
    EXPECT_EQ(values[0], 12.5F);
    EXPECT_EQ(values[1], -3.0F);
    EXPECT_EQ(values[2], 0.5F);
    EXPECT_EQ(values[3], 7.0F);
    EXPECT_EQ(values[4], 1000.0F);
    EXPECT_EQ(values[5], 0.02F);
    EXPECT_EQ(values[6], 0.1F);
    EXPECT_EQ(values[7], 5.0F);
}

TEST_F(MapReading, FloatsFailOnText) {
    float value = 0;
    EXPECT_FALSE(open("Hill 3 4").readFloat(value));
    EXPECT_FALSE(open(".").readFloat(value));
    EXPECT_FALSE(open("-").readFloat(value));
    EXPECT_FALSE(open("   ").readFloat(value));
}

TEST_F(MapReading, FolderIsNoSource) {
    EXPECT_FALSE(pw::LineReader::open(folder_.path().string()).has_value());
    EXPECT_FALSE(pw::LineReader::open(folder_.file("missing.map")).has_value());
    EXPECT_FALSE(pw::LineReader::open("").has_value());
}

TEST(LabelNumbers, GeneralNotationWithSixSignificantDigits) {
    EXPECT_EQ(pw::formatLabelNumber(12.5F), "12.5");
    EXPECT_EQ(pw::formatLabelNumber(2.0F), "2");
    EXPECT_EQ(pw::formatLabelNumber(-0.0F), "-0");
    EXPECT_EQ(pw::formatLabelNumber(0.1F), "0.1");
    EXPECT_EQ(pw::formatLabelNumber(123456.0F), "123456");
    EXPECT_EQ(pw::formatLabelNumber(1234567.0F), "1.23457e+06");
    EXPECT_EQ(pw::formatLabelNumber(999999.5F), "1e+06");
    EXPECT_EQ(pw::formatLabelNumber(0.0001F), "0.0001");
    EXPECT_EQ(pw::formatLabelNumber(0.00001F), "1e-05");
    EXPECT_EQ(pw::formatLabelNumber(3.14159265F), "3.14159");
    EXPECT_EQ(pw::formatLabelNumber(32.5F), "32.5");
}

}  // namespace
