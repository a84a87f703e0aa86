// SPDX-License-Identifier: GPL-3.0-or-later
// One command's arguments scanned, parsed by Qt, answered with --help or a usage error.
#include "cli/command_parser.h"

#include <QCoreApplication>
#include <algorithm>
#include <utility>

#include "cli/argument_bytes.h"
#include "core/common/option_arguments.h"

namespace pw::cli {
namespace {

QString q(const char* text) {
    return QString::fromUtf8(text);
}

}  // namespace

bool CommandParser::asksForHelp(const QCommandLineParser& parser) {
    return parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"));
}

std::optional<ParsedCommand> CommandParser::parse(const std::vector<std::string>& arguments) {
    const OptionScan scan = scanOptions(arguments);
    for (const std::size_t i : scan.options) {
        if (std::optional<std::string> refused = fileNamedLikeOption(arguments[i])) {
            return UsageError{std::move(*refused)};
        }
    }
    QStringList list{q(kProgramName)};
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const bool option =
            std::find(scan.options.begin(), scan.options.end(), i) != scan.options.end();
        if (option && !wordFlag_.empty() && arguments[i] == wordFlag_ + "=" + word_) {
            list.append(q(wordFlag_.c_str()));
            wordGiven_ = true;
            continue;
        }
        list.append(ArgumentBytes::toText(arguments[i]));
        if (option && !wordFlag_.empty() && arguments[i] == wordFlag_ && i + 1 < arguments.size() &&
            arguments[i + 1] == word_) {
            wordGiven_ = true;
            ++i;
        }
    }
    if (!parser_.parse(list)) {
        return UsageError{parser_.errorText().toStdString()};
    }
    if (asksForHelp(parser_)) {
        return HelpRequest{helpText(parser_, std::string(kProgramName) + " " + command_) +
                           epilogue_};
    }
    return std::nullopt;
}

std::string CommandParser::helpText(const QCommandLineParser& parser, const std::string& usage) {
    const QString executable = QCoreApplication::instance() != nullptr
                                   ? QCoreApplication::arguments().value(0)
                                   : QStringLiteral("<executable_name>");
    // Qt's text, which its own translation holds (kept apart from ours, so not literal).
    static constexpr const char* kQtUsage[] = {"QCommandLineParser", "Usage: %1"};
    const qsizetype start = QCoreApplication::translate(kQtUsage[0], kQtUsage[1]).indexOf(u"%1");
    QString text = parser.helpText();
    if (start >= 0 && text.sliced(start).startsWith(executable)) {
        text.replace(start, executable.size(), QString::fromStdString(usage));
    }
    return text.toStdString();
}

CommandParser::OptionScan CommandParser::scanOptions(
    const std::vector<std::string>& arguments) const {
    OptionScan scan{{}, arguments.size()};
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--") {
            scan.end = i;
            break;
        }
        if (!looksLikeOption(argument)) {
            if (optionsEndAtFirstArgument_) {
                scan.end = i;
                break;
            }
            continue;
        }
        scan.options.push_back(i);
        const bool word =
            argument == wordFlag_ && i + 1 < arguments.size() && arguments[i + 1] == word_;
        if (word || std::find(valueOptions_.begin(), valueOptions_.end(), argument) !=
                        valueOptions_.end()) {
            ++i;  // its value, whatever it looks like
        }
    }
    return scan;
}

}  // namespace pw::cli
