// SPDX-License-Identifier: GPL-3.0-or-later
// The preview's seam check: a road that breaks at the seam between two panels, marked on
// the picture, counted on the note line, named from both sides under the mouse, and listed
// as `check` lists it under the picture.

#include <QAccessible>
#include <QCheckBox>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QProcess>
#include <QTest>

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
    EXPECT_TRUE(view.accessibleDescription().contains("\n" + note.text() + "\n"));
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

// Two roads that break at the seam, far from the picture's edges: the list under the
// picture holds `check`'s lines, and its keys centre the picture on each finding.
TEST(SeamFindingsTest, TheListHoldsTheLinesOfCheckAndItsKeysCentreThePictureOnEach) {
    GuiTestBed bed;
    const pw::test::MapBuilder open{.length = 60, .height = 24, .fill = '.'};
    const std::string ground = std::string(60, '.') + "\r\n";
    std::string upper = open.text(), roads = ground;
    roads[24] = roads[35] = '=';
    upper.replace(upper.find(ground) + 23 * ground.size(), ground.size(), roads);  // its edge
    bed.addFile(MapSet::Ironfall, "AB-01.map", upper);
    bed.addFile(MapSet::Ironfall, "AB-02.map", open.text());
    bed.addFile(MapSet::Ironfall, "legend.txt", "= #7b6a58+ road\n. #d8cf9c open ground\n");
    auto dialog = bed.openComposer(Layout::TopToBottom, 2);
    choose(*dialog, 1, "AB-01.map");
    choose(*dialog, 2, "AB-02.map");
    auto& pane = control<PreviewPane>(*dialog, "previewPane");
    auto& findings = control<QListWidget>(*dialog, "previewFindings");
    ASSERT_TRUE(waitUntil([&] { return pane.upToDate(); }));
    EXPECT_FALSE(findings.isVisible()) << "no list while the seam check is off";
    control<QCheckBox>(*dialog, "previewSeamCheck").click();
    ASSERT_TRUE(waitUntil([&] { return pane.upToDate() && findings.isVisible(); }));
    QProcess check;
    check.setWorkingDirectory(bed.mapSetFolder(MapSet::Ironfall));
    check.start(PANELWRIGHT_CLI_PATH,
                {"check", "--layout", "top-to-bottom", "AB-01.map", "AB-02.map"});
    ASSERT_TRUE(check.waitForFinished());
    QStringList listed;  // as a screen reader reads them
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&findings);
    for (int row = 0; row < findings.count(); ++row) {
        listed.append(list->child(row)->text(QAccessible::Name) + "\n");
    }
    const QString printed = QString::fromUtf8(check.readAllStandardOutput());
    EXPECT_EQ(listed.size(), 2);
    EXPECT_EQ(printed.left(printed.indexOf("summary")), listed.join(""));
    EXPECT_FALSE(findings.accessibleName().isEmpty());

    // Each key, and the cell then ringed and under the view's centre.
    auto& view = control<PreviewView>(*dialog, "previewView");
    for (const auto& [key, cell] : {std::pair{Qt::Key_Down, QPoint(24, 23)},
                                    {Qt::Key_Down, QPoint(35, 23)},
                                    {Qt::Key_Up, QPoint(24, 23)},
                                    {Qt::Key_Return, QPoint(24, 23)}}) {
        QTest::keyClick(&view, Qt::Key_Left);  // moved away, to be brought back
        QTest::keyClick(&findings, key);
        const QPointF centre = (QRectF(view.rect()).center() - view.pictureOrigin()) /
                               (view.zoom() * pane.current().options.cellSize);
        EXPECT_EQ(view.finding(), cell);
        EXPECT_LT((centre - QPointF(cell) - QPointF(0.5, 0.5)).manhattanLength(), 0.01)
            << centre.x() << ", " << centre.y();
    }
    EXPECT_TRUE(bed.prompts.asked.isEmpty()) << "Enter does not reach Save Map";
    EXPECT_TRUE(control<QLabel>(*dialog, "previewStatus").text().contains("does not meet"));
}

}  // namespace
}  // namespace pw::gui::test
