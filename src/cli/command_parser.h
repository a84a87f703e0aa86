// SPDX-License-Identifier: GPL-3.0-or-later
// One command's options and arguments, read from the command line and described for --help.
#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cli/parsed_command.h"

namespace pw::cli {

// One command's options and arguments, described for its --help.
class CommandParser {
  public:
    CommandParser(const char* command, const QString& description) : command_(command) {
        parser_.setApplicationDescription(description);
        parser_.addHelpOption();
    }

    // Every argument after the first that is no option is taken as it is, whatever it looks
    // like: `*` in a folder holding a file named "--allow-outside" names that file.
    void optionsEndAtFirstArgument() {
        optionsEndAtFirstArgument_ = true;
        parser_.setOptionsAfterPositionalArgumentsMode(
            QCommandLineParser::ParseAsPositionalArguments);
    }

    QCommandLineOption flag(const char* name, const QString& description) {
        QCommandLineOption option(QString::fromUtf8(name), description);
        parser_.addOption(option);
        return option;
    }
    QCommandLineOption value(const char* name, const QString& valueName,
                             const QString& description) {
        QCommandLineOption option(QString::fromUtf8(name), description, valueName);
        parser_.addOption(option);
        valueOptions_.push_back(std::string("--") + name);
        return option;
    }
    // "--labels all" (or "--labels=all") among the options: the flag followed by a word.
    // The parser knows no option whose value may be left out, so the word is taken out
    // before it reads the options; wordGiven() tells whether it was there.
    void flagTakesWord(const char* flag, const char* word) {
        wordFlag_ = std::string("--") + flag;
        word_ = word;
    }
    bool wordGiven() const { return wordGiven_; }
    void argument(const QString& name, const QString& description, const QString& syntax) {
        parser_.addPositionalArgument(name, description, syntax);
    }
    void epilogue(std::string text) { epilogue_ = std::move(text); }

    // nullopt when the arguments parse; otherwise what to answer.
    std::optional<ParsedCommand> parse(const std::vector<std::string>& arguments);

    std::optional<QString> valueOf(const QCommandLineOption& option) const {
        if (!parser_.isSet(option)) {
            return std::nullopt;
        }
        return parser_.value(option);
    }
    bool isSet(const QCommandLineOption& option) const { return parser_.isSet(option); }
    QStringList positional() const { return parser_.positionalArguments(); }

    // Qt's help text, with the program called by its name rather than by the path it was
    // started from (or a placeholder where no application runs), found where Qt's own
    // "Usage: %1", translated, puts it: a path may hold spaces, and "Usage:" too.
    static std::string helpText(const QCommandLineParser& parser, const std::string& usage);
    // --help, or --help-all, which Qt's parser adds beside it; the command line takes no Qt
    // options, so both tell the same.
    static bool asksForHelp(const QCommandLineParser& parser);

  private:
    // The arguments that the parser reads as options (their values passed over), and where
    // the options end: at "--", at the first other argument where options end there, else
    // after the last argument.
    struct OptionScan {
        std::vector<std::size_t> options;
        std::size_t end = 0;
    };
    OptionScan scanOptions(const std::vector<std::string>& arguments) const;

    QCommandLineParser parser_;
    std::string command_;
    std::string epilogue_;
    std::vector<std::string> valueOptions_;  // "--output": an option followed by its value
    bool optionsEndAtFirstArgument_ = false;
    std::string wordFlag_;  // "--labels", which "all" may follow
    std::string word_;
    bool wordGiven_ = false;
};

}  // namespace pw::cli
