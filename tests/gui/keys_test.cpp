// The composer dialogs driven from the keyboard: each shortcut does what its button does,
// and Shift turns the direction back.

#include <QTest>

#include "gui_test_bed.h"

namespace pw::gui::test {
namespace {

// Keys pressed (no key: a click) on a control (none: the dialog), and what follows: the
// errors shown, the prompts asked for (without their folder) and the direction.
struct Press {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* on;
    const char* outcome;
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
    QStringList asked;
    for (const QString& prompt : bed.prompts.asked) {
        asked.append(prompt.section('|', 0, 0));
    }
    EXPECT_EQ(bed.prompts.errors.mid(0, 1).join(",") + "/" + asked.join(",") + "/" +
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
