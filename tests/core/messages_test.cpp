// SPDX-License-Identifier: GPL-3.0-or-later
// The texts that only the dialogs show, worded by core/common/messages.*; the merge's and
// the command line's messages are checked where they are shown.

#include "core/common/messages.h"

#include <gtest/gtest.h>

namespace {

namespace messages = pw::messages;

TEST(Messages, TheCellUnderTheMouseTellsEverySectionAndItsSlot) {
    EXPECT_EQ(messages::cellDescription(3, 0, '~', '\xe9', "bd", "Q "),
              "Column 3, row 0: first grid '~', second grid '\xc3\xa9', b 'Q', d ' '");
    EXPECT_EQ(messages::cellSlot(2, ""), "; slot 2, nothing chosen");
    EXPECT_EQ(messages::cellSlot(7, "IF-07L.map"), "; slot 7: IF-07L.map");
}

TEST(Messages, ReasonsAndCountsReadAsTheDialogsAndTheCommandLineShowThem) {
    EXPECT_EQ(messages::reasonOf("ERROR: file A ends early"), "file A ends early");
    EXPECT_EQ(messages::reasonOf("ERROR searchinng for Map files"),
              "ERROR searchinng for Map files");
    EXPECT_EQ(messages::sizeText(32, -1), "X = 32 Y = -1");
    EXPECT_EQ(messages::folderMissing("/a/b"), "The folder /a/b does not exist.");
    EXPECT_EQ(messages::countChoices({2, 4, 1}), "2 to 4");
    EXPECT_EQ(messages::countChoices({2, 3, 1}), "2 or 3");
    EXPECT_EQ(messages::countChoices({4, 8, 2}), "4, 6 or 8");
}

}  // namespace
