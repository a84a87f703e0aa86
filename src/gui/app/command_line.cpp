// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/command_line.h"

#include <QCommandLineParser>
#include <QStringList>
#include <cstdio>
#include <string_view>

#include "core/common/version.h"

namespace pw::gui {
namespace {

constexpr const char* kProgramName = "panelwright";

// Qt's help text of the program's options, named by the program (no application object
// exists yet to give Qt the name).
QString helpText() {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Boardsmith: joins two to eight geomorphic map panels of a map set into one new map "
        "file, stacked Top-to-Bottom, laid End-to-End or as a two-column Composite, in "
        "dialogs with a preview of the joined map."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("SETUP"),
        QStringLiteral("A setup file (.pwsetup) to open at start-up, as File > Open Setup "
                       "opens it."),
        QStringLiteral("[SETUP]"));
    QString text = parser.helpText();
    const qsizetype start = text.indexOf(u' ') + 1;
    text.replace(start, text.indexOf(u' ', start) - start, QLatin1String(kProgramName));
    return text + QStringLiteral("\nExit status: 0 once the main dialog is closed.\n");
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
