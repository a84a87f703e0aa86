// SPDX-License-Identifier: GPL-3.0-or-later
// Map files: what the reader gives (map_reads.tsv), what a file's first lines and its name
// say (map_summaries.tsv, map_file_names.tsv), and which files the map-set folders list.
// Every row of a table is a test of its own, named by its line.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <charconv>

#include "core/common/path_bytes.h"
#include "core/mapfile/line_reader.h"
#include "core/mapfile/map_file_name.h"
#include "core/mapfile/map_listing.h"
#include "core/mapfile/map_sections.h"
#include "core/mapfile/map_summary.h"
#include "core/pipeline/source_check.h"
#include "test_support.h"

namespace {

std::string shortest(float number) {
    char digits[32];
    return std::string(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
}

// Reads with one operation per letter of `reads` and tells what each gave: i readInt,
// f readFloat (shortest exact form), l streamLine ([line]), h readLineHead(3) (<head>),
// s skipLine, c readLetterLine (NUL for an empty line), e atEnd, E atEmptyLine,
// p position (@offset).
// "!" is a read that found nothing.
std::string transcript(pw::LineReader& reader, std::string_view reads) {
    std::string told;
    for (char read : reads) {
        std::int32_t integer = 0;
        float number = 0.0F;
        std::string line;
        const auto piece = [&line](std::string_view text) { line += text; };
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
            case 'p': told += "@" + std::to_string(reader.position()); break;
            default: told += reader.atEnd() ? "end" : "more";
        }
        // clang-format on
        told += ' ';
    }
    return told.substr(0, told.empty() ? 0 : told.size() - 1);
}

using pw::test::TableRow;

std::vector<TableRow> table(const char* name) {
    return pw::test::readRows(std::string(PANELWRIGHT_TEST_DATA "/") + name);
}
constexpr pw::test::RowNamer rowName;

class MapReads : public testing::TestWithParam<TableRow> {};

TEST_P(MapReads, TellWhatTheFileHolds) {
    const TableRow& row = GetParam();
    pw::LineReader reader = pw::LineReader::fromBytes(QByteArray::fromStdString(row.at(0)));
    EXPECT_EQ(transcript(reader, row.at(1)), row.at(2));
    EXPECT_FALSE(reader.hadError());
}

INSTANTIATE_TEST_SUITE_P(Table, MapReads, testing::ValuesIn(table("map_reads.tsv")), rowName);

// Walks a map with one operation per character of `walk` and tells what each gave: r
// nextRow ([row]), n nextLetter (the letter, "?" before one out of order, NUL for an empty
// line), g seekSecondGrid, l seekLabels, an upper-case letter seekLayer of its lower case
// (yes or no), = letter(), t nextLabel and labelText (x,y[text]), w nextLabelLine ([line]),
// d the damage met so far (- none). "!" is a read that found nothing.
std::string walk(pw::MapSections& map, std::string_view steps) {
    std::string told;
    for (char step : steps) {
        std::string line;
        const auto piece = [&line](std::string_view text) { line += text; };
        std::optional<pw::LabelPosition> label;
        pw::LetterLine letter;
        // clang-format off
        switch (step) {
            case 'r': told += map.nextRow(piece) ? "[" + line + "]" : "!"; break;
            case 'n': letter = map.nextLetter();
                      told += letter.kind == pw::LetterLine::Kind::EndOfFile ? "!"
                            : (letter.kind == pw::LetterLine::Kind::OutOfOrder ? "?" : "") +
                              (letter.letter ? std::string(1, letter.letter) : "NUL"); break;
            case 'g': map.seekSecondGrid(); continue;
            case 'l': map.seekLabels(); continue;
            case '=': told += map.letter(); break;
            case 't': label = map.nextLabel();
                      if (label) { map.labelText(piece); }
                      told += label ? shortest(label->x) + "," + shortest(label->y) + "[" + line + "]"
                                    : "!"; break;
            case 'w': told += map.nextLabelLine(piece) ? "[" + line + "]" : "!"; break;
            case 'd': told += map.damage() ? map.damageMessage("m") : "-"; break;
            default: told += map.seekLayer(static_cast<char>(step - 'A' + 'a')) ? "yes" : "no";
        }
        // clang-format on
        told += ' ';
    }
    return told.substr(0, told.empty() ? 0 : told.size() - 1);
}

class MapSectionWalks : public testing::TestWithParam<TableRow> {};

TEST_P(MapSectionWalks, FindEverySectionOfSoundAndDamagedMaps) {
    const TableRow& row = GetParam();
    pw::LineReader reader = pw::LineReader::fromBytes(QByteArray::fromStdString(row.at(1)));
    const std::string& size = row.at(0);  // LENGTHxHEIGHT
    pw::MapSections map(reader, std::stoi(size), std::stoi(size.substr(size.find('x') + 1)));
    EXPECT_EQ(walk(map, row.at(2)), row.at(3));
}

INSTANTIATE_TEST_SUITE_P(Table, MapSectionWalks, testing::ValuesIn(table("map_sections.tsv")),
                         rowName);

// A file read to its end stays at its end when it grows; a second reader of the same
// opened file reads from any place, taking turns with the first.
TEST(MapReading, OpensFilesOnlyStopsAtTheEndAndTellsAFailedRead) {
    pw::test::TempFolder folder;
    pw::test::writeFile(folder.path() / "m.map", "1 2");
    std::optional<pw::LineReader> file = pw::LineReader::open(folder.file("m.map")).reader;
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(transcript(*file, "iie"), "1 2 end");
    pw::test::writeFile(folder.path() / "m.map", "1 2\n3\n");
    EXPECT_EQ(transcript(*file, "lie"), "! ! end");
    pw::LineReader second = file->readerAt(2);
    pw::LineReader third = second.readerAt(4);
    std::string told = transcript(second, "p");
    told += transcript(third, "l");
    told += transcript(second, "ll");
    EXPECT_EQ(told, "@2[3][2] [3]");
    std::optional<pw::LineReader> broken =
        pw::LineReader::open("/proc/self/mem").reader;  // unreadable
    ASSERT_TRUE(broken.has_value());
    EXPECT_EQ(transcript(*broken, "i"), "!");
    EXPECT_TRUE(broken->hadError());
}

class MapSummaries : public testing::TestWithParam<TableRow> {};

TEST_P(MapSummaries, TellWhatTheFirstTwoLinesSay) {
    const TableRow& row = GetParam();
    pw::test::TempFolder folder;
    // "missing.map" is no file at all, "/proc/self/mem" one whose reading fails.
    std::string path = row.at(0) == "missing.map" ? folder.file("none") : row[0];
    if (row[0] != "missing.map" && !row[0].starts_with("/proc/")) {
        pw::test::writeFile(folder.path() / "m.map", row[0]);
        path = folder.file("m.map");
    }
    const pw::MapSummary map = pw::summarizeMap(path, "m.map");
    const pw::MapHeader& header = map.header;
    EXPECT_EQ(std::to_string(header.version) + " " + std::to_string(header.length) + " " +
                  std::to_string(header.height) + (map.problem ? " " + map.problem->message : ""),
              row.at(1));
    // The whole file read through as Save Map reads a source.
    const std::optional<pw::Problem> whole = pw::checkSourceWhole(path, "m.map");
    EXPECT_EQ(whole ? whole->message : "whole", row.at(2));
}

INSTANTIATE_TEST_SUITE_P(Table, MapSummaries, testing::ValuesIn(table("map_summaries.tsv")),
                         rowName);

class FileNameBytes : public testing::TestWithParam<std::vector<std::string>> {};

TEST_P(FileNameBytes, AreEscapedForALineAndRefusedUnlessQtGivesThemBack) {
    const std::vector<std::string>& row = GetParam();
    EXPECT_EQ(pw::escapedName(row.at(0)), row.at(1));
    EXPECT_EQ(pw::pathRoundTrips(row[0]) ? "yes" : "no", row.at(2));
    EXPECT_EQ(pw::qtPath(row[0]).has_value(), row[2] == "yes");
}

INSTANTIATE_TEST_SUITE_P(Table, FileNameBytes,
                         testing::ValuesIn(pw::test::readTable(PANELWRIGHT_TEST_DATA
                                                               "/file_names.tsv")),
                         [](const auto& row) { return "row" + std::to_string(row.index + 1); });

// What opening each kind of entry for reading gives (opening_kinds.tsv): only a regular
// file (after links) opens, and nothing waits, though a fifo would hold an ordinary open.
class OpeningForReading : public testing::TestWithParam<std::vector<std::string>> {};

TEST_P(OpeningForReading, OpensOnlyRegularFiles) {
    pw::test::TempFolder folder;
    const auto at = [&folder](const std::string& name) { return folder.file(name); };
    pw::test::writeFile(at("file"), "1 2");
    pw::test::writeFile(at("\xE9"), "1 2");
    ASSERT_EQ(::mkfifo(at("fifo").c_str(), 0600), 0);
    std::filesystem::create_directory(at("folder"));
    for (const std::string link : {"file", "fifo", "folder", "missing"}) {
        std::filesystem::create_symlink(link, at(link + "-link"));
    }
    std::filesystem::create_symlink("/dev/null", at("device-link"));
    const std::string& kind = GetParam().at(0);
    auto [reader, failure] = pw::LineReader::open(kind.empty() ? "" : at(kind));
    const char* const told[] = {"opens", "name not UTF-8", "not regular", "missing", "cannot open"};
    EXPECT_EQ(told[static_cast<int>(failure)], GetParam().at(1));
    EXPECT_EQ(reader && transcript(*reader, "iie") == "1 2 end", failure == pw::OpenFailure::None);
}

INSTANTIATE_TEST_SUITE_P(Table, OpeningForReading,
                         testing::ValuesIn(pw::test::readTable(PANELWRIGHT_TEST_DATA
                                                               "/opening_kinds.tsv")),
                         [](const auto& row) { return "row" + std::to_string(row.index + 1); });

class MapFileNames : public testing::TestWithParam<TableRow> {};

TEST_P(MapFileNames, GiveMarkAndNumberLabel) {
    const pw::ParsedMapFileName parsed = pw::parseMapFileName(GetParam().at(0));
    const std::string label = parsed.numberLabel.value_or("none");
    EXPECT_EQ((parsed.upperName.empty() ? "" : parsed.upperName + " ") +
                  (parsed.mark ? pw::markLetter(*parsed.mark) : '_') + " " +
                  (label.empty() ? "[]" : label),
              GetParam().at(1));
}

INSTANTIATE_TEST_SUITE_P(Table, MapFileNames, testing::ValuesIn(table("map_file_names.tsv")),
                         rowName);

TEST(MapListing, RegularMapFilesSortedIgnoringCase) {
    pw::test::TempFolder folder;
    for (const char* name :
         {"b-02.map", "A-01.MAP", "c-03.Map", "notes.txt", "map", ".map", "C-03.map", "B-01.map",
          "a-10.map", "x.mapx", "amap", "c-03.MAP", "first/Irfmaps/B.map", "first/Irfmaps/c.map",
          "second/Irfmaps/A.map", "second/Irfmaps/B.map", "second/Irfmaps/b.map",
          "second/Embrmaps/E.map", "folder.map/keep"}) {
        std::filesystem::create_directories((folder.path() / name).parent_path());
        pw::test::writeFile(folder.path() / name, "1\n");
    }
    // Names are bytes, whatever they hold; what is not a regular file is never offered.
    for (const char* name : {"\xE9.map", "t\tab.map", "line\nbreak.map"}) {
        pw::test::writeFile(folder.path() / name, "1\n");
    }
    ASSERT_EQ(::mkfifo(folder.file("fifo.map").c_str(), 0600), 0);
    ASSERT_EQ(::symlink("fifo.map", folder.file("fifo-link.map").c_str()), 0);
    ASSERT_EQ(::symlink("/dev/null", folder.file("device.map").c_str()), 0);
    ASSERT_EQ(::symlink("missing-target", folder.file("dangling.map").c_str()), 0);
    EXPECT_EQ(pw::listMapFiles(folder.path().string()).names,
              std::vector<std::string>({"A-01.MAP", "a-10.map", "B-01.map", "b-02.map", "C-03.map",
                                        "c-03.MAP", "c-03.Map", "line\nbreak.map", "t\tab.map",
                                        "\xE9.map"}));
    EXPECT_EQ(pw::listMapFiles(folder.file("first")).names, std::vector<std::string>());
    EXPECT_FALSE(pw::listMapFiles(folder.file("Irfmaps")).names.has_value());
    EXPECT_FALSE(pw::listMapFiles(folder.file("notes.txt")).names.has_value());

    // Earlier roots hide the same name in later ones; each name opens where it was found.
    const std::vector<std::string> roots = {folder.file("missing"), folder.file("first"),
                                            folder.file("second")};
    const auto listed = [&](pw::MapSet mapSet) {
        std::string told;  // name@root of the folder it opens from
        const auto maps = pw::listMapSet(roots, mapSet).maps;
        for (const pw::ListedMap& map : maps.value()) {
            const std::filesystem::path found(map.folder);
            told += map.name + "@" + found.parent_path().filename().string() +
                    (map.path == (found / map.name).string() ? " " : "? ");
        }
        return told;
    };
    EXPECT_EQ(listed(pw::MapSet::Ironfall), "A.map@second B.map@first b.map@second c.map@first ");
    const std::vector<std::string> irfmaps = {folder.file("first/Irfmaps"),
                                              folder.file("second/Irfmaps")};
    EXPECT_EQ(pw::mapSetFolders(roots, pw::MapSet::Ironfall), irfmaps);
    EXPECT_EQ(listed(pw::MapSet::Emberline), "E.map@second ");
    EXPECT_FALSE(pw::listMapSet(roots, static_cast<pw::MapSet>(2)).maps.has_value());
    EXPECT_FALSE(pw::listMapSet({folder.file("missing")}, pw::MapSet::Emberline).maps.has_value());
}

}  // namespace
