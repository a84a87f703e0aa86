#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <string>
#include <vector>

#include "gui/app/about_dlg.h"
#include "gui/app/panelwright_dlg.h"
#include "gui/assembly/composite_dlg.h"
#include "gui/assembly/end_to_end_dlg.h"
#include "gui/composer/top_to_bottom_dlg.h"
#include "gui_test_bed.h"

namespace pw::gui::test {
namespace {

class MainDialogTest : public ::testing::Test {
  protected:
    MainDialogTest() { dialog.show(); }

    QSpinBox& count() { return *control<QSpinBox>(dialog, "countSpin"); }
    void click(const char* name) { control<QAbstractButton>(dialog, name)->click(); }

    GuiTestBed bed;
    CPanelwrightDlg dialog{bed.environment()};
};

TEST_F(MainDialogTest, OpensOnTopToBottomIronfallWithTwoMaps) {
    EXPECT_TRUE(control<QRadioButton>(dialog, "topToBottomRadio")->isChecked());
    EXPECT_TRUE(control<QRadioButton>(dialog, "ironfallRadio")->isChecked());
    EXPECT_EQ(count().text(), "2");
    EXPECT_EQ(dialog.configurationIndex(), 0);
    EXPECT_EQ(dialog.mapSetIndex(), 0);
    EXPECT_EQ(dialog.windowTitle(), "Tarvin \"Skirmark\" Geomorphic Maps Utility");
}

// One configuration's count: where it starts and what each step up (+1) or down (-1)
// leaves, with a beep wherever the step is refused.
struct CountWalk {
    const char* radio;
    int start;
    std::vector<int> steps;
    std::vector<int> counts;
    std::vector<bool> refused;
};

class CountStepTest : public MainDialogTest, public ::testing::WithParamInterface<CountWalk> {};

TEST_P(CountStepTest, StepsWithinTheRangeAndBeepsAtItsEnds) {
    const CountWalk& walk = GetParam();
    click(walk.radio);
    ASSERT_EQ(count().value(), walk.start);
    for (std::size_t i = 0; i < walk.steps.size(); ++i) {
        const int beepsBefore = bed.prompts.beeps;
        // The arrow keys step the spin as its arrow buttons do.
        count().stepBy(walk.steps[i]);
        EXPECT_EQ(count().value(), walk.counts[i]) << "step " << i;
        EXPECT_EQ(count().text(), QString::number(walk.counts[i])) << "step " << i;
        EXPECT_EQ(bed.prompts.beeps - beepsBefore, walk.refused[i] ? 1 : 0) << "step " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Configurations, CountStepTest,
                         ::testing::Values(CountWalk{"topToBottomRadio",
                                                     2,
                                                     {-1, 1, 1, 1, -1},
                                                     {2, 3, 4, 4, 3},
                                                     {true, false, false, true, false}},
                                           CountWalk{"endToEndRadio",
                                                     2,
                                                     {-1, 1, 1, -1, -1},
                                                     {2, 3, 3, 2, 2},
                                                     {true, false, true, false, true}},
                                           CountWalk{
                                               "compositeRadio",
                                               4,
                                               {-1, 1, 1, 1, -1, -1, -1},
                                               {4, 6, 8, 8, 6, 4, 4},
                                               {true, false, false, true, false, false, true}}),
                         [](const auto& entry) { return std::string(entry.param.radio); });

TEST_F(MainDialogTest, AConfigurationClickAlwaysStartsTheCountOver) {
    count().stepBy(1);
    count().stepBy(1);
    ASSERT_EQ(count().value(), 4);
    click("topToBottomRadio");
    EXPECT_EQ(count().value(), 2);

    click("compositeRadio");
    count().stepBy(1);
    count().stepBy(1);
    ASSERT_EQ(count().value(), 8);
    click("endToEndRadio");
    EXPECT_EQ(count().value(), 2);
    count().stepBy(1);
    EXPECT_EQ(count().value(), 3) << "End-to-End steps by one again";
}

TEST_F(MainDialogTest, TheMapSetStaysWhenTheConfigurationChanges) {
    click("emberlineRadio");
    click("compositeRadio");
    click("topToBottomRadio");
    EXPECT_TRUE(control<QRadioButton>(dialog, "emberlineRadio")->isChecked());
    EXPECT_EQ(dialog.mapSetIndex(), 1);
    EXPECT_EQ(count().value(), 2);
}

// What "Select map files" opens for one configuration and count.
struct Handover {
    const char* radio;
    int upSteps;
    int mapSet;
    const char* composerClass;
    int handedCount;
    int visibleSlots;
    const char* title;
};

class SelectMapFilesTest : public MainDialogTest, public ::testing::WithParamInterface<Handover> {};

TEST_P(SelectMapFilesTest, OpensTheComposerOfTheConfigurationWithItsCount) {
    const Handover& handover = GetParam();
    bed.addMapSetFolder(0);
    bed.addMapSetFolder(1);
    click(handover.mapSet == 0 ? "ironfallRadio" : "emberlineRadio");
    click(handover.radio);
    for (int i = 0; i < handover.upSteps; ++i) {
        count().stepBy(1);
    }
    const int countBefore = count().value();

    whileModal([&] { click("selectMapFilesButton"); },
               [&](QWidget& modal) {
                   EXPECT_STREQ(modal.metaObject()->className(), handover.composerClass);
                   auto* composer = qobject_cast<CComposerDlg*>(&modal);
                   ASSERT_NE(composer, nullptr);
                   EXPECT_EQ(composer->mapCount(), handover.handedCount);
                   EXPECT_EQ(composer->mapSetIndex(), handover.mapSet);
                   EXPECT_EQ(composer->windowTitle(), handover.title);
                   int visible = 0;
                   for (QComboBox* list : composer->findChildren<QComboBox*>()) {
                       visible += list->isVisible() ? 1 : 0;
                   }
                   EXPECT_EQ(visible, handover.visibleSlots);
               });

    EXPECT_EQ(count().value(), countBefore) << "the main dialog keeps its choices";
    EXPECT_TRUE(bed.prompts.errors.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Configurations, SelectMapFilesTest,
    ::testing::Values(Handover{"topToBottomRadio", 0, 0, "pw::gui::CTopToBottomDlg", 2, 2,
                               "Ironfall map files selection"},
                      Handover{"topToBottomRadio", 2, 1, "pw::gui::CTopToBottomDlg", 4, 4,
                               "Embr map files selection"},
                      Handover{"endToEndRadio", 1, 0, "pw::gui::CEndToEndDlg", 3, 3,
                               "Ironfall map files selection"},
                      Handover{"compositeRadio", 0, 0, "pw::gui::CCompositeDlg", 2, 4,
                               "Ironfall map files selection"},
                      Handover{"compositeRadio", 1, 1, "pw::gui::CCompositeDlg", 3, 6,
                               "Embr map files selection"},
                      Handover{"compositeRadio", 2, 0, "pw::gui::CCompositeDlg", 4, 8,
                               "Ironfall map files selection"}),
    [](const auto& entry) {
        return std::string(entry.param.radio) + std::to_string(entry.param.handedCount) +
               (entry.param.mapSet == 0 ? "Ironfall" : "Emberline");
    });

TEST_F(MainDialogTest, TheMenuBarAndTheContextMenuBothShowTheAboutBox) {
    for (const char* actionName : {"aboutAction", "aboutPanelwrightAction"}) {
        auto* action = dialog.findChild<QAction*>(QString::fromLatin1(actionName));
        ASSERT_NE(action, nullptr) << actionName;
        whileModal([&] { action->trigger(); },
                   [&](QWidget& modal) {
                       EXPECT_NE(qobject_cast<CAboutDlg*>(&modal), nullptr) << actionName;
                       EXPECT_EQ(modal.windowTitle(), "About Boardsmith");
                   });
    }
    auto* contextItem = dialog.findChild<QAction*>(QStringLiteral("aboutPanelwrightAction"));
    EXPECT_EQ(contextItem->text(), "&About Panelwright...");
    EXPECT_TRUE(dialog.actions().contains(contextItem));
    EXPECT_EQ(dialog.contextMenuPolicy(), Qt::ActionsContextMenu);
}

TEST(AboutBoxTest, ShowsProductAndVersionAndClosesWithOk) {
    CAboutDlg about;
    about.show();
    EXPECT_EQ(control<QLabel>(about, "productLabel")->text(), "Boardsmith");
    EXPECT_EQ(control<QLabel>(about, "versionLabel")->text(), "Beta Version 1.3");
    control<QPushButton>(about, "okButton")->click();
    EXPECT_EQ(about.result(), QDialog::Accepted);
    EXPECT_FALSE(about.isVisible());
}

TEST_F(MainDialogTest, ExitEndsTheDialog) {
    click("exitButton");
    EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
}  // namespace pw::gui::test
