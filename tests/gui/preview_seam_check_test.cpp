// SPDX-License-Identifier: GPL-3.0-or-later
// The preview's seam check: a road that breaks at the seam between two panels, marked on
// the picture, counted on the note line and named from both sides under the mouse.

#include <QCheckBox>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>

#include "gui/preview/preview_pane.h"
#include "gui/preview/preview_view.h"
#include "gui_test_bed.h"
#include "render/contrast_colour.h"

namespace pw::gui::test {
namespace {

// A legend.txt (none: no legend) and what the note line says of the seam check with it.
struct Legended {
    const char* legend;
    const char* note;
};

class SeamCheckTest : public ::testing::TestWithParam<Legended> {
  protected:
    SeamCheckTest() {
        // The road in the first grid's third column reaches the upper panel's lower edge;
        // the lower panel is open ground throughout. Wide enough to keep the compass mark
        // off the road.
        const pw::test::MapBuilder open{.length = 12, .fill = '.'};
        std::string upper = open.text();
        const std::string ground = std::string(12, '.') + "\r\n";
        const std::string road = "..=" + std::string(9, '.') + "\r\n";
        upper.replace(upper.find(ground + ground), 2 * ground.size(), road + road);
        bed.addFile(MapSet::Ironfall, "AB-01.map", upper);
        bed.addFile(MapSet::Ironfall, "AB-02.map", open.text());
        if (GetParam().legend != nullptr) {
            bed.addFile(MapSet::Ironfall, "legend.txt", GetParam().legend);
        }
    }
    GuiTestBed bed;
};

TEST_P(SeamCheckTest, MarksCountsAndNamesTheCellsThatDoNotMeet) {
    auto dialog = bed.openComposer(Layout::TopToBottom, 2);
    choose(*dialog, 1, "AB-01.map");
    choose(*dialog, 2, "AB-02.map");
    auto& box = control<QCheckBox>(*dialog, "previewSeamCheck");
    auto& note = control<QLabel>(*dialog, "previewNote");
    auto& pane = control<PreviewPane>(*dialog, "previewPane");
    EXPECT_FALSE(box.isChecked()) << "off by default";
    control<QAbstractButton>(*dialog, "previewLabels").click();  // nothing over the road
    box.click();
    ASSERT_TRUE(waitUntil([&] { return pane.upToDate() && note.text() == GetParam().note; }))
        << note.text().toStdString();
    const bool breaks = note.text().contains("1 cell does not meet");
    const RenderOptions& drawn = pane.current().options;
    EXPECT_EQ(drawn.seamMarks, breaks ? std::vector{QPoint(2, 1)} : std::vector<QPoint>());
    // The road's last cell above the seam wears the mark's frame.
    const int cell = drawn.cellSize;
    const QRgb frame = contrastColours(drawn.legend).frame;
    EXPECT_EQ(pane.current().image.pixel(2 * cell, 2 * cell - 1) == frame, breaks);

    auto& view = control<PreviewView>(*dialog, "previewView");
    const QPointF at = view.pictureOrigin() + QPointF(2.5, 1.5) * cell * view.zoom();
    QMouseEvent move(QEvent::MouseMove, at, view.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&view, &move);
    EXPECT_EQ(view.toolTip().contains("; does not meet across the seam: road '=' here, open "
                                      "ground '.' across in slot 2: AB-02.map"),
              breaks)
        << view.toolTip().toStdString();
    EXPECT_TRUE(pane.pictureChoice().seamMarks);
    // Save Image draws the marks as merge --image --seam-marks does, at 4 pixels a cell.
    const QString saved = bed.dir.filePath("board.png");
    bed.prompts.imageAnswer = {saved, false};
    control<QAbstractButton>(*dialog, "previewSaveImage").click();
    EXPECT_EQ(QImage(saved).pixel(8, 7) == frame, breaks);

    dialog->reject();
    EXPECT_TRUE(control<QCheckBox>(*bed.openComposer(Layout::TopToBottom, 2), "previewSeamCheck")
                    .isChecked())
        << "the choice is remembered";
}

INSTANTIATE_TEST_SUITE_P(
    Legends, SeamCheckTest,
    ::testing::Values(
        Legended{"= #7b6a58+ road\n. #d8cf9c open ground\n",
                 "Seam check: 1 seam compared: 1 cell does not meet"},
        Legended{"= #7b6a58 road\n",
                 "Seam check: nothing compared, so no seam is known to meet: legend.txt marks "
                 "no feature that continues across panel edges (a + right after the colour)"},
        Legended{nullptr,
                 "Seam check: nothing compared, so no seam is known to meet: there is no "
                 "legend.txt"}));

}  // namespace
}  // namespace pw::gui::test
