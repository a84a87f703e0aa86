// SPDX-License-Identifier: GPL-3.0-or-later
#include <QSpinBox>
#include <QTest>

#include "gui/app/panelwright_dialog.h"
#include "gui_test_bed.h"

namespace pw::gui::test {
namespace {

// One configuration: its count's start, what each step up (+1) or down (-1) leaves (a step
// that leaves the count as it was is refused with a beep), and the composer dialog "Select
// map files" then opens, with the count it hands over; digits typed, and the count they leave.
struct CountWalk {
    const char* radio;
    Layout layout;
    int start, handedCount;
    std::vector<int> steps, counts;
    std::pair<const char*, int> typed;  // after a configuration click
};

class MainDialogTest : public ::testing::TestWithParam<CountWalk> {};

TEST_P(MainDialogTest, CountsWithinTheRangeBeepsAtItsEndsAndHandsTheCountOver) {
    const CountWalk& walk = GetParam();
    GuiTestBed bed;
    PanelwrightDialog dialog(bed.environment);
    dialog.show();
    auto& count = control<QSpinBox>(dialog, "countSpin");
    control<QAbstractButton>(dialog, "emberlineRadio").click();
    control<QAbstractButton>(dialog, walk.radio).click();
    ASSERT_EQ(count.value(), walk.start);
    for (std::size_t i = 0; i < walk.steps.size(); ++i) {
        const int before = count.value();
        const int beeps = bed.prompts.beeps;
        count.stepBy(walk.steps[i]);
        EXPECT_EQ(count.text(), QString::number(walk.counts[i])) << "step " << i;
        EXPECT_EQ(bed.prompts.beeps - beeps, before == walk.counts[i] ? 1 : 0) << "step " << i;
    }
    const std::unique_ptr<ComposerDialog> composer = dialog.composerForChoices();
    EXPECT_EQ(composer->mergeLayout(), walk.layout);
    EXPECT_EQ(composer->mapCount(), walk.handedCount);
    EXPECT_EQ(composer->mapSet(), MapSet::Emberline);
    control<QAbstractButton>(dialog, walk.radio).click();
    EXPECT_EQ(count.value(), walk.start) << "a configuration click starts the count over";
    count.selectAll();
    QTest::keyClicks(&count, walk.typed.first);
    EXPECT_EQ(count.value(), walk.typed.second);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Configurations, MainDialogTest, ::testing::Values(
    CountWalk{"topToBottomRadio", Layout::TopToBottom, 2, 3, {-1, 1, 1, 1, -1}, {2, 3, 4, 4, 3}, {"3", 3}},
    CountWalk{"endToEndRadio", Layout::EndToEnd, 2, 3, {-1, 1, 1, -1, 1}, {2, 3, 3, 2, 3}, {"4", 2}},
    CountWalk{"compositeRadio", Layout::Composite, 4, 3, {-1, 1, 1, 1, -1}, {4, 6, 8, 8, 6}, {"56", 6}}));
// clang-format on

}  // namespace
}  // namespace pw::gui::test
