// The save pipeline through its host and output seams: what is asked, stored, shown and
// written, and that nothing on disk is harmed when a run fails. Whole merges of small maps
// are golden cases (tests/golden); here the maps are large, so every buffer fills.

#include "core/pipeline/save_pipeline.h"

#include <gtest/gtest.h>

#include "core/pipeline/file_identity.h"
#include "core/pipeline/joined_map.h"
#include "test_support.h"

namespace fs = std::filesystem;
using pw::Layout;
using pw::SaveOutcome;
using pw::test::MapBuilder;
using pw::test::readFile;
using pw::test::writeFile;

namespace {

class SavePipeline : public testing::Test {
  protected:
    void SetUp() override {
        writeFile(folder_.path() / "A.map", MapBuilder{}.text());
        writeFile(folder_.path() / "out.map", "precious");
        fs::create_directory(folder_.path() / "taken.map");
    }

    pw::MergeRequest request(Layout layout, const std::vector<std::string>& names,
                             std::size_t copies = 1) const {
        pw::MergeRequest merge{layout, 0, 0, {}};
        for (std::size_t copy = 0; copy < copies; ++copy) {
            for (const std::string& name : names) {
                merge.slots.push_back({name, name.empty() ? "" : folder_.file(name), ' '});
            }
        }
        return merge;
    }

    // A.map, out.map and taken.map, and nothing a run left behind.
    bool untouched() const {
        return std::distance(fs::directory_iterator(folder_.path()), {}) == 3 &&
               fs::is_empty(folder_.path() / "taken.map") &&
               readFile(folder_.path() / "out.map") == "precious";
    }

    pw::test::TempFolder folder_;
};

// The runs of save_runs.tsv: what the host is asked and told, and that a failed run leaves
// the folder as it was.
TEST_F(SavePipeline, AsksOnlyAfterTheChecksAndStoresBeforeWriting) {
    const auto cases = pw::test::readTable(PANELWRIGHT_TEST_DATA "/save_runs.tsv");
    ASSERT_FALSE(cases.empty());
    const std::string outcomes[] = {"Saved", "CheckFailed", "Cancelled", "WriteFailed"};
    for (std::vector<std::string> test : cases) {
        test.resize(7);
        for (std::string& field : test) {
            for (std::size_t at; (at = field.find('@')) != std::string::npos;) {
                field.replace(at, 1, folder_.path().string());
            }
        }
        pw::test::RecordingHost host;
        host.remembered = folder_.file("before.map");
        host.answer = test[2] == "-" ? std::nullopt : std::optional(test[2]);
        const auto faulty = [&test](const std::string& path) {
            pw::OpenedOutput opened = pw::openSafeOutput(path);
            if (opened.file) {
                opened.file = std::make_unique<pw::test::FaultyOutput>(
                    std::move(opened.file), test[5].empty() ? SIZE_MAX : std::stoul(test[5]),
                    !test[6].empty());
            }
            return opened;
        };
        const SaveOutcome outcome = pw::runSave(
            request(*pw::layoutFromName(test[0]), pw::test::words(test[1])), host, faulty);
        EXPECT_EQ(outcomes[static_cast<int>(outcome)], test[3]);
        std::string told;
        for (const std::string& event : host.events) {
            told += (told.empty() ? "" : "|") + event;
        }
        EXPECT_EQ(told, test[4]);
        const bool stored = outcome == SaveOutcome::Saved || outcome == SaveOutcome::WriteFailed;
        EXPECT_EQ(host.remembered, stored ? test[2] : folder_.file("before.map"));
        if (outcome == SaveOutcome::Saved) {
            EXPECT_EQ(readFile(folder_.path() / "new.map").substr(0, 14), "1\r\n4 4 -1055\r\n");
            fs::remove(folder_.path() / "new.map");
        }
        EXPECT_TRUE(untouched());
    }
}

// Large panels, written over their own source: the output is exact although the source is
// still being read, and every read and write buffer fills many times.
TEST_F(SavePipeline, LargeMergesWrittenOverTheirSourceAreExact) {
    MapBuilder panel{.length = 300, .height = 200, .layers = "bdw"};
    panel.labels = {"1.50 1 " + std::string(300000, 'z')};  // larger than the write buffer
    const struct {
        Layout layout;
        std::size_t count;
        MapBuilder expected;
        std::vector<std::pair<int, int>> moves;  // of every later source's labels
    } cases[] = {
        // clang-format off
        {Layout::TopToBottom, 2, {.length = 300, .height = 400, .tally = -1351, .layers = "bdw"},
         {{0, 200}}},
        {Layout::EndToEnd, 3, {.length = 900, .height = 200, .tally = -2602, .layers = "bdw"},
         {{300, 0}, {600, 0}}},
        {Layout::Composite, 4, {.length = 600, .height = 400, .tally = -4353, .layers = "bdw"},
         {{300, 0}, {0, 200}, {300, 200}}},
        // clang-format on
    };
    for (const auto& test : cases) {
        writeFile(folder_.path() / "A.map", panel.text());
        pw::test::RecordingHost host;
        host.answer = folder_.file("A.map");
        ASSERT_EQ(pw::runSave(request(test.layout, {"A.map"}, test.count), host),
                  SaveOutcome::Saved);
        MapBuilder expected = test.expected;
        expected.labels = panel.labels;
        for (const auto& [x, y] : test.moves) {  // re-printed, moved by the source's place
            expected.labels.push_back(std::to_string(1 + x) + ".5 " + std::to_string(1 + y) + " " +
                                      std::string(300000, 'z'));
        }
        EXPECT_TRUE(readFile(folder_.path() / "A.map") == expected.text())
            << pw::layoutName(test.layout);
        EXPECT_TRUE(untouched());
    }
}

TEST_F(SavePipeline, APreviewJoinsWhatSaveMapWritesAndTellsEachSlotsProblem) {
    writeFile(folder_.path() / "B.map", MapBuilder{.length = 26}.text());
    writeFile(folder_.path() / "TALL.map", MapBuilder{.height = 1000}.text());
    pw::MergeRequest merge = request(Layout::Composite, {"B.map"}, 4);
    merge.slots[0].mark = 'R';  // over an 'L': both facing rows of layer "b" are fixed
    merge.slots[2].mark = 'L';
    pw::test::RecordingHost host;
    host.answer = folder_.file("new.map");
    ASSERT_EQ(pw::runSave(merge, host), SaveOutcome::Saved);
    const pw::JoinedMap joined = pw::joinInMemory(merge);
    EXPECT_TRUE(joined.bytes.toStdString() == readFile(*host.answer));
    EXPECT_EQ(std::vector<int>({joined.shape.rows, joined.shape.columns, joined.panelLength,
                                joined.panelHeight, joined.cancelled}),
              std::vector<int>({2, 2, 26, 2, false}));
    EXPECT_EQ(joined.fixedCells,
              std::vector<pw::Cell>({{8, 1}, {16, 1}, {24, 1}, {7, 2}, {15, 2}, {23, 2}}));
    const std::atomic<bool> cancel{true};
    EXPECT_TRUE(pw::joinInMemory(merge, &cancel).cancelled);
    writeFile(folder_.path() / "SHORT.map", MapBuilder{.length = 26}.text().substr(0, 90));
    merge.slots[0] = {"TALL.map", folder_.file("TALL.map"), ' '};
    merge.slots[3] = {"SHORT.map", folder_.file("SHORT.map"), ' '};
    const pw::JoinedMap partial = pw::joinInMemory(merge);
    EXPECT_EQ(partial.slotProblems,
              std::vector<std::string>({"ERROR: file TALL.map invalid Map size; X = 4 Y = 1000", "",
                                        "", "ERROR: file SHORT.map ends early"}));
    // Joined still, as empty panels: every line but the failing slots' labels.
    EXPECT_EQ(partial.bytes.count("\r\n") + 2, joined.bytes.count("\r\n"));

    // A submap joins as an empty panel, its marks left out; a panel found damaged only
    // after more than the writer's buffer leaves none of that first try behind.
    writeFile(folder_.path() / "SUB.map",
              "0" + MapBuilder{.length = 26, .fill = 'Q'}.text().substr(1));
    MapBuilder wide{.length = 999, .height = 300};
    writeFile(folder_.path() / "WIDE.map", wide.text());
    const std::string noEnd = wide.text().substr(0, wide.text().find("\r\nx\r\n") + 2);
    writeFile(folder_.path() / "NOEND.map", noEnd);
    merge.slots[0] = {"SUB.map", folder_.file("SUB.map"), 'L'};
    merge.slots[2] = {"B.map", folder_.file("B.map"), 'R'};
    merge.slots[3] = {"B.map", folder_.file("B.map"), ' '};
    const pw::JoinedMap submap = pw::joinInMemory(merge);
    EXPECT_EQ(submap.slotProblems[0], "ERROR: file SUB.map is a submap! Version# = 0");
    EXPECT_FALSE(submap.bytes.contains('Q'));
    EXPECT_TRUE(submap.fixedCells.empty());
    merge.slots = {{"WIDE.map", folder_.file("WIDE.map"), ' '},
                   {"WIDE.map", folder_.file("WIDE.map"), ' '},
                   {"WIDE.map", folder_.file("WIDE.map"), ' '},
                   {"NOEND.map", folder_.file("NOEND.map"), ' '}};
    const pw::JoinedMap late = pw::joinInMemory(merge);
    EXPECT_EQ(late.slotProblems[3], "ERROR: file NOEND.map ends early");
    EXPECT_EQ(late.bytes.count("0 10 20 30 40 50 60 70 80 90 100 110 120 130 -1"), 1);
    // A request the layout cannot take joins nothing.
    merge.slots.pop_back();
    const pw::JoinedMap none = pw::joinInMemory(merge);
    EXPECT_TRUE(none.bytes.isEmpty() && none.shape.rows == 0 && none.shape.columns == 0);
}

// One file under two names, or two files: what refuses a picture onto a command's own files.
struct SameFileCase {
    const char* first;
    const char* second;  // "" stays empty: a slot with nothing chosen
    bool same;
};

class SameFile : public testing::TestWithParam<SameFileCase> {};

TEST_P(SameFile, IsToldByTheFileOrByItsPlace) {
    pw::test::TempFolder folder;
    writeFile(folder.path() / "a.map", "a");
    writeFile(folder.path() / "b.map", "b");
    fs::create_hard_link(folder.path() / "a.map", folder.path() / "hard.map");
    fs::create_symlink("a.map", folder.path() / "soft.map");
    fs::create_directory(folder.path() / "sub");
    fs::create_directory_symlink(".", folder.path() / "here");
    const auto at = [&folder](const char* name) {
        return *name == '\0' ? std::string() : folder.file(name);
    };
    EXPECT_EQ(pw::isSameFile(at(GetParam().first), at(GetParam().second)), GetParam().same);
}

INSTANTIATE_TEST_SUITE_P(Paths, SameFile,
                         testing::Values(SameFileCase{"a.map", "a.map", true},
                                         SameFileCase{"a.map", "sub/../a.map", true},
                                         SameFileCase{"a.map", "hard.map", true},
                                         SameFileCase{"soft.map", "a.map", true},
                                         SameFileCase{"a.map", "b.map", false},
                                         SameFileCase{"new.png", "./new.png", true},
                                         SameFileCase{"new.png", "here/new.png", true},
                                         SameFileCase{"new.png", "old.png", false},
                                         SameFileCase{"a.map", "", false},
                                         SameFileCase{"", "", false}),
                         [](const auto& named) { return "row" + std::to_string(named.index + 1); });

}  // namespace
