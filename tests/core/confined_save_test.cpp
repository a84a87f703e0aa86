// SPDX-License-Identifier: GPL-3.0-or-later
// A run's save stays in the folder its plan checked: a folder swapped for a link while
// setups run never carries a map outside.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "core/pipeline/save_pipeline.h"
#include "core/setup/setup_run.h"
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

}  // namespace
