// SPDX-License-Identifier: GPL-3.0-or-later
// The save pipeline through its host and output seams: what is asked, stored, shown and
// written, and that nothing on disk is harmed when a run fails. Whole merges of small maps
// are golden cases (tests/golden); here the maps are large, so every buffer fills.

#include "core/pipeline/save_pipeline.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstddef>
#include <iostream>
#include <map>

#include "core/pipeline/joined_map.h"
#include "core/system/file_place.h"
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
        pw::MergeRequest merge{layout, {}, {}, {}};
        for (std::size_t copy = 0; copy < copies; ++copy) {
            for (const std::string& name : names) {
                merge.slots.push_back({name, name.empty() ? "" : folder_.file(name), std::nullopt});
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

// Makes this process's file system fail from now on as `fault` says ("write ENOSPC": every
// write to a file, "sync", "rename", "create" likewise; "size N": files end after N bytes),
// with the system's own error numbers: the kernel answers for it (seccomp), so the reason
// comes the whole way up as on a full disk. Standard streams keep working.
bool injectFault(const std::string& fault) {
    const std::vector<std::string> words = pw::test::words(fault);
    if (words.at(0) == "size") {
        const rlimit limit{std::stoul(words.at(1)), RLIM_INFINITY};
        return std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR && ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    struct Calls {
        std::vector<long> numbers;
        int argument;  // tested when not -1: a descriptor above 2, or flags that create
    };
    // A new file, named or not yet named (Qt's temporary files are made O_TMPFILE).
    constexpr int kCreates = O_CREAT | (O_TMPFILE & ~O_DIRECTORY);
    const std::map<std::string, Calls> calls = {
        {"write", {{SYS_write}, 0}},
        {"sync", {{SYS_fsync, SYS_fdatasync}, 0}},
        {"rename", {{SYS_rename, SYS_renameat, SYS_renameat2}, -1}},
        {"create", {{SYS_openat}, 2}}};
    const std::map<std::string, int> errors = {
        {"ENOSPC", ENOSPC}, {"EROFS", EROFS}, {"EACCES", EACCES}};
    const Calls& chosen = calls.at(words.at(0));
    const auto count = static_cast<unsigned char>(chosen.numbers.size());
    std::vector<sock_filter> program{
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr))};
    for (unsigned char i = 0; i < count; ++i) {  // a match jumps to the argument's test
        program.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K,
                                   static_cast<std::uint32_t>(chosen.numbers[i]),
                                   static_cast<unsigned char>(count - i), 0));
    }
    program.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
    if (chosen.argument >= 0) {  // the argument's low half: the machine is little-endian
        const bool flags = chosen.argument == 2;
        const auto offset = offsetof(seccomp_data, args) + 8 * std::size_t{flags ? 2U : 0U};
        program.push_back(BPF_STMT(BPF_LD | BPF_W | BPF_ABS, static_cast<std::uint32_t>(offset)));
        program.push_back(BPF_JUMP(BPF_JMP | (flags ? BPF_JSET : BPF_JGT) | BPF_K,
                                   flags ? std::uint32_t{kCreates} : 2U, 1, 0));
        program.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
    }
    program.push_back(BPF_STMT(
        BPF_RET | BPF_K, SECCOMP_RET_ERRNO | static_cast<std::uint32_t>(errors.at(words.at(1)))));
    const sock_fprog filter{static_cast<unsigned short>(program.size()), program.data()};
    return ::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
           ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &filter) == 0;
}

// Whether this system lets a process fail its own calls (a container may forbid it).
bool faultsCanBeInjected() {
    const pid_t child = ::fork();
    if (child == 0) {
        std::_Exit(injectFault("rename EROFS") ? 0 : 1);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

class SaveRun : public SavePipeline, public testing::WithParamInterface<std::vector<std::string>> {
  protected:
    // The outcome, what the host was told (| between), and what is wrong on disk, if anything.
    std::string run(const std::vector<std::string>& test) {
        pw::test::RecordingHost host;
        host.remembered = folder_.file("before.map");
        host.answer = test[2] == "-" ? std::nullopt : std::optional(test[2]);
        const SaveOutcome outcome =
            pw::runSave(request(*pw::layoutFromName(test[0]), pw::test::words(test[1])), host);
        const std::string outcomes[] = {"Saved", "CheckFailed", "Cancelled", "WriteFailed"};
        std::string told = outcomes[static_cast<int>(outcome)] + " ";
        for (std::size_t i = 0; i < host.events.size(); ++i) {
            told += (i == 0 ? "" : "|") + host.events[i];
        }
        const bool stored = outcome == SaveOutcome::Saved || outcome == SaveOutcome::WriteFailed;
        if (host.remembered != (stored ? test[2] : folder_.file("before.map"))) {
            told += " (remembered " + host.remembered + ")";
        }
        if (outcome == SaveOutcome::Saved) {
            if (readFile(folder_.path() / "new.map").substr(0, 14) != "1\r\n4 4 -1055\r\n") {
                told += " (new.map differs)";
            }
            fs::remove(folder_.path() / "new.map");
        }
        return told + (untouched() ? "" : " (the folder was harmed)");
    }
};

// The runs of save_runs.tsv: what the host is asked and told, and that a failed run leaves
// the folder as it was, also when the file system fails at any step of the safe save.
TEST_P(SaveRun, AsksOnlyAfterTheChecksAndStoresBeforeWriting) {
    std::vector<std::string> test = GetParam();
    test.resize(6);
    for (std::string& field : test) {
        for (std::size_t at; (at = field.find('@')) != std::string::npos;) {
            field.replace(at, 1, folder_.path().string());
        }
    }
    const std::string expected = test[3] + " " + test[4];
    if (test[5].empty()) {
        EXPECT_EQ(run(test), expected);
        return;
    }
    if (!faultsCanBeInjected()) {
        GTEST_SKIP() << "this system does not let a process fail its own calls";
    }
    // The fault stays with the process, so the run goes in a child of its own.
    EXPECT_EXIT(
        {
            const std::string got = injectFault(test[5]) ? run(test) : "no fault injected";
            std::cerr << got;
            std::_Exit(got == expected ? 0 : 1);
        },
        testing::ExitedWithCode(0), "")
        << "expected: " << expected;
}

INSTANTIATE_TEST_SUITE_P(Table, SaveRun,
                         testing::ValuesIn(pw::test::readTable(PANELWRIGHT_TEST_DATA
                                                               "/save_runs.tsv")),
                         [](const auto& row) { return "row" + std::to_string(row.index + 1); });

// A disk full for a moment: the write that fails is lost, so the save fails although later
// writes go through again; a small map reaches the disk in one block.
TEST_F(SavePipeline, AWriteThatFailsOnceFailsTheSave) {
    // The pipeline owns its output and drops it at the end of the run, so what the test
    // looks at afterwards lives out here.
    int writes = 0;
    bool fails = true;
    struct FailingOnce : pw::OutputFile {
        std::unique_ptr<pw::OutputFile> inner;
        int* writes = nullptr;
        const bool* fails = nullptr;
        bool write(const char* data, std::size_t size) override {
            return ++*writes > 1 || !*fails ? inner->write(data, size) : false;
        }
        bool commit() override { return inner->commit(); }
        std::string errorString() const override { return "No space left on device"; }
    };
    const auto opener = [&](const std::string& path) {
        pw::OpenedOutput opened = pw::openSafeOutput(path);
        auto output = std::make_unique<FailingOnce>();
        output->inner = std::move(opened.file);
        output->writes = &writes;
        output->fails = &fails;
        writes = 0;
        opened.file = std::move(output);
        return opened;
    };
    writeFile(folder_.path() / "B.map", MapBuilder{.length = 600, .height = 300}.text());
    pw::test::RecordingHost host;
    host.answer = folder_.file("new.map");
    EXPECT_EQ(pw::runSave(request(Layout::TopToBottom, {"B.map", "B.map"}), host, opener),
              SaveOutcome::WriteFailed);
    EXPECT_FALSE(fs::exists(*host.answer));
    fails = false;
    EXPECT_EQ(pw::runSave(request(Layout::TopToBottom, {"A.map", "A.map"}), host, opener),
              SaveOutcome::Saved);
    EXPECT_EQ(writes, 1);
}

// The map kept beside a picture is synced on its own before anything is committed: a
// failed sync is told with the system's reason, though the commit would sync again.
TEST_F(SavePipeline, AFailedSyncIsTold) {
    if (!faultsCanBeInjected()) {
        GTEST_SKIP() << "this system does not let a process fail its own calls";
    }
    EXPECT_EXIT(
        {
            const pw::OpenedOutput opened = pw::openSafeOutput(folder_.file("new.map"));
            std::_Exit(opened.file && opened.file->write("1", 1) && injectFault("sync ENOSPC") &&
                               !opened.file->sync() &&
                               opened.file->errorString() == "No space left on device"
                           ? 0
                           : 1);
        },
        testing::ExitedWithCode(0), "");
}

// A source that fails while it is joined (its descriptors turned to a folder once the
// output is asked for) fails the save with its name, and leaves nothing behind.
TEST_F(SavePipeline, ASourceFailingWhileJoinedFailsTheSave) {
    struct Breaking : pw::test::RecordingHost {
        std::optional<pw::SaveTarget> askTarget(const std::string& start) override {
            const int root = ::open("/", O_RDONLY | O_DIRECTORY);
            for (const auto& fd : fs::directory_iterator("/proc/self/fd")) {
                if (fs::read_symlink(fd.path(), ignored).filename() == "A.map") {
                    ::dup2(root, std::stoi(fd.path().filename()));
                }
            }
            ::close(root);
            return RecordingHost::askTarget(start);
        }
        std::error_code ignored;
    } host;
    host.answer = folder_.file("new.map");
    EXPECT_EQ(pw::runSave(request(Layout::TopToBottom, {"A.map", "A.map"}), host),
              SaveOutcome::WriteFailed);
    EXPECT_EQ(host.events.back(), "ERROR: unable to read file A.map");
    EXPECT_TRUE(untouched());
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
        EXPECT_EQ(pw::test::firstDifference(readFile(folder_.path() / "A.map"), expected.text()),
                  "")
            << pw::layoutName(test.layout);
        EXPECT_TRUE(untouched());
    }
}

TEST_F(SavePipeline, APreviewJoinsWhatSaveMapWritesAndTellsEachSlotsProblem) {
    writeFile(folder_.path() / "B.map", MapBuilder{.length = 26}.text());
    writeFile(folder_.path() / "TALL.map", MapBuilder{.height = 1000}.text());
    pw::MergeRequest merge = request(Layout::Composite, {"B.map"}, 4);
    merge.slots[0].mark = pw::Mark::R;  // over an 'L': both facing rows of layer "b" are fixed
    merge.slots[2].mark = pw::Mark::L;
    pw::test::RecordingHost host;
    host.answer = folder_.file("new.map");
    ASSERT_EQ(pw::runSave(merge, host), SaveOutcome::Saved);
    const pw::JoinedMap joined = pw::joinInMemory(merge);
    EXPECT_EQ(pw::test::firstDifference(joined.bytes.toStdString(), readFile(*host.answer)), "");
    EXPECT_EQ(std::vector<int>({joined.shape.rows, joined.shape.columns, joined.panelLength,
                                joined.panelHeight, joined.cancelled}),
              std::vector<int>({2, 2, 26, 2, false}));
    EXPECT_EQ(joined.fixedCells,
              std::vector<pw::Cell>({{8, 1}, {16, 1}, {24, 1}, {7, 2}, {15, 2}, {23, 2}}));
    // The seam check's join is the same map up to its labels, which it leaves out.
    const QByteArray cells = pw::joinInMemory(merge, nullptr, pw::JoinedLabels::LeftOut).bytes;
    EXPECT_TRUE(cells.endsWith("\r\nx\r\n") && joined.bytes.startsWith(cells)) << cells.size();
    const std::atomic<bool> cancel{true};
    EXPECT_TRUE(pw::joinInMemory(merge, &cancel).cancelled);
    const std::string whole = MapBuilder{.length = 26}.text();  // SHORT ends at its block "b"
    writeFile(folder_.path() / "SHORT.map", whole.substr(0, whole.find("\r\nb\r\n") + 5));
    merge.slots[0] = {"TALL.map", folder_.file("TALL.map"), std::nullopt};
    merge.slots[3] = {"SHORT.map", folder_.file("SHORT.map"), std::nullopt};
    const pw::JoinedMap partial = pw::joinInMemory(merge);
    std::vector<std::optional<std::string>> told;
    for (const std::optional<pw::Problem>& problem : partial.slotProblems) {
        told.push_back(problem ? std::optional(problem->message) : std::nullopt);
    }
    EXPECT_EQ(told, std::vector<std::optional<std::string>>(
                        {"ERROR: file TALL.map invalid Map size; X = 4 Y = 1000", std::nullopt,
                         std::nullopt, "ERROR: file SHORT.map ends early"}));
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
    merge.slots[0] = {"SUB.map", folder_.file("SUB.map"), pw::Mark::L};
    merge.slots[2] = {"B.map", folder_.file("B.map"), pw::Mark::R};
    merge.slots[3] = {"B.map", folder_.file("B.map"), std::nullopt};
    const pw::JoinedMap submap = pw::joinInMemory(merge);
    EXPECT_EQ(submap.slotProblems[0].value_or(pw::Problem{}).message,
              "ERROR: file SUB.map is a submap! Version# = 0");
    EXPECT_FALSE(submap.bytes.contains('Q'));
    EXPECT_TRUE(submap.fixedCells.empty());
    merge.slots = {{"WIDE.map", folder_.file("WIDE.map"), std::nullopt},
                   {"WIDE.map", folder_.file("WIDE.map"), std::nullopt},
                   {"WIDE.map", folder_.file("WIDE.map"), std::nullopt},
                   {"NOEND.map", folder_.file("NOEND.map"), std::nullopt}};
    const pw::JoinedMap late = pw::joinInMemory(merge);
    EXPECT_EQ(late.slotProblems[3].value_or(pw::Problem{}).message,
              "ERROR: file NOEND.map ends early");
    EXPECT_EQ(late.bytes.count("0 10 20 30 40 50 60 70 80 90 100 110 120 130 -1"), 1);
    // Nothing chosen in any slot: nothing joined, and each slot says why.
    const pw::JoinedMap nothing = pw::joinInMemory(request(Layout::TopToBottom, {"", ""}));
    EXPECT_TRUE(nothing.bytes.isEmpty());
    EXPECT_EQ(nothing.slotProblems[1].value_or(pw::Problem{}).message,
              "ERROR: no file selected for Map# 2");
    // A request the layout cannot take joins nothing.
    merge.slots.pop_back();
    const pw::JoinedMap none = pw::joinInMemory(merge);
    EXPECT_TRUE(none.bytes.isEmpty());
    EXPECT_EQ(
        std::vector<int>({none.shape.rows, none.shape.columns, none.panelLength, none.panelHeight}),
        std::vector<int>({0, 0, 0, 0}));
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
