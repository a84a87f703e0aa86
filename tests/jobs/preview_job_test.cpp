// SPDX-License-Identifier: GPL-3.0-or-later
// The preview's job: a join drawn, or, once a newer job asks it to stop, nothing to show.

#include <gtest/gtest.h>

#include <atomic>

#include "jobs/preview_job.h"
#include "test_support.h"

namespace {

// A stopped job says so, so that the pane never shows its half-made result.
TEST(PreviewJob, DrawsTheJoinOrSaysItWasStopped) {
    pw::test::TempFolder folder;
    pw::PreviewJob job;
    for (const char* name : {"AB-01.map", "AB-02.map"}) {
        pw::test::writeFile(folder.file(name), pw::test::MapBuilder{}.text());
        job.picture.request.slots.push_back({name, folder.file(name), std::nullopt});
    }
    const pw::PreviewResult drawn = pw::buildPreview(job);
    EXPECT_FALSE(drawn.cancelled);
    EXPECT_FALSE(drawn.image.isNull());
    std::atomic<bool> stop{true};
    const pw::PreviewResult stopped = pw::buildPreview(job, &stop);
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_TRUE(stopped.image.isNull());
}

}  // namespace
