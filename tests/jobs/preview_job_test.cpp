// SPDX-License-Identifier: GPL-3.0-or-later
// The preview's job: a join drawn without the seams that the view draws over it, or, once
// a newer job asks it to stop, nothing to show.

#include "jobs/preview_job.h"

#include <gtest/gtest.h>

#include <atomic>

#include "test_support.h"

namespace {

// A stopped job says so, so that the pane never shows its half-made result. The view
// draws the seams over the picture at the zoom it shows: the picture has none of its own.
TEST(PreviewJob, DrawsTheJoinWithoutSeamsOrSaysItWasStopped) {
    pw::test::TempFolder folder;
    pw::PreviewJob job;
    for (const char* name : {"AB-01.map", "AB-02.map"}) {
        pw::test::writeFile(folder.file(name), pw::test::MapBuilder{}.text());
        job.picture.request.slots.push_back({name, folder.file(name), std::nullopt});
    }
    job.picture.choice.seams = true;
    const pw::PreviewResult drawn = pw::buildPreview(job);
    EXPECT_FALSE(drawn.cancelled);
    ASSERT_FALSE(drawn.image.isNull());
    // Two panels one above the other, of one kind of cell: the first row of the lower one
    // looks as the row above it.
    const int seam = drawn.joined.panelHeight * drawn.options.cellSize;
    EXPECT_EQ(drawn.image.pixel(0, seam), drawn.image.pixel(0, seam - 1));
    std::atomic<bool> stop{true};
    const pw::PreviewResult stopped = pw::buildPreview(job, &stop);
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_TRUE(stopped.image.isNull());
}

}  // namespace
