#include <gtest/gtest.h>

#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <memory>
#include <string>

#include "gui/assembly/composite_dlg.h"
#include "gui/assembly/end_to_end_dlg.h"
#include "gui/composer/label_font.h"
#include "gui/composer/top_to_bottom_dlg.h"
#include "gui_test_bed.h"

namespace pw::gui::test {
namespace {

enum class Kind { TopToBottom, EndToEnd, Composite };

std::string kindName(Kind kind) {
    switch (kind) {
        case Kind::TopToBottom:
            return "TopToBottom";
        case Kind::EndToEnd:
            return "EndToEnd";
        case Kind::Composite:
            break;
    }
    return "Composite";
}

std::unique_ptr<CComposerDlg> makeComposer(Kind kind, int count, int mapSet,
                                           const DialogEnvironment& environment) {
    switch (kind) {
        case Kind::TopToBottom:
            return std::make_unique<CTopToBottomDlg>(count, mapSet, environment);
        case Kind::EndToEnd:
            return std::make_unique<CEndToEndDlg>(count, mapSet, environment);
        case Kind::Composite:
            break;
    }
    return std::make_unique<CCompositeDlg>(count, mapSet, environment);
}

QComboBox& mapList(QWidget& dialog, int slot) {
    return *control<QComboBox>(dialog,
                               QStringLiteral("mapList%1").arg(slot).toLatin1().constData());
}
QLabel& leftLabel(QWidget& dialog, int slot) {
    return *control<QLabel>(dialog, QStringLiteral("leftLabel%1").arg(slot).toLatin1().constData());
}
QLabel& rightLabel(QWidget& dialog, int slot) {
    return *control<QLabel>(dialog,
                            QStringLiteral("rightLabel%1").arg(slot).toLatin1().constData());
}
void choose(QWidget& dialog, int slot, const QString& name) {
    QComboBox& list = mapList(dialog, slot);
    const int index = list.findText(name);
    ASSERT_GE(index, 0) << name.toStdString();
    list.setCurrentIndex(index);
}
bool slotShown(QWidget& dialog, int slot) {
    const QString n = QString::number(slot);
    const bool list = mapList(dialog, slot).isVisible();
    const bool arrow =
        control<QWidget>(dialog, ("slotArrow" + n).toLatin1().constData())->isVisible();
    const bool panel =
        control<QWidget>(dialog, ("slotPanel" + n).toLatin1().constData())->isVisible();
    EXPECT_TRUE(list == arrow && arrow == panel) << "slot " << slot << " is shown only in part";
    return list;
}

// One composer dialog opened with one count: how many slots it has and shows.
struct Opening {
    Kind kind;
    int count;
    int slotCount;
    int shownSlots;
};

class ComposerOpeningTest : public ::testing::TestWithParam<Opening> {
  protected:
    GuiTestBed bed;
};

TEST_P(ComposerOpeningTest, ShowsAndListsExactlyTheSlotsInUse) {
    const Opening& opening = GetParam();
    bed.addMap(0, "zz-02R.map", 'z');
    bed.addMap(0, "AB-07L.map", 'a');
    bed.addMap(0, "ab-03l.MAP", 'b');
    bed.addFile(0, "notes.txt", "not a map");
    auto dialog = makeComposer(opening.kind, opening.count, 0, bed.environment());
    dialog->show();

    EXPECT_TRUE(bed.prompts.errors.isEmpty());
    for (int slot = 1; slot <= opening.slotCount; ++slot) {
        const bool inUse = slot <= opening.shownSlots;
        EXPECT_EQ(slotShown(*dialog, slot), inUse) << "slot " << slot;
        QComboBox& list = mapList(*dialog, slot);
        if (inUse) {
            ASSERT_EQ(list.count(), 3) << "slot " << slot;
            EXPECT_EQ(list.itemText(0), "ab-03l.MAP");
            EXPECT_EQ(list.itemText(1), "AB-07L.map");
            EXPECT_EQ(list.itemText(2), "zz-02R.map");
            EXPECT_EQ(list.currentIndex(), -1) << "nothing is chosen on opening";
        } else {
            EXPECT_EQ(list.count(), 0) << "slot " << slot << " is not in use, not listed";
        }
        EXPECT_FALSE(leftLabel(*dialog, slot).isVisible());
        EXPECT_FALSE(rightLabel(*dialog, slot).isVisible());
        EXPECT_EQ(leftLabel(*dialog, slot).text(), "");
        EXPECT_EQ(rightLabel(*dialog, slot).text(), "");
    }
    EXPECT_EQ(control<QLabel>(*dialog, "directionLabel")->text(), "N");
    EXPECT_EQ(dialog->windowTitle(), "Ironfall map files selection");
}

TEST_P(ComposerOpeningTest, AMissingMapSetFolderIsReportedOncePerSlotInUse) {
    const Opening& opening = GetParam();
    bed.addMap(0, "AB-07L.map", 'a');  // Ironfall is there, Emberline is not
    auto dialog = makeComposer(opening.kind, opening.count, 1, bed.environment());
    dialog->show();

    EXPECT_EQ(bed.prompts.errors,
              QStringList(opening.shownSlots, QStringLiteral("ERROR searchinng for Map files")));
    EXPECT_TRUE(dialog->isVisible()) << "the dialog still opens";
    EXPECT_EQ(dialog->windowTitle(), "Embr map files selection");
    for (int slot = 1; slot <= opening.shownSlots; ++slot) {
        EXPECT_EQ(mapList(*dialog, slot).count(), 0);
    }
}

TEST_P(ComposerOpeningTest, AnEmptyMapSetFolderGivesEmptyListsWithoutMessage) {
    const Opening& opening = GetParam();
    bed.addMapSetFolder(1);
    auto dialog = makeComposer(opening.kind, opening.count, 1, bed.environment());
    dialog->show();

    EXPECT_TRUE(bed.prompts.errors.isEmpty());
    for (int slot = 1; slot <= opening.shownSlots; ++slot) {
        EXPECT_EQ(mapList(*dialog, slot).count(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Counts, ComposerOpeningTest,
    ::testing::Values(Opening{Kind::TopToBottom, 2, 4, 2}, Opening{Kind::TopToBottom, 3, 4, 3},
                      Opening{Kind::TopToBottom, 4, 4, 4}, Opening{Kind::EndToEnd, 2, 3, 2},
                      Opening{Kind::EndToEnd, 3, 3, 3}, Opening{Kind::Composite, 2, 8, 4},
                      Opening{Kind::Composite, 3, 8, 6}, Opening{Kind::Composite, 4, 8, 8}),
    [](const auto& entry) {
        return kindName(entry.param.kind) + std::to_string(entry.param.count);
    });

// One dialog and one of its slots, for the L/R labels.
struct LabelCase {
    Kind kind;
    int count;
    int slot;
    bool keepsMarks;
};

class SlotLabelTest : public ::testing::TestWithParam<LabelCase> {
  protected:
    SlotLabelTest() {
        bed.addMap(0, "AB-07L.map", 'a');
        bed.addMap(0, "AB-12R.map", 'b');
        bed.addMap(0, "AB-12.map", 'c');
        bed.addMap(0, "PLAIN.map", 'd');
        dialog = makeComposer(GetParam().kind, GetParam().count, 0, bed.environment());
        dialog->show();
    }

    GuiTestBed bed;
    std::unique_ptr<CComposerDlg> dialog;
};

TEST_P(SlotLabelTest, TheChosenMarkShowsItsLabelWithTheNumber) {
    const int slot = GetParam().slot;
    const char kept = GetParam().keepsMarks ? 'L' : ' ';

    choose(*dialog, slot, "AB-07L.map");
    EXPECT_TRUE(leftLabel(*dialog, slot).isVisible());
    EXPECT_FALSE(rightLabel(*dialog, slot).isVisible());
    EXPECT_EQ(leftLabel(*dialog, slot).text(), "7");
    EXPECT_EQ(dialog->mark(slot - 1), kept);

    choose(*dialog, slot, "AB-12R.map");
    EXPECT_TRUE(rightLabel(*dialog, slot).isVisible());
    EXPECT_FALSE(leftLabel(*dialog, slot).isVisible());
    EXPECT_EQ(rightLabel(*dialog, slot).text(), "12");
    EXPECT_EQ(leftLabel(*dialog, slot).text(), "7") << "the hidden label keeps its text";
    EXPECT_EQ(dialog->mark(slot - 1), GetParam().keepsMarks ? 'R' : ' ');

    choose(*dialog, slot, "AB-07L.map");
    EXPECT_EQ(rightLabel(*dialog, slot).text(), "12") << "the hidden label keeps its text";

    // Names without a mark change nothing, with or without a number in them.
    for (const char* unmarked : {"AB-12.map", "PLAIN.map"}) {
        choose(*dialog, slot, QString::fromLatin1(unmarked));
        EXPECT_TRUE(leftLabel(*dialog, slot).isVisible()) << unmarked;
        EXPECT_FALSE(rightLabel(*dialog, slot).isVisible()) << unmarked;
        EXPECT_EQ(leftLabel(*dialog, slot).text(), "7") << unmarked;
        EXPECT_EQ(dialog->mark(slot - 1), kept) << unmarked;
    }
}

TEST_P(SlotLabelTest, AChoiceTouchesOnlyItsOwnSlot) {
    const int slot = GetParam().slot;
    const int other = slot == 1 ? 2 : 1;
    choose(*dialog, slot, "AB-12R.map");
    EXPECT_FALSE(leftLabel(*dialog, other).isVisible());
    EXPECT_FALSE(rightLabel(*dialog, other).isVisible());
    EXPECT_EQ(rightLabel(*dialog, other).text(), "");
    EXPECT_EQ(dialog->mark(other - 1), ' ');
}

INSTANTIATE_TEST_SUITE_P(Slots, SlotLabelTest,
                         ::testing::Values(LabelCase{Kind::TopToBottom, 2, 2, true},
                                           LabelCase{Kind::TopToBottom, 4, 4, true},
                                           LabelCase{Kind::EndToEnd, 3, 3, false},
                                           LabelCase{Kind::EndToEnd, 2, 1, false},
                                           LabelCase{Kind::Composite, 3, 6, true},
                                           LabelCase{Kind::Composite, 4, 7, true}),
                         [](const auto& entry) {
                             return kindName(entry.param.kind) + std::to_string(entry.param.count) +
                                    "Slot" + std::to_string(entry.param.slot);
                         });

class DirectionTest : public ::testing::TestWithParam<Kind> {
  protected:
    GuiTestBed bed;
};

TEST_P(DirectionTest, EachClickTurnsTheTopEdgeOneCompassPointClockwise) {
    bed.addMapSetFolder(0);
    auto dialog = makeComposer(GetParam(), 2, 0, bed.environment());
    dialog->show();
    auto* button = control<QPushButton>(*dialog, "directionButton");
    auto* text = control<QLabel>(*dialog, "directionLabel");
    EXPECT_FALSE(button->icon().isNull()) << "the button shows the arrow";

    const QStringList expected = {"NE", "E", "SE", "S", "SW", "W", "NW", "N", "NE"};
    for (int click = 0; click < expected.size(); ++click) {
        button->click();
        EXPECT_EQ(text->text(), expected[click]) << "click " << click + 1;
        EXPECT_EQ(dialog->direction(), (click + 1) % 8);
    }
}

INSTANTIATE_TEST_SUITE_P(Dialogs, DirectionTest,
                         ::testing::Values(Kind::TopToBottom, Kind::EndToEnd, Kind::Composite),
                         [](const auto& entry) { return kindName(entry.param); });

TEST(LabelFontTest, IsBoldSansWhoseLineIsFourteenPointsAtTheScreenResolution) {
    for (const int dpi : {96, 192}) {
        const QFont font = labelFont(dpi);
        const int cellHeight = (14 * dpi + 36) / 72;  // 19 pixels at 96 dpi
        EXPECT_TRUE(font.bold());
        EXPECT_LE(QFontMetrics(font).height(), cellHeight) << dpi;
        EXPECT_GE(QFontMetrics(font).height(), cellHeight - 2) << dpi;
    }
}

TEST(LabelFontTest, GoesToEveryLabelAlsoOfSlotsNotInUse) {
    GuiTestBed bed;
    bed.addMapSetFolder(0);
    CCompositeDlg dialog(2, 0, bed.environment());
    dialog.show();
    const QFont expected = labelFont(dialog.logicalDpiY());
    for (int slot = 1; slot <= 8; ++slot) {
        EXPECT_EQ(leftLabel(dialog, slot).font(), expected) << slot;
        EXPECT_EQ(rightLabel(dialog, slot).font(), expected) << slot;
    }
    EXPECT_EQ(control<QLabel>(dialog, "directionLabel")->font(), expected);
}

}  // namespace
}  // namespace pw::gui::test
