// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's own texts: usage errors, warnings and the lines of run and check.
#pragma once

#include <QCoreApplication>
#include <optional>
#include <string>

namespace pw::cli {

// Every text here is looked up in the translation of the language asked for, filled byte
// for byte (`file`, `name` and `path` come as given, escaped here where said). The --help
// texts are translated as UsageTexts::tr() where their options are declared.
class UsageTexts {
    Q_DECLARE_TR_FUNCTIONS(UsageTexts)

  public:
    static std::string missingCommand();
    static std::string unknownCommand(const std::string& command);

    // The composition of merge and check; `text` is the value as given.
    static std::string missingLayout();
    static std::string unknownLayout(const std::string& text);
    static std::string unknownMapSet(const std::string& text);
    static std::string unknownDirection(const std::string& text);
    static std::string marksCount(std::size_t sources, qsizetype marks);
    static std::string marksLetters();
    static std::string compositionNeedsLayout();

    // Each command's arguments.
    static std::string missingOutput();
    static std::string pictureOptionsNeedImage();
    static std::string saveSetupNamesOther();
    static std::string listTakesNoArguments();
    static std::string renderTakesOneMap(qsizetype count);
    static std::string runTakesSetups();
    static std::string checkTakesSources();

    // --help's closing lines of merge and of the program.
    static std::string exitStatus();

    // One line of `run` per setup, its path escaped here; a dry run names the files it
    // would write (the map, and the picture if any), each where the system will put it.
    static std::string runSucceeded(const std::string& file);
    static std::string runChecked(const std::string& file, const std::string& map,
                                  const std::optional<std::string>& picture);
    static std::string runFailed(const std::string& file);
    // A setup's picture option that merge --image would refuse, with its reason.
    static std::string badPictureOption(const std::string& reason);

    // Why an output is refused before anything is written: it is one of the command's other
    // files (`other` as messages name it).
    static std::string sameFileAs(const std::string& other);
    static std::string unableToWriteStandardOutput(const std::string& reason);
    // What is passed over, told on stderr.
    static std::string warning(const std::string& note);
};

}  // namespace pw::cli
