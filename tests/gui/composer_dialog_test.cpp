// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <chrono>
#include <filesystem>

#include "gui/preview/preview_view.h"
#include "gui_test_bed.h"
#include "render/palette.h"
#include "render/thumbnail_cache.h"

namespace pw::gui::test {
namespace {

QLabel& label(QWidget& dialog, const char* side, int slot) {
    return control<QLabel>(dialog, QStringLiteral("%1Label%2").arg(side).arg(slot));
}

// One composer dialog with one count: its slots, those in use, a slot to choose in and
// the slot above it (0: none).
struct Case {
    Layout layout;
    int count, slotCount, shownSlots, labelSlot;
    bool keepsMarks;
    int slotAbove;
};

class ComposerTest : public ::testing::TestWithParam<Case> {
  protected:
    ComposerTest() {
        for (const char* name : {"zz-02R.map", "AB-07L.map", "AB-12.map", "PLAIN.map"}) {
            bed.addMap(MapSet::Ironfall, QString::fromLatin1(name), 'a');
        }
    }
    std::unique_ptr<ComposerDialog> open(MapSet mapSet = MapSet::Ironfall) {
        return bed.openComposer(GetParam().layout, GetParam().count, mapSet);
    }
    GuiTestBed bed;
};

TEST_P(ComposerTest, ShowsListsAndTabsThroughTheSlotsInUseAndTurnsTheDirection) {
    const Case& the = GetParam();
    auto dialog = open();
    EXPECT_EQ(dialog->windowTitle(), "Ironfall map files selection");
    QWidgetList expectedTabs;
    for (int slot = 1; slot <= the.slotCount; ++slot) {
        const bool inUse = slot <= the.shownSlots;
        for (const char* part : {"mapList%1", "slotArrow%1", "slotPanel%1"}) {
            EXPECT_EQ(control(*dialog, QString::fromLatin1(part).arg(slot)).isVisible(), inUse);
        }
        QComboBox& list = mapList(*dialog, slot);
        EXPECT_EQ(list.count(), inUse ? 4 : 0) << "slot " << slot;
        EXPECT_EQ(list.currentIndex(), -1) << "nothing is chosen on opening";
        EXPECT_FALSE(label(*dialog, "left", slot).isVisible() ||
                     label(*dialog, "right", slot).isVisible());
        if (inUse) {
            expectedTabs.append(&list);
        }
    }
    // Tab: slots, direction, the preview's controls and picture, Save Map, Cancel, round again.
    for (const char* name :
         {"directionButton", "previewToggle", "openSetupButton", "saveSetupButton", "previewShow",
          "previewLabels", "previewFixUps", "previewSeamCheck", "previewGrid", "previewView",
          "saveMapButton", "cancelButton"}) {
        expectedTabs.append(&control(*dialog, name));
    }
    QApplication::setActiveWindow(dialog.get());
    expectedTabs.front()->setFocus();
    for (QWidget* expected : expectedTabs + expectedTabs.mid(0, 1)) {
        EXPECT_EQ(QApplication::focusWidget(), expected) << expected->objectName().toStdString();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }

    const auto& view = control<PreviewView>(*dialog, "previewView");
    EXPECT_TRUE(waitUntil([&] { return view.message() == "Choose a panel for slot 1"; }));
    EXPECT_TRUE(view.accessibleDescription().startsWith(view.message() + "\nWheel"));
    QString directions = control<QLabel>(*dialog, "directionLabel").text();
    for (int click = 1; click <= 9; ++click) {
        control<QAbstractButton>(*dialog, "directionButton").click();
        directions += " " + control<QLabel>(*dialog, "directionLabel").text();
    }
    EXPECT_EQ(directions, "N NE E SE S SW W NW N NE");
    EXPECT_EQ(dialog->direction(), Direction::NE);
}

TEST_P(ComposerTest, TheChosenMarkShowsItsLabelAndANameWithoutMarkChangesNothing) {
    const int slot = GetParam().labelSlot;
    const std::optional<pw::Mark> keptR =
        GetParam().keepsMarks ? std::optional(pw::Mark::R) : std::nullopt;
    auto dialog = open();
    QLabel& left = label(*dialog, "left", slot);
    QLabel& right = label(*dialog, "right", slot);
    choose(*dialog, slot, "AB-07L.map");
    EXPECT_TRUE(left.isVisible() && !right.isVisible());
    EXPECT_EQ(left.text(), "7");
    QLabel& kept = control<QLabel>(*dialog, QStringLiteral("keptMark%1").arg(slot));
    QLabel& note = control<QLabel>(*dialog, "previewNote");
    for (const char* name : {"zz-02R.map", "AB-12.map", "PLAIN.map"}) {
        choose(*dialog, slot, QString::fromLatin1(name));
        EXPECT_TRUE(right.isVisible() && !left.isVisible()) << name;
        EXPECT_EQ(right.text(), "2") << name;
        EXPECT_EQ(left.text(), "7") << "the hidden label keeps its text";
        EXPECT_EQ(dialog->mark(slot - 1), keptR) << name;
        // A name without a mark joins with the kept one, and the slot says so.
        const bool keeps = keptR && name[0] != 'z';
        EXPECT_EQ(kept.isVisible(), keeps) << name;
        EXPECT_EQ(mapList(*dialog, slot).accessibleDescription().contains("Mark R kept"), keeps);
        EXPECT_EQ(kept.isVisible() ? kept.text() + " | " + kept.toolTip() : QString(),
                  keeps ? "R (kept) | Mark R kept from zz-02R.map: " + QString(name) +
                              " has no mark of its own"
                        : QString())
            << name;
        EXPECT_EQ(note.isVisible() ? note.text() : QString(),
                  keeps ? QStringLiteral("Slot %1 joins with mark R kept from zz-02R.map; it "
                                         "changes no junction as the marks stand.")
                              .arg(slot)
                        : QString());
    }
    // An L above the kept R: that junction changes.
    if (GetParam().slotAbove > 0) {
        choose(*dialog, GetParam().slotAbove, "AB-07L.map");
        EXPECT_EQ(note.text(), QStringLiteral("Slot %1 joins with mark R kept from zz-02R.map: it "
                                              "changes the junction with slot %2.")
                                   .arg(slot)
                                   .arg(GetParam().slotAbove));
    }
    const int other = slot == 1 ? 2 : 1;  // untouched
    EXPECT_TRUE(label(*dialog, "right", other).isHidden() && !dialog->mark(other - 1));
}

TEST_P(ComposerTest, AMissingMapSetFolderIsReportedOncePerSlotInUse) {
    auto dialog = open(MapSet::Emberline);  // Ironfall is there, Emberline is not
    EXPECT_EQ(bed.prompts.errors,
              QStringList(GetParam().shownSlots, QStringLiteral("ERROR searchinng for Map files")));
    EXPECT_EQ(dialog->windowTitle(), "Embr map files selection");
}

INSTANTIATE_TEST_SUITE_P(Dialogs, ComposerTest,
                         ::testing::Values(Case{Layout::TopToBottom, 3, 4, 3, 3, true, 2},
                                           Case{Layout::TopToBottom, 4, 4, 4, 4, true, 3},
                                           Case{Layout::EndToEnd, 2, 3, 2, 1, false, 0},
                                           Case{Layout::EndToEnd, 3, 3, 3, 3, false, 0},
                                           Case{Layout::Composite, 2, 8, 4, 4, true, 2},
                                           Case{Layout::Composite, 4, 8, 8, 7, true, 5}));

TEST(FitMarkTest, NamesThatCannotJoinSlotOnesPanelOrAreDamagedAreGreyedWithTheirReason) {
    GuiTestBed bed;
    bed.addMap(MapSet::Ironfall, "AA-01L.map", 'a');
    bed.addMap(MapSet::Ironfall, "BB-02R.map", 'b', 6);
    bed.addFile(MapSet::Ironfall, "CC-03L.map", "0\r\n2 2 1300\r\n");
    bed.addFile(MapSet::Ironfall, "DD-04R.map", "no numbers");
    const std::string whole = pw::test::MapBuilder{.fill = 'e'}.text();
    bed.addFile(MapSet::Ironfall, "EE-05L.map", whole.substr(0, whole.find("b\r\n")));
    bed.addFile(MapSet::Ironfall, "FF-06R.map", pw::test::MapBuilder{.layers = "cb"}.text());
    bed.addFile(MapSet::Ironfall, "GG-07L.map",
                std::string(whole).replace(whole.find("eeee"), 4, "eeee   e"));
    auto dialog = bed.openComposer(Layout::TopToBottom, 2);
    choose(*dialog, 1, "AA-01L.map");
    QComboBox& list = mapList(*dialog, 2);
    const auto tip = [&](int row) { return list.itemData(row, Qt::ToolTipRole).toString(); };
    const auto greyed = [&](int row) { return list.itemData(row, Qt::ForegroundRole).isValid(); };
    // Read through whole in the background, as Save Map would read them.
    ASSERT_TRUE(waitUntil([&] { return tip(4).contains('\n') && tip(6).contains('\n'); }));
    QString marks;
    for (int row = 0; row < 7; ++row) {
        marks += (greyed(row) ? "|greyed: " : "|") + tip(row);
    }
    EXPECT_EQ(marks,
              "|X = 4 Y = 2"
              "|greyed: X = 6 Y = 2\nfile BB-02R.map length does not match file AA-01L.map; 4 <> 6"
              "|greyed: file CC-03L.map is a submap! Version# = 0"
              "|greyed: file DD-04R.map has no valid version number"
              "|greyed: X = 4 Y = 2\nfile EE-05L.map ends early"
              "|greyed: X = 4 Y = 2\nfile FF-06R.map has layer letters out of order"
              "|greyed: X = 4 Y = 2\nfile GG-07L.map has a row longer than its length");
    // A screen reader hears the reason of each greyed name, which stays enabled, and of
    // the slot that holds it.
    QAccessibleInterface* slot = QAccessible::queryAccessibleInterface(&list);
    QStringList said;
    for (int row = 0; row < 7; ++row) {
        const QAccessibleInterface* item = slot->child(0)->child(row);
        said += (item->state().disabled ? "disabled: " : "") + item->text(QAccessible::Description);
    }
    EXPECT_EQ(said.join("|"),
              "|file BB-02R.map length does not match file AA-01L.map; 4 <> 6"
              "|file CC-03L.map is a submap! Version# = 0"
              "|file DD-04R.map has no valid version number|file EE-05L.map ends early"
              "|file FF-06R.map has layer letters out of order"
              "|file GG-07L.map has a row longer than its length");
    choose(*dialog, 2, "EE-05L.map");
    EXPECT_TRUE(slot->text(QAccessible::Description).startsWith("file EE-05L.map ends early\n"));
    // A greyed name can still be chosen, and the marks follow slot 1's choice.
    choose(*dialog, 2, "BB-02R.map");
    EXPECT_EQ(label(*dialog, "right", 2).text(), "2");
    choose(*dialog, 1, "BB-02R.map");
    EXPECT_TRUE(greyed(0) && !greyed(1));
}

// A template without a shared control is a programming error; the dialog still works.
TEST(ComposerWidgets, AControlATemplateLacksGetsAHiddenStandIn) {
    QWidget bare;
    const ComposerWidgets widgets = findComposerWidgets(bare, 2);
    EXPECT_TRUE(widgets.mapSetPicture && widgets.directionLabel && widgets.directionButton &&
                widgets.saveButton && widgets.cancelButton);
    for (const SlotWidgets& slot : widgets.slots) {
        EXPECT_TRUE(slot.mapList && slot.arrow && slot.panel && slot.leftLabel && slot.rightLabel);
    }
    EXPECT_EQ(widgets.slots.size(), 2);
    EXPECT_EQ(bare.findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), 15);
    EXPECT_TRUE(widgets.saveButton->isHidden());
}

// Files as people have them in a map-set folder: a fifo and a link to one are not offered
// and nothing waits on them; a name that is not UTF-8 is shown escaped and greyed with its
// reason; a legend that is a fifo is left out with a note in the preview.
TEST(OddFilesTest, TheDialogOpensStaysResponsiveAndSaysWhatCannotBeUsed) {
    GuiTestBed bed;
    bed.addMap(MapSet::Ironfall, "AA-01L.map", 'a');
    const std::string folder = bed.mapSetFolder(MapSet::Ironfall).toStdString();
    pw::test::writeFile(folder + "/\xE9-02R.map", pw::test::MapBuilder{}.text());
    ASSERT_EQ(::mkfifo((folder + "/FIFO.map").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo((folder + "/legend.txt").c_str(), 0600), 0);
    std::filesystem::create_symlink("FIFO.map", folder + "/LINK.map");
    auto dialog = bed.openComposer(Layout::TopToBottom, 2);
    QComboBox& list = mapList(*dialog, 2);
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.itemText(0) + "|" + list.itemText(1), "AA-01L.map|\\xE9-02R.map");
    ASSERT_TRUE(waitUntil([&] { return !list.itemData(1, Qt::ToolTipRole).toString().isEmpty(); }));
    EXPECT_EQ(list.itemData(1, Qt::ToolTipRole).toString(),
              "file name \\xE9-02R.map is not valid UTF-8");
    EXPECT_TRUE(list.itemData(1, Qt::ForegroundRole).isValid());
    const auto& note = control<QLabel>(*dialog, "previewNote");
    ASSERT_TRUE(waitUntil([&] { return !note.text().isEmpty(); }));
    EXPECT_EQ(note.text(),
              "legend.txt is not a regular file; the built-in colours are used instead");
    // The mark comes from the file's own name; Save Map names the file as the list does.
    choose(*dialog, 1, "\\xE9-02R.map");
    choose(*dialog, 2, "AA-01L.map");
    EXPECT_EQ(label(*dialog, "right", 1).text(), "2R");
    bed.prompts.saveAnswer = bed.dir.filePath("joined.map");
    control<QAbstractButton>(*dialog, "saveMapButton").click();
    EXPECT_EQ(bed.prompts.errors, QStringList{"ERROR: file name \\xE9-02R.map is not valid UTF-8"});
    EXPECT_TRUE(bed.prompts.asked.isEmpty());
}

ino_t inode(const std::string& path) {
    struct stat file {};
    return ::stat(path.c_str(), &file) == 0 ? file.st_ino : 0;
}

// The pictures beside the names: drawn in the map set's colours, kept, drawn again only
// for a file that changed, and drawn all the same where none can be kept.
TEST(SlotPictures, EachPanelIsDrawnOnceInItsSetsColoursAndAgainWhenItsFileChanges) {
    GuiTestBed bed;
    bed.addFile(MapSet::Ironfall, "legend.txt", "a #123456 grass\n");
    bed.addMap(MapSet::Ironfall, "AA-01L.map", 'a');
    bed.addMap(MapSet::Ironfall, "BB-02R.map", 'b', 6);
    bed.addFile(MapSet::Ironfall, "DD-04R.map", "no numbers");
    // Each name's middle colour; for the damaged one whether it shows the mark alone. The
    // dialog stays open until the next, so that it keeps its pictures after showing them.
    std::unique_ptr<ComposerDialog> dialog;
    const auto open = [&] {
        dialog = bed.openComposer(Layout::TopToBottom, 2);
        EXPECT_TRUE(waitForPictures(*dialog));
        const QComboBox& list = mapList(*dialog, 2);
        QStringList seen;
        for (int row = 0; row < 3; ++row) {
            seen << QString::number(middleOf(list.itemIcon(row).pixmap(list.view()->iconSize())),
                                    16);
        }
        return seen.join(' ');
    };
    // Every kept picture by name, with its inode: a picture written again gets a new one.
    const auto kept = [&] {
        QStringList pictures;
        for (const auto& entry : std::filesystem::directory_iterator(
                 bed.environment.pictureCacheFolder.toStdString())) {
            pictures << QString::fromStdString(entry.path().filename().string()) + "@" +
                            QString::number(inode(entry.path().string()));
        }
        pictures.sort();
        return pictures;
    };
    const auto colour = [](char cell) { return QString::number(builtInPalette()[cell], 16); };
    const QString drawn = open();
    const QString mark = drawn.section(' ', 2);
    EXPECT_EQ(drawn, "ff123456 " + colour('b') + " " + mark);
    // The pictures are kept after they are shown.
    EXPECT_TRUE(waitUntil([&] { return kept().size() == 2; }))
        << "a damaged panel has no picture to keep";
    const QStringList first = kept();

    // A picture unused for longer than the cache keeps one goes; one used is kept, and a
    // file not of the cache's naming stays, however old.
    const std::string folder = bed.environment.pictureCacheFolder.toStdString();
    const auto age = [&](const QString& picture, int days) {
        std::filesystem::last_write_time(
            folder + "/" + picture.section('@', 0, 0).toStdString(),
            std::filesystem::file_time_type::clock::now() - std::chrono::days(days));
    };
    for (const QString& old : {QString(40, u'f') + ".png", QString("holiday-2019.png")}) {
        pw::test::writeFile(folder + "/" + old.toStdString(), "");
        age(old, ThumbnailCache::kUnusedDays + 1);
    }
    age(first.front(), ThumbnailCache::kUnusedDays + 1);
    EXPECT_EQ(open(), drawn);
    QStringList expected = first;
    expected << "holiday-2019.png@" + QString::number(inode(folder + "/holiday-2019.png"));
    expected.sort();
    EXPECT_TRUE(waitUntil([&] { return kept() == expected; }))
        << "the kept pictures are used, not drawn again; the unused one is gone";

    const std::string changed = (bed.mapSetFolder(MapSet::Ironfall) + "/AA-01L.map").toStdString();
    pw::test::writeFile(changed, pw::test::MapBuilder{.fill = 'c'}.text());
    std::filesystem::last_write_time(
        changed, std::filesystem::last_write_time(changed) + std::chrono::seconds(2));
    EXPECT_EQ(open(), colour('c') + " " + colour('b') + " " + mark);
    EXPECT_TRUE(waitUntil([&] { return kept().size() == 4; }));
    const QStringList second = kept();
    for (const QString& picture : first) {
        EXPECT_TRUE(second.contains(picture)) << "nothing kept is written again";
    }

    // A folder that cannot be made costs nothing but the keeping.
    bed.environment.pictureCacheFolder = QString::fromStdString(changed) + "/pictures";
    EXPECT_EQ(open(), colour('c') + " " + colour('b') + " " + mark);
    EXPECT_TRUE(bed.prompts.errors.isEmpty());
}

// A cache folder that is a link is not followed: nothing where it leads changes, and the
// pictures are drawn all the same.
TEST(SlotPictures, ACacheFolderThatIsALinkKeepsNothingAndRemovesNothing) {
    GuiTestBed bed;
    bed.addMap(MapSet::Ironfall, "AA-01L.map", 'a');
    const std::string pictures = bed.dir.filePath("Pictures").toStdString();
    std::filesystem::create_directory(pictures);
    const auto old = std::filesystem::file_time_type::clock::now() -
                     std::chrono::days(ThumbnailCache::kUnusedDays + 1);
    for (const std::string& name :
         {std::string("holiday-2019.png"), std::string(40, 'f') + ".png"}) {
        pw::test::writeFile(pictures + "/" + name, "");
        std::filesystem::last_write_time(pictures + "/" + name, old);
    }
    std::filesystem::create_directory_symlink(pictures,
                                              bed.environment.pictureCacheFolder.toStdString());
    const ThumbnailCache cache(bed.environment.pictureCacheFolder, {48, 32}, std::nullopt);
    QString toKeep;
    EXPECT_FALSE(cache
                     .picture((bed.mapSetFolder(MapSet::Ironfall) + "/AA-01L.map").toStdString(),
                              "AA-01L.map", toKeep)
                     .isNull());
    EXPECT_EQ(toKeep, "") << "nothing to keep";
    cache.prune();
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(pictures)) {
        left.push_back(entry.path().filename().string());
        EXPECT_EQ(entry.last_write_time(), old);
    }
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, std::vector<std::string>({std::string(40, 'f') + ".png", "holiday-2019.png"}));
}

// A list longer than it shows has a scroll bar.
TEST(SlotListTest, ShowsAScrollBarWhenItHoldsMoreThanTwentyNames) {
    for (const int names : {20, 21}) {
        GuiTestBed bed;
        for (int i = 0; i < names; ++i) {
            bed.addMap(MapSet::Ironfall,
                       QStringLiteral("AB-%1.map").arg(i, 2, 10, QLatin1Char('0')), 'a');
        }
        auto dialog = bed.openComposer(Layout::TopToBottom, 2);
        // At the screen's top, where the list has the room to show twenty names.
        dialog->move(dialog->pos() - QPoint(0, mapList(*dialog, 1).mapToGlobal(QPoint()).y()));
        mapList(*dialog, 1).showPopup();
        EXPECT_EQ(mapList(*dialog, 1).view()->verticalScrollBar()->isVisible(), names > 20);
        mapList(*dialog, 1).hidePopup();
    }
}

}  // namespace
}  // namespace pw::gui::test
