// SPDX-License-Identifier: GPL-3.0-or-later
// The command line read: the program's --help and --version, or a command's reader.
#include "cli/cli_options.h"

#include <QCommandLineParser>
#include <QStringList>
#include <utility>

#include "cli/argument_bytes.h"
#include "cli/check_arguments.h"
#include "cli/command_parser.h"
#include "cli/list_arguments.h"
#include "cli/merge_arguments.h"
#include "cli/render_arguments.h"
#include "cli/run_arguments.h"
#include "cli/usage_texts.h"

namespace pw::cli {
namespace {

// The program's own --help and --version, and which command runs.
ParsedCommand parseProgram(const std::vector<std::string>& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(UsageTexts::tr(
        "Boardsmith's merge engine for scripts: joins 2 to 8 geomorphic map panels of one map "
        "set into one new map file."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        UsageTexts::tr("command"),
        UsageTexts::tr(
            "merge: joins map panels into a new map file; run: joins the maps of setup files; "
            "check: tells where the panels of a composition do not meet; "
            "list: the map files the dialogs offer; render: draws a map file into a PNG picture "
            "or a PDF to print. "
            "'panelwright-cli COMMAND --help' tells a command's options."),
        UsageTexts::tr("COMMAND [options] ..."));
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    QStringList list{QString::fromUtf8(kProgramName)};
    for (const std::string& argument : arguments) {
        list.append(ArgumentBytes::toText(argument));
    }
    if (!parser.parse(list)) {
        return UsageError{UsageTexts::unknownCommand(arguments.front())};
    }
    if (parser.isSet(QStringLiteral("version"))) {
        return VersionRequest{};
    }
    if (CommandParser::asksForHelp(parser) || arguments.front() == "help") {
        return HelpRequest{CommandParser::helpText(parser, kProgramName) +
                           UsageTexts::exitStatus()};
    }
    return UsageError{UsageTexts::unknownCommand(arguments.front())};
}

}  // namespace

ParsedCommand parseCommandLine(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        return UsageError{UsageTexts::missingCommand()};
    }
    using Parse = ParsedCommand (*)(const std::vector<std::string>&);
    const std::pair<const char*, Parse> commands[] = {{"merge", parseMerge},
                                                      {"run", parseRun},
                                                      {"check", parseCheck},
                                                      {"list", parseList},
                                                      {"render", parseRender}};
    for (const auto& [name, parse] : commands) {
        if (arguments.front() == name) {
            return parse(arguments);
        }
    }
    return parseProgram(arguments);
}

}  // namespace pw::cli
