// SPDX-License-Identifier: GPL-3.0-or-later
// The texts only the dialogs show, filled byte for byte as the English program shows them.

#include "gui/common/dialog_texts.h"

#include <gtest/gtest.h>

namespace {

using pw::gui::DialogTexts;

TEST(DialogTexts, TheCellUnderTheMouseTellsEverySectionAndItsSlot) {
    EXPECT_EQ(DialogTexts::cellDescription(3, 0, '~', '\xe9', "bd", "Q "),
              "Column 3, row 0: first grid '~', second grid '\xc3\xa9', b 'Q', d ' '");
    EXPECT_EQ(DialogTexts::cellSlot(2, ""), "; slot 2, nothing chosen");
    EXPECT_EQ(DialogTexts::cellSlot(7, "IF-07L.map"), "; slot 7: IF-07L.map");
}

TEST(DialogTexts, AFolderTypedIntoSaveAsThatIsNotThereIsNamed) {
    EXPECT_EQ(DialogTexts::folderMissing("/a/b"), "The folder /a/b does not exist.");
}

}  // namespace
