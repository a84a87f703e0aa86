// SPDX-License-Identifier: GPL-3.0-or-later
// Setup files: what a setup's JSON reads as or why it is refused (setup_files.tsv), that
// what is written reads back the same, and how a setup names and finds its files.

#include "core/setup/setup_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>

#include "core/mapfile/direction.h"
#include "core/setup/setup_places.h"
#include "test_support.h"

namespace {

// "LAYOUT MAPSET DIRECTION | PLACE:PANEL:MARK... | OUTPUT PICTURE"; f a file, m a map-set
// name, - an empty slot; _ no mark, - no output or picture.
std::string told(const pw::Setup& setup) {
    std::string text = std::string(pw::layoutName(setup.layout)) + " " +
                       std::to_string(setup.mapSetIndex) + " " +
                       std::string(pw::kDirectionNames.at(setup.direction)) + " |";
    for (const pw::SetupSlot& slot : setup.slots) {
        text += std::string(" ") + "-fm"[static_cast<int>(slot.place)] + ":" + slot.panel + ":" +
                (slot.mark == ' ' ? '_' : slot.mark);
    }
    const auto orDash = [](const std::string& path) { return path.empty() ? "-" : path; };
    return text + " | " + orDash(setup.output) + " " + orDash(setup.picture);
}

class SetupText : public testing::TestWithParam<std::vector<std::string>> {};

TEST_P(SetupText, ReadsAsTheTableSaysAndWritesBackTheSame) {
    const std::vector<std::string>& row = GetParam();
    const pw::ReadSetup read = pw::parseSetup(QByteArray::fromStdString(row.at(0)), "s.pwsetup");
    ASSERT_EQ(read.setup.has_value(), !read.problem.has_value());
    EXPECT_EQ(read.setup ? told(*read.setup) : read.problem->message, row.at(1));
    if (read.setup) {
        const QByteArray written = pw::setupJson(*read.setup);
        const pw::ReadSetup again = pw::parseSetup(written, "s.pwsetup");
        ASSERT_TRUE(again.setup.has_value()) << written.toStdString();
        EXPECT_EQ(*again.setup, *read.setup);
        EXPECT_EQ(pw::setupJson(*again.setup), written);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, SetupText,
                         testing::ValuesIn(pw::test::readTable(PANELWRIGHT_TEST_DATA
                                                               "/setup_files.tsv")),
                         [](const auto& row) { return "row" + std::to_string(row.index + 1); });

TEST(SetupFile, IsWrittenWholeAndReadBackAndOnlyARegularFileOfASetupsSizeIsRead) {
    const pw::test::TempFolder work;
    pw::Setup setup{pw::Layout::Composite, 1, 5, {}, "out.map", "/pictures/out.png", {}};
    setup.slots.assign(6, {pw::PanelPlace::MapSet, "EM-01L.map", 'R'});
    setup.slots[3] = {pw::PanelPlace::None, "", ' '};
    const std::string file = work.file("board.pwsetup");
    ASSERT_FALSE(pw::writeSetupFile(file, setup).has_value());
    EXPECT_EQ(pw::readSetupFile(file).setup, setup);

    const std::string missingFolder = work.file("none/board.pwsetup");
    EXPECT_EQ(pw::writeSetupFile(missingFolder, setup)
                  ->message.rfind("ERROR: unable to create file " + missingFolder + ": ", 0),
              0U);
    // A full disk: the reason is the system's, and the setup stays as it was.
    struct FullDisk : pw::OutputFile {
        bool write(const char*, std::size_t) override { return false; }
        bool commit() override { return false; }
        std::string errorString() const override { return "No space left on device"; }
    };
    const auto fullDisk = [](const std::string&) {
        return pw::OpenedOutput{std::make_unique<FullDisk>(), {}};
    };
    EXPECT_EQ(pw::writeSetupFile(file, pw::Setup{}, fullDisk)->message,
              "ERROR: unable to write file " + file + ": No space left on device");
    EXPECT_EQ(pw::readSetupFile(file).setup, setup);
    const auto problem = [](const std::string& path) {
        const pw::ReadSetup read = pw::readSetupFile(path);
        return read.problem ? read.problem->message : "read";
    };
    EXPECT_EQ(problem(missingFolder),
              "ERROR: setup " + missingFolder + ": No such file or directory");
    EXPECT_EQ(problem(work.path().string()),
              "ERROR: setup " + work.path().string() + ": not a regular file");
    const std::string fifo = work.file("fifo.pwsetup");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(problem(fifo), "ERROR: setup " + fifo + ": not a regular file");
    const std::string large = work.file("large.pwsetup");
    pw::test::writeFile(large, std::string((1 << 20) + 1, ' '));
    EXPECT_EQ(problem(large),
              "ERROR: setup " + large + ": larger than 1048576 bytes, too large for a setup");
}

// A setup in <work>/setups, map sets in <work>/user and <work>/system (the user's first).
class SetupPlaces : public testing::Test {
  protected:
    SetupPlaces() {
        for (const char* path :
             {"setups/own/A.map", "user/Irfmaps/IF-01L.map", "system/Irfmaps/IF-01L.map",
              "system/Irfmaps/IF-02R.map", "system/Embrmaps/EM-01L.map", "elsewhere/B.map"}) {
            std::filesystem::create_directories((work.path() / path).parent_path());
            pw::test::writeFile(work.path() / path, "1\r\n");
        }
    }
    std::string at(const std::string& path) const { return work.file(path); }

    pw::test::TempFolder work;
    pw::SetupPlaces places{at("setups/board.pwsetup"), {at("user"), at("system")}};
};

TEST_F(SetupPlaces, NameFilesBelowTheSetupRelativelyThenByMapSetNameThenAbsolutely) {
    const auto placed = [&](const std::string& path, int mapSet = 0) {
        const pw::SetupSlot slot = places.placePanel(path, mapSet, 'L');
        return std::string("-fm").substr(static_cast<std::size_t>(slot.place), 1) + ":" +
               slot.panel;
    };
    EXPECT_EQ(placed(at("setups/own/A.map")), "f:own/A.map");
    EXPECT_EQ(placed(at("setups/../setups/own/./A.map")), "f:own/A.map");
    EXPECT_EQ(placed(at("user/Irfmaps/IF-01L.map")), "m:IF-01L.map");
    EXPECT_EQ(placed(at("system/Irfmaps/IF-02R.map")), "m:IF-02R.map");
    EXPECT_EQ(placed(at("system/Irfmaps/IF-01L.map")), "f:" + at("system/Irfmaps/IF-01L.map"))
        << "the user's own IF-01L.map hides it";
    EXPECT_EQ(placed(at("system/Embrmaps/EM-01L.map")), "f:" + at("system/Embrmaps/EM-01L.map"))
        << "not of the setup's map set";
    EXPECT_EQ(placed(at("system/Embrmaps/EM-01L.map"), 1), "m:EM-01L.map");
    EXPECT_EQ(placed(at("elsewhere/B.map")), "f:" + at("elsewhere/B.map"));
    EXPECT_EQ(placed(""), "-:");
    EXPECT_EQ(places.placeFile(at("setups/out.map")), "out.map");
    EXPECT_EQ(places.placeFile(at("setups")), at("setups"));
}

TEST_F(SetupPlaces, FindTheFilesTheyNameAndNameMissingOnesWhereTheyWouldBe) {
    pw::Setup setup{pw::Layout::TopToBottom, 0, 2, {}, {}, {}, {}};
    setup.slots = {{pw::PanelPlace::File, "own/A.map", 'L'},
                   {pw::PanelPlace::MapSet, "IF-01L.map", ' '},
                   {pw::PanelPlace::MapSet, "IF-77.map", 'R'},
                   {pw::PanelPlace::None, "", 'R'}};
    const pw::MergeRequest request = places.request(setup);
    std::string found;
    for (const pw::SourceSlot& slot : request.slots) {
        found += slot.name + "=" + slot.path + ":" + (slot.mark == ' ' ? '_' : slot.mark) + " ";
    }
    EXPECT_EQ(found, "own/A.map=" + at("setups/own/A.map") +
                         ":L IF-01L.map=" + at("user/Irfmaps/IF-01L.map") +
                         ":_ IF-77.map=" + at("user/Irfmaps/IF-77.map") + ":R =:R ");
    EXPECT_EQ(request.direction, 2);
    // Back to the setup: the same, but for a panel now named by its path.
    pw::Setup back = places.setupOf(request, at("setups/out.map"), "");
    EXPECT_EQ(back.slots[2].place, pw::PanelPlace::File);
    back.slots[2] = setup.slots[2];
    setup.output = "out.map";
    EXPECT_EQ(back, setup);
    // End-to-End meets at no junction: its setups keep no marks.
    pw::MergeRequest sideBySide = request;
    sideBySide.layout = pw::Layout::EndToEnd;
    sideBySide.slots.pop_back();
    for (const pw::SetupSlot& slot : places.setupOf(sideBySide, "", "").slots) {
        EXPECT_EQ(slot.mark, ' ');
    }
}

}  // namespace
