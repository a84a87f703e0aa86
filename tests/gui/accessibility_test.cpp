// Every dialog as a screen reader and the keyboard find it: each control named, each Alt
// letter and shortcut doing what its button does, Shift turning the direction back.

#include <QAccessible>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QTest>

#include "gui/app/panelwright_dialog.h"
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
        const auto* label = qobject_cast<QLabel*>(widget);
        const auto* button = qobject_cast<QAbstractButton*>(widget);
        QStringList texts{label && label->buddy() ? label->text() : button ? button->text() : ""};
        for (QAction* menu :
             qobject_cast<QMenuBar*>(widget) ? widget->actions() : QList<QAction*>()) {
            texts.append(menu->text());
        }
        for (const QString& text : texts) {
            const QString letter = QKeySequence::mnemonic(text).toString();
            faults.append(letter.isEmpty() || !letters.contains(letter) ? "" : "twice: " + letter);
            letters.append(letter);
        }
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        const QString name = face->text(QAccessible::Name), id = widget->objectName();
        if (described.contains(id) && face->text(QAccessible::Description).isEmpty()) {
            faults.append("undescribed: " + id);
        }
        if (widget->focusPolicy() != Qt::NoFocus && widget->focusProxy() == nullptr &&
            (name.isEmpty() || names.contains(name) || name == face->text(QAccessible::Value))) {
            faults.append("unnamed or named twice: " + id + " " + name);
        }
        names.append(name);
    }
    faults.removeAll("");
    return faults;
}

class AccessibilityTest : public ::testing::TestWithParam<std::pair<Layout, int>> {};

TEST_P(AccessibilityTest, EveryControlIsNamedOnceAndEveryAltLetterPicksOne) {
    GuiTestBed bed;
    bed.addMap(0, "AB-07L.map", 'a');
    PanelwrightDialog main(bed.environment);
    main.show();
    EXPECT_EQ(faults(main, {"countSpin"}), QStringList());
    // A screen reader's action on a radio button toggles it; the dialog takes it as a click.
    QAccessible::queryAccessibleInterface(&control(main, "compositeRadio"))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(main.composerForChoices()->mergeLayout(), Layout::Composite);
    auto dialog = bed.openComposer(GetParam().first, GetParam().second);
    choose(*dialog, 1, "AB-07L.map");
    EXPECT_EQ(faults(*dialog, {"mapList1", "mapList2", "directionButton", "previewView",
                               "previewShow", "saveMapButton"}),
              QStringList());
    EXPECT_EQ(mapList(*dialog, 2).accessibleName(), "Slot 2 map file");
}

INSTANTIATE_TEST_SUITE_P(Dialogs, AccessibilityTest,
                         ::testing::Values(std::pair(Layout::TopToBottom, 4),
                                           std::pair(Layout::EndToEnd, 3),
                                           std::pair(Layout::Composite, 4)));

// Keys pressed (no key: a click) on a control (none: the dialog), and what follows: the
// errors shown, the prompts asked for (without their folder) and the direction.
struct Press {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char *on, *outcome;
};

class KeysTest : public ::testing::TestWithParam<Press> {};

TEST_P(KeysTest, EachShortcutDoesWhatItsButtonDoes) {
    const Press& press = GetParam();
    GuiTestBed bed;
    bed.addMap(0, "AB-07L.map", 'a');
    auto dialog = bed.openComposer(Layout::Composite, 2);
    QApplication::setActiveWindow(dialog.get());
    QWidget& target = *press.on ? control(*dialog, press.on) : *dialog;
    target.setFocus();
    if (press.key == Qt::Key_unknown) {
        QTest::mouseClick(&target, Qt::LeftButton, press.modifiers);
    } else {
        QTest::keyClick(&target, press.key, press.modifiers);
    }
    QTest::qWait(150);  // an Alt letter presses its button as a click that shows
    const QString asked = bed.prompts.asked.join(",").remove("|" + QDir::homePath());
    EXPECT_EQ(bed.prompts.errors.mid(0, 1).join(",") + "/" + asked + "/" +
                  QString::number(dialog->direction()),
              press.outcome);
}

INSTANTIATE_TEST_SUITE_P(
    Shortcuts, KeysTest,
    ::testing::Values(
        Press{Qt::Key_S, Qt::ControlModifier, "", "ERROR: no file selected for Map# 0,0//0"},
        Press{Qt::Key_S, Qt::AltModifier, "", "ERROR: no file selected for Map# 0,0//0"},
        Press{Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier, "", "/save setup/0"},
        Press{Qt::Key_O, Qt::ControlModifier, "", "/open setup/0"},
        Press{Qt::Key_Space, Qt::NoModifier, "directionButton", "//1"},
        Press{Qt::Key_Space, Qt::ShiftModifier, "directionButton", "//7"},
        Press{Qt::Key_unknown, Qt::NoModifier, "directionButton", "//1"},
        Press{Qt::Key_unknown, Qt::ShiftModifier, "directionButton", "//7"}));

}  // namespace
}  // namespace pw::gui::test
