// SPDX-License-Identifier: GPL-3.0-or-later
// Room to look at the preview: the dialog's size with and without it, and the keys and
// the mouse on the picture.

#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>

#include "gui/preview/preview_pane.h"
#include "gui/preview/preview_view.h"
#include "gui_test_bed.h"

namespace pw::gui::test {
namespace {

struct Dialog {
    Layout layout;
    int count;
};

// The slots as their template lays them out, inside the area that scrolls them.
QWidget& slotsOf(QWidget& dialog) {
    return *control<QScrollArea>(dialog, "slotsArea").widget();
}

class PreviewRoomTest : public ::testing::TestWithParam<Dialog> {
  protected:
    PreviewRoomTest() { bed.addMap(MapSet::Ironfall, "AB-01L.map", 'a'); }
    std::unique_ptr<ComposerDialog> open() {
        auto dialog = bed.openComposer(GetParam().layout, GetParam().count);
        QCoreApplication::processEvents();
        return dialog;
    }
    GuiTestBed bed;
};

TEST_P(PreviewRoomTest, HiddenItIsFixedShownItResizesAroundTheSlotsAndKeepsItsSize) {
    bed.settings.setValue("Preview/Shown", false);
    auto dialog = open();
    QWidget& slots = slotsOf(*dialog);
    QWidget& view = control(*dialog, "previewView");
    const QSize hidden = dialog->size();
    const QSize slotsSize = slots.size();
    EXPECT_TRUE(dialog->minimumSize() == hidden && dialog->maximumSize() == hidden);

    control<QCheckBox>(*dialog, "previewToggle").setChecked(true);
    EXPECT_GT(dialog->maximumSize().width(), dialog->width());
    // As large as the screen takes.
    const QSize grown = dialog->screen()->availableGeometry().size() -
                        (dialog->frameGeometry().size() - dialog->size());
    const QSize before = view.size() - dialog->size();
    dialog->resize(grown);
    QCoreApplication::processEvents();
    EXPECT_EQ(slots.size(), slotsSize) << "the slots keep their layout";
    EXPECT_EQ(view.size(), before + grown) << "the preview takes the rest";
    const QSize shown = dialog->size();
    dialog->reject();

    dialog = open();  // the size is remembered for the layout
    EXPECT_EQ(dialog->size(), shown);
    control<QCheckBox>(*dialog, "previewToggle").setChecked(false);
    EXPECT_EQ(dialog->size(), hidden);
    EXPECT_EQ(slotsOf(*dialog).size(), slotsSize) << "the new dialog's slots";
}

TEST_P(PreviewRoomTest, NeverOpensLargerThanTheScreenAndOpensMaximisedAgain) {
    bed.settings.setValue(QStringLiteral("Preview/Size/") + layoutName(GetParam().layout).data(),
                          QSize(5000, 4000));
    auto dialog = open();
    const QSize screen = dialog->screen()->availableGeometry().size();
    EXPECT_TRUE(dialog->width() <= screen.width() && dialog->height() <= screen.height())
        << dialog->width() << "x" << dialog->height();
    const QSize slotsSize = slotsOf(*dialog).size();
    dialog->showMaximized();
    QCoreApplication::processEvents();
    EXPECT_EQ(slotsOf(*dialog).size(), slotsSize);
    dialog->reject();
    EXPECT_TRUE(open()->isMaximized());
}

TEST_P(PreviewRoomTest, TheHandleBetweenSlotsAndPreviewMovesAndIsRemembered) {
    auto dialog = open();
    auto& split = control<QSplitter>(*dialog, "previewSplitter");
    const int whole = split.sizes().value(0);
    const bool beside = split.orientation() == Qt::Horizontal;
    EXPECT_EQ(whole, beside ? slotsOf(*dialog).width() : slotsOf(*dialog).height());
    // Dragged 40 pixels towards the slots: they scroll, the preview gains.
    QSplitterHandle& handle = *split.handle(1);
    const QPoint from = handle.rect().center(),
                 to = from - (beside ? QPoint(40, 0) : QPoint(0, 40));
    for (const auto& [type, at] :
         {std::pair{QEvent::MouseButtonPress, from}, std::pair{QEvent::MouseMove, to},
          std::pair{QEvent::MouseButtonRelease, to}}) {
        QMouseEvent event(type, at, handle.mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&handle, &event);
    }
    EXPECT_EQ(split.sizes().value(0), whole - 40);
    QCoreApplication::processEvents();
    auto& area = control<QScrollArea>(*dialog, "slotsArea");
    EXPECT_TRUE((beside ? area.horizontalScrollBar() : area.verticalScrollBar())->isVisible());
    dialog->reject();
    dialog = open();
    EXPECT_EQ(control<QSplitter>(*dialog, "previewSplitter").sizes().value(0), whole - 40);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, PreviewRoomTest,
                         ::testing::Values(Dialog{Layout::TopToBottom, 4},
                                           Dialog{Layout::EndToEnd, 3},
                                           Dialog{Layout::Composite, 4}));

// Wherever the dialog opens, the preview goes beside the slots or under them, whichever
// shows the joined map's picture larger: turned the other way with the slots whole, the
// picture would be no larger. On a scaled screen (gui.ScaledScreen) all stays within it.
TEST(PreviewRoom, ThePreviewTakesTheSideWithMoreRoomAndTheDialogFitsItsScreen) {
    for (const auto& [layout, count] :
         {std::pair{Layout::TopToBottom, 4}, std::pair{Layout::TopToBottom, 2},
          std::pair{Layout::EndToEnd, 3}, std::pair{Layout::Composite, 4}}) {
        GuiTestBed bed;
        bed.addMap(MapSet::Ironfall, "AB-01L.map", 'a',
                   3);  // 3 by 2 cells: a panel of a usual shape
        auto dialog = bed.openComposer(layout, count);
        QCoreApplication::processEvents();
        const QSize screen = dialog->screen()->availableGeometry().size();
        EXPECT_TRUE(dialog->width() <= screen.width() && dialog->height() <= screen.height());
        // Opened where the screen has room (the window frame's aside), the slots show
        // whole: nothing to scroll.
        const auto& area = control<QScrollArea>(*dialog, "slotsArea");
        EXPECT_TRUE(dialog->width() + 40 >= screen.width() ||
                    !area.horizontalScrollBar()->isVisible())
            << layoutName(layout) << " " << count;
        EXPECT_TRUE(dialog->height() + 40 >= screen.height() ||
                    !area.verticalScrollBar()->isVisible())
            << layoutName(layout) << " " << count;
        for (int slot = 1; slot <= mapCountOf(layout, count); ++slot) {
            choose(*dialog, slot, "AB-01L.map");
        }
        auto& pane = control<PreviewPane>(*dialog, "previewPane");
        const auto& view = control<PreviewView>(*dialog, "previewView");
        const auto shown = [&] {
            QCoreApplication::processEvents();
            EXPECT_TRUE(waitUntil([&] { return pane.upToDate(); }));
            const QSizeF picture = QSizeF(pane.current().image.size()) * view.zoom();
            return picture.width() * picture.height();
        };
        dialog->resize(screen);
        const double chosen = shown();
        auto& split = control<QSplitter>(*dialog, "previewSplitter");
        split.setOrientation(split.orientation() == Qt::Horizontal ? Qt::Vertical : Qt::Horizontal);
        QCoreApplication::processEvents();
        const int along = split.orientation() == Qt::Horizontal ? slotsOf(*dialog).width()
                                                                : slotsOf(*dialog).height();
        const QList<int> sizes = split.sizes();
        split.setSizes({along, sizes.value(0) + sizes.value(1) - along});
        // Within a tenth: the window frame's few pixels and the usual shape are guesses.
        const double turned = shown();
        EXPECT_TRUE(split.sizes().value(0) < along || chosen * 1.1 >= turned)
            << layoutName(layout) << " " << count << ": " << chosen << " against " << turned;
    }
}

// Keys pressed on the picture, and what they do to the fitted picture: the zoom against
// the fitted one, and how far the picture moved under the view's centre, in eighths of
// the view (zooming keeps the centre where it is; zooming out recentres a picture that the
// view holds whole; a fitted picture does not pan; NAN: stopped at the edge, as checked).
constexpr int Plus = Qt::Key_Plus, Left = Qt::Key_Left;
struct Keys {
    std::vector<int> keys;
    double zoom;
    QPointF moved;
    bool fitted;
};

class PreviewKeysTest : public ::testing::TestWithParam<Keys> {};

TEST_P(PreviewKeysTest, ThePictureTakesTheFocusAndTheKeysZoomPanAndFit) {
    GuiTestBed bed;
    bed.addMap(MapSet::Ironfall, "AB-01L.map", 'a', 40);
    auto dialog = bed.openComposer(Layout::TopToBottom, 3);
    for (int slot = 1; slot <= 3; ++slot) {
        choose(*dialog, slot, "AB-01L.map");
    }
    auto& pane = control<PreviewPane>(*dialog, "previewPane");
    ASSERT_TRUE(waitUntil([&] { return pane.upToDate(); }));
    auto& view = control<PreviewView>(*dialog, "previewView");
    QMouseEvent click(QEvent::MouseButtonPress, QPointF(5, 5), view.mapToGlobal(QPointF(5, 5)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&view, &click);
    EXPECT_TRUE(view.hasFocus());

    const double fitted = view.zoom();
    const QPointF centre = QRectF(view.rect()).center();
    const QPointF underCentre = (centre - view.pictureOrigin()) / fitted;
    for (const int key : GetParam().keys) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(&view, &press);
    }
    EXPECT_NEAR(view.zoom() / fitted, GetParam().zoom, 1e-9);
    const QPointF moved =
        (underCentre - (centre - view.pictureOrigin()) / view.zoom()) * view.zoom() * 8;
    const QPointF steps(moved.x() / view.width(), moved.y() / view.height());
    EXPECT_TRUE(std::isnan(GetParam().moved.x()) ||
                (steps - GetParam().moved).manhattanLength() < 1e-9)
        << steps.x() << ", " << steps.y();
    EXPECT_EQ(view.isFitted(), GetParam().fitted);
    // Wherever the keys leave it, the picture covers the view up to its edges, or is centred.
    const QRectF shown(view.pictureOrigin(), QSizeF(pane.current().image.size()) * view.zoom());
    const QRectF room = QRectF(view.rect()).adjusted(4, 4, -4, -4), both = shown | room;
    EXPECT_TRUE(
        (shown.width() > room.width() ? both.width() == shown.width()
                                      : qFuzzyCompare(shown.center().x(), room.center().x())) &&
        (shown.height() > room.height() ? both.height() == shown.height()
                                        : qFuzzyCompare(shown.center().y(), room.center().y())));
    EXPECT_EQ(mapList(*dialog, 3).currentText(), "AB-01L.map") << "no key reached a list";
}

INSTANTIATE_TEST_SUITE_P(
    Preview, PreviewKeysTest,
    // clang-format off
    ::testing::Values(Keys{{}, 1, {0, 0}, true}, Keys{{Qt::Key_Plus}, 1.25, {0, 0}, false},
                      Keys{{Qt::Key_Equal}, 1.25, {0, 0}, false},
                      Keys{{Qt::Key_Plus, Qt::Key_Minus}, 1, {0, 0}, false},
                      Keys{{Qt::Key_Left}, 1, {0, 0}, true}, Keys{{Qt::Key_Down}, 1, {0, 0}, true},
                      Keys{{Plus, Plus, Plus, Plus, Qt::Key_Left}, 2.44140625, {1, 0}, false},
                      Keys{{Plus, Plus, Plus, Plus, Qt::Key_Right}, 2.44140625, {-1, 0}, false},
                      Keys{{Plus, Plus, Plus, Plus, Qt::Key_Up}, 2.44140625, {0, 0}, false},  // short
                      Keys{{Plus, Plus, Plus, Plus, Qt::Key_Down}, 2.44140625, {0, 0}, false},
                      Keys{{Plus, Plus, Plus, Plus, Left, Left, Left, Left, Left, Left, Left, Left}, 2.44140625, {NAN, 0}, false},
                      Keys{{Plus, Qt::Key_Left, Qt::Key_Minus}, 1, {0, 0}, false},
                      Keys{{Plus, Qt::Key_Left, Qt::Key_0}, 1, {0, 0}, true},
                      Keys{{Qt::Key_Right, Qt::Key_Home}, 1, {0, 0}, true}));
// clang-format on

TEST(PreviewHoverTest, TheLineUnderThePictureNamesTheLabelUnderTheMouse) {
    GuiTestBed bed;
    bed.addMap(MapSet::Ironfall, "AB-01L.map", 'a', 40);  // its label "Hill" at cell (1.5, 1)
    auto dialog = bed.openComposer(Layout::TopToBottom, 2);
    choose(*dialog, 1, "AB-01L.map");
    auto& pane = control<PreviewPane>(*dialog, "previewPane");
    ASSERT_TRUE(waitUntil([&] { return pane.upToDate(); }));
    auto& view = control<PreviewView>(*dialog, "previewView");
    EXPECT_FALSE(control<QLabel>(*dialog, "previewStatus").text().contains(QChar(0x2026)))
        << "what the keys do shows whole, wrapped";
    const double pixelsPerCell = view.zoom() * pane.current().options.cellSize;
    const auto hoverAt = [&](QPointF cell) {
        const QPointF at = view.pictureOrigin() + cell * pixelsPerCell + QPointF(0, 0.5);
        QMouseEvent move(QEvent::MouseMove, at, view.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(&view, &move);
        return control<QLabel>(*dialog, "previewStatus").text().replace('\n', ' ');
    };
    EXPECT_EQ(hoverAt({1.5, 1}),
              "Column 1, row 1: first grid 'a', second grid 'a', b 'b'; "
              "slot 1: AB-01L.map; label \"Hill\"");
    EXPECT_FALSE(hoverAt({30.5, 1.5}).contains("label"));
}

}  // namespace
}  // namespace pw::gui::test
