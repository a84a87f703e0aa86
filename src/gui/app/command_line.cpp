// SPDX-License-Identifier: GPL-3.0-or-later
// The answers to --help and --version, made before any window exists.
#include "gui/app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <array>
#include <cstdio>
#include <string>
#include <string_view>

#include "core/common/languages.h"
#include "core/common/version.h"

namespace pw::gui {
namespace {

constexpr const char* kProgramName = "panelwright";

// Qt's help text of the program's options, in the language of the environment.
QString helpText() {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "Boardsmith: joins two to eight geomorphic map panels of a map set into one new map "
        "file, stacked Top-to-Bottom, laid End-to-End or as a two-column Composite, in "
        "dialogs with a preview of the joined map."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QCoreApplication::translate("CommandLine",
                                    "A setup file (.pwsetup) to open at start-up, as File > "
                                    "Open Setup opens it, or a map file (.map) to view, as "
                                    "File > View Map shows it."),
        QStringLiteral("[FILE]"));
    return parser.helpText() +
           QCoreApplication::translate("CommandLine",
                                       "\nExit status: 0 once the main dialog is closed.\n");
}

bool print(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return std::fwrite(bytes.data(), 1, static_cast<std::size_t>(bytes.size()), stdout) ==
               static_cast<std::size_t>(bytes.size()) &&
           std::fflush(stdout) == 0;
}

}  // namespace

std::optional<int> answerCommandLine(int argc, char** argv) {
    if (argc != 2) {
        return std::nullopt;
    }
    const std::string_view argument(argv[1]);
    if (argument == "-h" || argument == "--help" || argument == "--help-all") {
        // No window: an application of Qt Core alone, for the translations it installs,
        // started as the program is named so that the usage line names it so too.
        std::string name(kProgramName);
        int count = 1;
        std::array<char*, 2> arguments = {name.data(), nullptr};
        QCoreApplication app(count, arguments.data());
        installTranslations(app);
        return print(helpText()) ? 0 : 1;
    }
    if (argument == "-v" || argument == "--version") {
        return print(QStringLiteral("%1 %2\n").arg(QLatin1String(kProgramName),
                                                   QLatin1String(kVersion)))
                   ? 0
                   : 1;
    }
    return std::nullopt;
}

}  // namespace pw::gui
