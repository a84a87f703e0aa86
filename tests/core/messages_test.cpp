// SPDX-License-Identifier: GPL-3.0-or-later
// The reasons and counts that the dialogs and the command line share; the merge's and the
// command line's messages are checked where they are shown.

#include "core/common/messages.h"

#include <gtest/gtest.h>

namespace {

namespace messages = pw::messages;

TEST(Messages, ReasonsAndCountsReadAsTheDialogsAndTheCommandLineShowThem) {
    EXPECT_EQ(messages::reasonOf("ERROR: file A ends early"), "file A ends early");
    EXPECT_EQ(messages::reasonOf("ERROR searchinng for Map files"),
              "ERROR searchinng for Map files");
    EXPECT_EQ(messages::sizeText(32, -1), "X = 32 Y = -1");
    EXPECT_EQ(messages::countChoices({2, 4, 1}), "2 to 4");
    EXPECT_EQ(messages::countChoices({2, 3, 1}), "2 or 3");
    EXPECT_EQ(messages::countChoices({4, 8, 2}), "4, 6 or 8");
}

}  // namespace
