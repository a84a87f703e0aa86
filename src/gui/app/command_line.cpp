// SPDX-License-Identifier: GPL-3.0-or-later
// The command line read into Qt's options and the file to open, or answered at once.
#include "gui/app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cstdio>
#include <iterator>
#include <string_view>

#include "core/common/languages.h"
#include "core/common/option_arguments.h"
#include "core/common/path_bytes.h"
#include "core/common/translated_text.h"
#include "core/common/version.h"

namespace pw::gui {
namespace {

constexpr const char* kProgramName = "panelwright";

// The options of QGuiApplication and QApplication (X11's among them) that the program
// hands to Qt; Qt reads each as -NAME or --NAME, a value as the next argument or, for
// some, after '='.
struct QtOption {
    std::string_view name;
    bool takesValue;
};
constexpr std::array<QtOption, 14> kQtOptions = {{{"style", true},
                                                  {"stylesheet", true},
                                                  {"widgetcount", false},
                                                  {"reverse", false},
                                                  {"platform", true},
                                                  {"platformpluginpath", true},
                                                  {"platformtheme", true},
                                                  {"plugin", true},
                                                  {"qwindowgeometry", true},
                                                  {"qwindowicon", true},
                                                  {"qwindowtitle", true},
                                                  {"session", true},
                                                  {"display", true},
                                                  {"geometry", true}}};

// Whether the option `argument` ("-style", "--style"; not "-style=x") takes the next
// argument as its value.
bool takesNextArgument(std::string_view argument) {
    argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
    return std::any_of(kQtOptions.begin(), kQtOptions.end(), [argument](const QtOption& option) {
        return option.takesValue && option.name == argument;
    });
}

// The program's options and argument, described for --help; Qt's options are known but
// not shown, as Qt's own --help-all tells them.
void describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "Boardsmith: joins two to eight geomorphic map panels of a map set into one new map "
        "file, stacked Top-to-Bottom, laid End-to-End or as a two-column Composite, in "
        "dialogs with a preview of the joined map."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    for (const QtOption& qt : kQtOptions) {
        const QString name = QString::fromLatin1(qt.name.data(), qt.name.size());
        QCommandLineOption option(name, QString(), qt.takesValue ? name : QString());
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QCoreApplication::translate("CommandLine",
                                    "A setup file (.pwsetup) to open at start-up, as File > "
                                    "Open Setup opens it, or a map file (.map) to view, as "
                                    "File > View Map shows it."),
        QStringLiteral("[FILE]"));
}

CommandLineAnswer usageError(const std::string& message) {
    return {std::string(kProgramName) + ": " + message + '\n', 2};
}

bool print(const std::string& text, std::FILE* stream) {
    return std::fwrite(text.data(), 1, text.size(), stream) == text.size() &&
           std::fflush(stream) == 0;
}

}  // namespace

std::variant<StartRequest, CommandLineAnswer> readCommandLine(
    const std::vector<std::string>& arguments) {
    StartRequest start{{arguments.empty() ? std::string(kProgramName) : arguments.front()}, {}};
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && looksLikeOption(argument)) {
            if (std::optional<std::string> refused = fileNamedLikeOption(argument)) {
                return usageError(*refused);
            }
            start.qtArguments.push_back(argument);
            if (takesNextArgument(argument) && i + 1 < arguments.size()) {
                start.qtArguments.push_back(arguments[++i]);  // its value, whatever it looks like
            }
        } else {
            optionsEnded = true;  // options go first
            files.push_back(argument);
        }
    }
    // Qt's parser judges the options alone, in its own words: an unknown one, a value
    // missing or one too many.
    QCommandLineParser parser;
    describe(parser);
    QStringList options;
    std::transform(start.qtArguments.begin(), start.qtArguments.end(), std::back_inserter(options),
                   [](const std::string& each) { return QString::fromStdString(each); });
    if (!parser.parse(options)) {
        return usageError(parser.errorText().toStdString());
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        return CommandLineAnswer{
            (parser.helpText() +
             QCoreApplication::translate("CommandLine",
                                         "\nExit status: 0 once the main dialog is closed.\n"))
                .toStdString(),
            0};
    }
    if (parser.isSet(QStringLiteral("version"))) {
        return CommandLineAnswer{std::string(kProgramName) + ' ' + kVersion + '\n', 0};
    }
    if (files.size() > 1) {
        return usageError(
            filled(QCoreApplication::translate("CommandLine",
                                               "one file at a time: %1 is one too many; try "
                                               "'%2 --help'"),
                   {escapedName(files[1]), kProgramName}));
    }
    if (!files.empty()) {
        start.file = files.front();
    }
    return start;
}

std::variant<StartRequest, int> answerCommandLine(int argc, char** argv) {
    const std::vector<std::string> arguments(argv, argv + argc);
    std::variant<StartRequest, CommandLineAnswer> read = readCommandLine(arguments);
    if (auto* start = std::get_if<StartRequest>(&read)) {
        return std::move(*start);
    }
    // An answer, in the user's language: no window, an application of Qt Core alone for the
    // translations, started as the program is named so that the usage line names it so too.
    std::string name(kProgramName);
    int count = 1;
    std::array<char*, 2> applicationArguments = {name.data(), nullptr};
    QCoreApplication app(count, applicationArguments.data());
    installTranslations(app);
    read = readCommandLine(arguments);
    if (auto* start = std::get_if<StartRequest>(&read)) {
        return std::move(*start);  // the file named like an option went away meanwhile
    }
    const CommandLineAnswer& answer = std::get<CommandLineAnswer>(read);
    return print(answer.text, answer.status == 0 ? stdout : stderr) ? answer.status : 1;
}

}  // namespace pw::gui
