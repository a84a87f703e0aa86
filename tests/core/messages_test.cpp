// SPDX-License-Identifier: GPL-3.0-or-later
// The reasons and counts that the dialogs and the command line share; the merge's and the
// command line's messages are checked where they are shown.

#include "core/common/messages.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>

#include "core/assembly/layout_choices.h"

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

// A catalogue of the core's context that words "ERROR" and "file" its own way.
class WordingTranslator : public QTranslator {
  public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (std::string_view(context) != "Messages") {
            return {};
        }
        return QString::fromUtf8(source)
            .replace(QStringLiteral("ERROR"), QStringLiteral("FEHLER"))
            .replace(QStringLiteral("file"), QStringLiteral("Datei"));
    }
    bool isEmpty() const override { return false; }
};

TEST(Messages, TheCoreSpeaksTheInstalledLanguageAndKeepsNamesAndKeywords) {
    int argc = 1;
    char name[] = "core_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    WordingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    const std::string early = messages::endsEarly("a\xff.map");
    EXPECT_EQ(early, "FEHLER: Datei a\xff.map ends early");
    EXPECT_EQ(messages::reasonOf(early), "Datei a\xff.map ends early");
    EXPECT_EQ(messages::setupProblem(
                  "s", messages::setup::missing(messages::setup::slotPlace(2), "file")),
              "FEHLER: setup s: slot 2: missing \"file\"");
    EXPECT_EQ(messages::translated(messages::kMapCreated), "New map Datei created successfully");
    QCoreApplication::removeTranslator(&translator);
}

}  // namespace
