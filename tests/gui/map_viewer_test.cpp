// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/viewer/map_viewer.h"

#include <QAction>
#include <QDir>
#include <QPushButton>

#include "gui/app/panelwright_dialog.h"
#include "gui/preview/preview_pane.h"
#include "gui/preview/preview_view.h"
#include "gui_test_bed.h"

namespace pw::gui::test {
namespace {

// A file that View Map opens: what it holds, and what the viewer shows instead of its
// picture (nothing: the picture).
struct ViewedFile {
    const char* name;
    std::string content;
    const char* message;
};

std::string withFirstRowTooLong() {
    std::string map = pw::test::MapBuilder{}.text();
    return map.replace(map.find("0 4\r\n....\r\n"), 11, "0 4\r\n..........\r\n");
}

class MapViewerTest : public ::testing::TestWithParam<ViewedFile> {};

TEST_P(MapViewerTest, ViewMapShowsTheFileOrWhyItCannotBeRead) {
    const ViewedFile& file = GetParam();
    GuiTestBed bed;
    bed.addFile(MapSet::Ironfall, file.name, file.content);
    const QString folder = bed.mapSetFolder(MapSet::Ironfall);
    bed.prompts.mapAnswer = QDir(folder).filePath(file.name);
    PanelwrightDialog dialog(bed.environment);
    dialog.show();
    control<QAction>(dialog, "viewMapAction").trigger();
    EXPECT_EQ(bed.prompts.asked, QStringList("view map|" + folder));
    auto* viewer = dialog.findChild<MapViewer*>();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->windowTitle(), QString(file.name) + " - Boardsmith");
    auto& pane = *viewer->findChild<PreviewPane*>();
    ASSERT_TRUE(waitUntil([&] { return pane.upToDate(); }));
    EXPECT_EQ(control<PreviewView>(*viewer, "previewView").message(), file.message);
    const bool drawn = *file.message == '\0';
    EXPECT_EQ(pane.current().image.isNull(), !drawn);
    EXPECT_EQ(control<QPushButton>(*viewer, "previewSaveImage").isEnabled(), drawn);
    EXPECT_TRUE(bed.prompts.errors.isEmpty()) << "the message is the preview's own";
    if (!drawn) {
        return;
    }
    // Save Image draws the file as it is: 4 pixels per cell.
    bed.prompts.imageAnswer = {{bed.dir.filePath("view"), false}};
    control<QPushButton>(*viewer, "previewSaveImage").click();
    EXPECT_EQ(bed.prompts.asked.last(),
              QDir(folder).filePath(QString(file.name).chopped(4)) + ".png");
    EXPECT_EQ(bed.prompts.messages, QStringList("New image file created successfully"));
    EXPECT_EQ(QImage(bed.dir.filePath("view.png")).size(), QSize(16, 8));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Files, MapViewerTest, ::testing::Values(
    ViewedFile{"IF-03L.map", pw::test::MapBuilder{}.text(), ""},
    ViewedFile{"wide.map", withFirstRowTooLong(),
               "ERROR: file wide.map has a row longer than its length"},
    ViewedFile{"early.map", pw::test::MapBuilder{}.text().substr(0, 80),
               "ERROR: file early.map ends early"},
    ViewedFile{"order.map", pw::test::MapBuilder{.layers = "cb"}.text(),
               "ERROR: file order.map has layer letters out of order"},
    ViewedFile{"notes.map", "Shopping list\r\n", "ERROR: file notes.map has no valid version number"}));
// clang-format on

}  // namespace
}  // namespace pw::gui::test
