// SPDX-License-Identifier: GPL-3.0-or-later
// Every dialog as a screen reader and the keyboard find it: each control named, each Alt
// letter and shortcut doing what its button does, Shift turning the direction back, the
// focus shown and given back.

#include <QAccessible>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QStyleOption>
#include <QTest>
#include <QTimer>

#include "gui/app/panelwright_dialog.h"
#include "gui/preview/preview_pane.h"
#include "gui_test_bed.h"

namespace pw::gui::test {
namespace {

// What a screen reader or the keyboard would miss: a focusable control without a name or
// named by what it shows, a name or an Alt letter given twice, one of `described` without
// a description.
QStringList faults(QWidget& dialog, const QStringList& described) {
    QStringList faults, names, letters;
    for (QWidget* widget : dialog.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&dialog)) {
            continue;
        }
        QStringList texts{widget->property("text").toString()};  // a label's or a button's
        for (QAction* menu : widget->actions()) {                // a menu bar's
            texts.append(menu->text());
        }
        for (const QString& text : texts) {
            const QString letter = QKeySequence::mnemonic(text).toString();
            faults.append(letter.isEmpty() || !letters.contains(letter) ? "" : "twice: " + letter);
            letters.append(letter);
        }
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        const QString name = face->text(QAccessible::Name), id = widget->objectName();
        const bool undescribed = face->text(QAccessible::Description).isEmpty();
        faults.append(described.contains(id) && undescribed ? "undescribed: " + id : "");
        const bool focusable = widget->focusPolicy() != Qt::NoFocus && !widget->focusProxy();
        faults.append(focusable && (name.isEmpty() || names.contains(name) ||
                                    name == face->text(QAccessible::Value))
                          ? "unnamed or named twice: " + id + " " + name
                          : "");
        if (focusable) {  // a label and the control it names share the name
            names.append(name);
        }
    }
    faults.removeAll("");
    return faults;
}

class AccessibilityTest : public ::testing::TestWithParam<std::pair<Layout, int>> {};

TEST_P(AccessibilityTest, EveryControlIsNamedOnceAndEveryAltLetterPicksOne) {
    GuiTestBed bed;
    bed.addMap(MapSet::Ironfall, "AB-07L.map", 'a');
    PanelwrightDialog main(bed.environment);
    main.show();
    EXPECT_EQ(faults(main, {"countSpin"}), QStringList());
    // A screen reader's action on a radio button toggles it; the dialog takes it as a click.
    auto* radio = QAccessible::queryAccessibleInterface(&control(main, "compositeRadio"));
    radio->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(main.composerForChoices()->mergeLayout(), Layout::Composite);
    auto dialog = bed.openComposer(GetParam().first, GetParam().second);
    choose(*dialog, 1, "AB-07L.map");
    const QStringList described{"mapList2", "directionButton", "previewView", "saveMapButton"};
    EXPECT_EQ(faults(*dialog, described), QStringList());
}

INSTANTIATE_TEST_SUITE_P(Dialogs, AccessibilityTest,
                         ::testing::Values(std::pair(Layout::TopToBottom, 4),
                                           std::pair(Layout::EndToEnd, 3),
                                           std::pair(Layout::Composite, 4)));

// The picture is an image to a screen reader, described by what it shows: the layout, the
// size, each slot's panel or, for a slot that fails, the message shown in its place.
TEST(PreviewAccessibility, ThePictureIsAnImageDescribedByItsSlotsAndTheOneThatFails) {
    GuiTestBed bed;
    bed.addMap(MapSet::Ironfall, "AB-07L.map", 'a');
    bed.addFile(MapSet::Ironfall, "AB-08L.map", "1\r\n4 2 100\r\n");  // ends early
    auto dialog = bed.openComposer(Layout::TopToBottom, 2);
    auto& pane = control<PreviewPane>(*dialog, "previewPane");
    QAccessibleInterface* picture =
        QAccessible::queryAccessibleInterface(&control(*dialog, "previewView"));
    EXPECT_EQ(picture->role(), QAccessible::Graphic);
    // Each choice, and the slot line it leads to under the layout and size.
    for (const auto& [slot, name, line] :
         {std::tuple{1, "AB-07L.map", "Slot 2: ERROR: no file selected for Map# 2"},
          {2, "AB-08L.map", "Slot 2: ERROR: file AB-08L.map ends early"},
          {2, "AB-07L.map", "Slot 2: AB-07L.map"}}) {
        choose(*dialog, slot, name);
        ASSERT_TRUE(waitUntil([&] { return pane.upToDate(); }));
        EXPECT_EQ(picture->text(QAccessible::Description).section('\n', 0, 2),
                  QString("Top-to-Bottom map, 4 columns by 4 rows\nSlot 1: AB-07L.map\n") + line);
    }
}

// Keys pressed (no key: a click) on a control (none: the dialog), and what follows: the
// errors shown, the prompts asked for (without their folder) and the direction.
struct Press {
    QKeyCombination keys;
    const char *on, *outcome;
};

class KeysTest : public ::testing::TestWithParam<Press> {};

TEST_P(KeysTest, EachShortcutDoesWhatItsButtonDoes) {
    const Press& press = GetParam();
    GuiTestBed bed;
    bed.addMap(MapSet::Ironfall, "AB-07L.map", 'a');
    auto dialog = bed.openComposer(Layout::Composite, 2);
    QApplication::setActiveWindow(dialog.get());
    QWidget& target = *press.on ? control(*dialog, press.on) : *dialog;
    target.setFocus();
    const Qt::KeyboardModifiers modifiers = press.keys.keyboardModifiers();
    press.keys.key() == Qt::Key_unknown ? QTest::mouseClick(&target, Qt::LeftButton, modifiers)
                                        : QTest::keyClick(&target, press.keys.key(), modifiers);
    QTest::qWait(150);  // an Alt letter presses its button as a click that shows
    EXPECT_EQ(bed.prompts.errors.mid(0, 1).join(",") + "/" +
                  bed.prompts.asked.join(",").remove("|" + QDir::homePath()) + "/" +
                  QString::number(directionIndex(dialog->direction())),
              press.outcome);
}

INSTANTIATE_TEST_SUITE_P(
    Shortcuts, KeysTest,
    ::testing::Values(Press{Qt::CTRL | Qt::Key_S, "", "ERROR: no file selected for Map# 0,0//0"},
                      Press{Qt::ALT | Qt::Key_S, "", "ERROR: no file selected for Map# 0,0//0"},
                      Press{Qt::CTRL | Qt::SHIFT | Qt::Key_S, "", "/save setup/0"},
                      Press{Qt::CTRL | Qt::Key_O, "", "/open setup/0"},
                      Press{QKeyCombination(Qt::Key_Space), "directionButton", "//1"},
                      Press{Qt::SHIFT | Qt::Key_Space, "directionButton", "//7"},
                      Press{QKeyCombination(Qt::Key_unknown), "directionButton", "//1"},  // a click
                      Press{Qt::SHIFT | Qt::Key_unknown, "directionButton", "//7"}));

// Composite slots lie in two columns: a screen reader hears where, not only which.
TEST(SlotNamesTest, CompositeSlotsNameTheirRowAndColumn) {
    GuiTestBed bed;
    QStringList names;
    for (const auto& [layout, count, slot] :
         {std::tuple(Layout::Composite, 4, 3), std::tuple(Layout::Composite, 4, 8),
          std::tuple(Layout::TopToBottom, 4, 3)}) {
        auto dialog = bed.openComposer(layout, count);
        names.append(QAccessible::queryAccessibleInterface(&mapList(*dialog, slot))
                         ->text(QAccessible::Name));
    }
    EXPECT_EQ(names, QStringList({"Slot 3 map file, row 2, left column",
                                  "Slot 8 map file, row 4, right column", "Slot 3 map file"}));
}

// Shift+Space turns back whichever of the two keys is let go first.
TEST(ShiftSpaceTest, TurnsBackWhicheverKeyIsLetGoFirst) {
    GuiTestBed bed;
    for (const bool shiftFirst : {true, false}) {
        auto dialog = bed.openComposer(Layout::TopToBottom, 2);
        QWidget& button = control(*dialog, "directionButton");
        QTest::keyPress(&button, Qt::Key_Space, Qt::ShiftModifier);
        if (shiftFirst) {
            QTest::keyRelease(&button, Qt::Key_Shift, Qt::ShiftModifier);
        }
        QTest::keyRelease(&button, Qt::Key_Space, shiftFirst ? Qt::NoModifier : Qt::ShiftModifier);
        EXPECT_EQ(directionIndex(dialog->direction()), 7) << "Shift let go first: " << shiftFirst;
    }
    // A Shift+Space that the focus leaves before any click is forgotten: a click without
    // keys, as a screen reader gives it, turns forward.
    auto dialog = bed.openComposer(Layout::TopToBottom, 2);
    auto& button = control<QAbstractButton>(*dialog, "directionButton");
    QTest::keyPress(&button, Qt::Key_Space, Qt::ShiftModifier);
    QFocusEvent away(QEvent::FocusOut);
    QApplication::sendEvent(&button, &away);
    button.click();
    EXPECT_EQ(directionIndex(dialog->direction()), 1);
}

// A composer opens with the focus in slot 1, its frame drawn as after Tab.
TEST(FocusTest, AComposerOpensWithSlotOnesFocusFrameShown) {
    GuiTestBed bed;
    auto dialog = bed.openComposer(Layout::EndToEnd, 2);
    QApplication::setActiveWindow(dialog.get());
    QStyleOptionComboBox option;
    option.initFrom(&mapList(*dialog, 1));
    EXPECT_TRUE(option.state.testFlag(QStyle::State_HasFocus));
    EXPECT_TRUE(option.state.testFlag(QStyle::State_KeyboardFocusChange));
}

// However a composer ends, the main dialog is active again with the focus where it was.
TEST(FocusTest, TheMainDialogTakesTheKeysBackWhenAComposerEnds) {
    GuiTestBed bed;
    PanelwrightDialog main(bed.environment);
    main.show();
    QApplication::setActiveWindow(&main);
    auto& select = control<QAbstractButton>(main, "selectMapFilesButton");
    select.setFocus();
    QTimer::singleShot(300, [] {
        QApplication::setActiveWindow(nullptr);  // as a window manager may leave it
        QApplication::activeModalWidget()->close();
    });
    select.click();
    QTest::qWait(50);
    EXPECT_EQ(QApplication::activeWindow(), &main);
    EXPECT_EQ(QApplication::focusWidget(), &select);
}

// Shift+F10 opens the context menu where the Menu key does: the main dialog's About.
TEST(ContextMenuKeyTest, ShiftF10OpensTheFocusedControlsContextMenu) {
    GuiTestBed bed;
    PanelwrightDialog main(bed.environment);
    main.show();
    QApplication::setActiveWindow(&main);
    control(main, "selectMapFilesButton").setFocus();
    QString shown;
    QTimer::singleShot(200, &main, [&shown] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            shown = menu->actions().value(0)->text();
            menu->close();
        }
    });
    QTest::keyClick(main.windowHandle(), Qt::Key_F10, Qt::ShiftModifier);
    QTest::qWait(300);
    EXPECT_EQ(shown, "&About Panelwright...");
}

}  // namespace
}  // namespace pw::gui::test
