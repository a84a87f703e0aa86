// SPDX-License-Identifier: GPL-3.0-or-later
// A run's save stays in the folder its plan checked: a folder swapped for a link while
// setups run never carries a map outside.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "core/common/messages.h"
#include "core/pipeline/save_pipeline.h"
#include "core/setup/setup_run.h"
#include "core/system/held_folder.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

TEST(ConfinedSave, AFolderSwappedForALinkDuringARunNeverTakesTheMapOutside) {
    const pw::test::TempFolder work;
    const fs::path setups = work.path() / "setups";
    fs::create_directories(setups / "out");
    fs::create_directory(work.path() / "victim");
    pw::test::writeFile(setups / "A.map", pw::test::MapBuilder{}.text());
    pw::test::writeFile(setups / "board.pwsetup",
                        R"({"format": 1, "layout": "top-to-bottom", "output": "out/board.map",)"
                        R"( "slots": [{"file": "A.map", "mark": "none"},)"
                        R"( {"file": "A.map", "mark": "none"}]})");
    std::atomic<bool> stop = false;
    std::thread racer([&] {
        const fs::path out = setups / "out", aside = setups / "out-aside";
        std::error_code ignored;
        while (!stop) {
            fs::rename(out, aside, ignored);
            fs::create_directory_symlink("../victim", out, ignored);
            std::this_thread::sleep_for(std::chrono::microseconds(200));
            fs::remove(out, ignored);
            fs::rename(aside, out, ignored);
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    });
    int saved = 0, outside = 0;
    for (int run = 0; run < 300; ++run) {
        const pw::PlannedSetup planned =
            pw::planRun({(setups / "board.pwsetup").string()}, {}, false).front();
        pw::test::RecordingHost host;
        host.answer = planned.output.path;
        if (planned.problems.empty() &&
            pw::runSave(planned.request, host, pw::openerOf(planned.output, false)) ==
                pw::SaveOutcome::Saved) {
            ++saved;
        }
        if (!fs::is_empty(work.path() / "victim")) {
            ++outside;
            fs::remove_all(work.path() / "victim");
            fs::create_directory(work.path() / "victim");
        }
    }
    stop = true;
    racer.join();
    EXPECT_EQ(outside, 0) << "of " << saved << " maps saved";
}

// A file that takes the target's place while the map is written is not replaced: the commit
// is refused and says why.
TEST(ConfinedSave, ATargetThatAppearsDuringTheWriteIsNotReplaced) {
    const pw::test::TempFolder work;
    pw::test::writeFile(work.path() / "board.pwsetup",
                        R"({"format": 1, "layout": "top-to-bottom", "slots": [{"mark": "none"},)"
                        R"( {"mark": "none"}]})");
    const pw::PlannedSetup planned =
        pw::planRun({(work.path() / "board.pwsetup").string()}, {}, false).front();
    pw::OpenedOutput opened = pw::openerOf(planned.output, false)(planned.output.path);
    ASSERT_TRUE(opened.file && opened.file->write("new", 3));
    pw::test::writeFile(work.path() / "board.map", "planted");
    EXPECT_FALSE(opened.file->commit());
    EXPECT_EQ(opened.file->errorString(), pw::messages::kPlaceChanged);
    EXPECT_EQ(pw::test::readFile(work.path() / "board.map"), "planted");
    // A run allowed outside saves by the path: what lies there then is replaced.
    const pw::PlannedSetup outside =
        pw::planRun({(work.path() / "board.pwsetup").string()}, {}, true).front();
    opened = pw::openerOf(outside.output, false)(outside.output.path);
    ASSERT_TRUE(opened.file && opened.file->write("new", 3) && opened.file->commit());
    EXPECT_EQ(pw::test::readFile(work.path() / "board.map"), "new");
}

// Both ways of resolving a path beneath a held folder agree: links that stay inside are
// followed, every step out is refused, whatever the kernel offers.
class Beneath : public testing::TestWithParam<pw::BeneathResolver> {};

TEST_P(Beneath, FollowsLinksInsideAndRefusesEveryStepOut) {
    const pw::test::TempFolder work;
    const fs::path held = work.path() / "held";
    fs::create_directories(held / "sub" / "deeper");
    fs::create_directory(work.path() / "outside");
    fs::create_directory_symlink("sub", held / "in");
    fs::create_directory_symlink("sub/../sub/deeper", held / "deep");
    fs::create_directory_symlink("..", held / "up");
    fs::create_directory_symlink("../outside", held / "out");
    fs::create_directory_symlink(work.path() / "outside", held / "absolute");
    fs::create_directory_symlink("loop", held / "loop");
    pw::test::writeFile(held / "file", "");
    const struct {
        const char* path;
        int error;            // 0: it resolves, to `leadsTo` below `held`
        const char* leadsTo;  //
    } cases[] = {
        {".", 0, "."},
        {"sub", 0, "sub"},
        {"in/deeper", 0, "sub/deeper"},
        {"deep", 0, "sub/deeper"},
        {"sub/..", 0, "."},
        {"in/../in", 0, "sub"},
        {"..", EXDEV, ""},
        {"up", EXDEV, ""},
        {"sub/../..", EXDEV, ""},
        {"out", EXDEV, ""},
        {"absolute", EXDEV, ""},
        {"loop", ELOOP, ""},
        {"missing", ENOENT, ""},
        {"file", ENOTDIR, ""},
    };
    const pw::Descriptor root(::open(held.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    for (const auto& [path, error, leadsTo] : cases) {
        errno = 0;
        const pw::Descriptor found = pw::openFolderBeneath(root.get(), path, GetParam());
        EXPECT_EQ(found.valid() ? 0 : errno, error) << path;
        struct stat got {
        }, expected{};
        if (error == 0 && found.valid() && ::fstat(found.get(), &got) == 0 &&
            ::stat((held / leadsTo).c_str(), &expected) == 0) {
            EXPECT_EQ(got.st_ino, expected.st_ino) << path;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Resolvers, Beneath,
                         testing::Values(pw::BeneathResolver::Kernel, pw::BeneathResolver::Walk));

// A run holds each setup's folder until it ends: more folders than the soft limit of open
// files still run.
TEST(ConfinedSave, ARunOverMoreFoldersThanTheSoftLimitOfOpenFilesHoldsThemAll) {
    struct rlimit before {};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &before), 0);
    if (before.rlim_max < 256) {
        GTEST_SKIP() << "the hard limit of open files is too low to raise";
    }
    const pw::test::TempFolder work;
    std::vector<std::string> setups;
    for (int folder = 0; folder < 80; ++folder) {
        const fs::path setup = work.path() / std::to_string(folder) / "board.pwsetup";
        fs::create_directories(setup.parent_path());
        pw::test::writeFile(
            setup,
            R"({"format": 1, "layout": "top-to-bottom", "slots": [{"mark": "none"}, {"mark": "none"}]})");
        setups.push_back(setup.string());
    }
    struct rlimit low = before;
    low.rlim_cur = 64;
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &low), 0);
    const std::vector<pw::PlannedSetup> plans = pw::planRun(setups, {}, false);
    ::setrlimit(RLIMIT_NOFILE, &before);
    for (const pw::PlannedSetup& planned : plans) {
        EXPECT_TRUE(planned.problems.empty()) << planned.problems.front().message;
    }
}

}  // namespace
