// SPDX-License-Identifier: GPL-3.0-or-later
// panelwright-cli: the merge engine for scripts and batch work.

#include <QCoreApplication>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/commands.h"
#include "cli/standard_output.h"
#include "core/common/languages.h"
#include "core/common/version.h"
#include "core/system/file_system.h"

namespace {

// Qt's own notes (such as a missing runtime folder) are no concern of a script: stderr
// carries the command's messages alone.
void quietQtNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::cerr << message.toStdString() << '\n';
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    // A reader that went away is a failed write with its reason, not a silent end.
    pw::failWritesToClosedPipes();
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    qInstallMessageHandler(quietQtNotes);
    // Qt is handed the program's name alone: every argument is the command's, and none,
    // a file's name least of all, may turn into one of Qt's options (-platform, -reverse).
    int qtCount = 1;
    const std::unique_ptr<QCoreApplication> app =
        pw::cli::makeApplication(arguments, qtCount, argv);
    pw::installTranslations(*app);
    const pw::cli::ParsedCommand parsed = pw::cli::parseCommandLine(arguments);
    if (const auto* help = std::get_if<pw::cli::HelpRequest>(&parsed)) {
        return pw::cli::printStandardOutput(help->text) ? 0 : 1;
    }
    if (std::holds_alternative<pw::cli::VersionRequest>(parsed)) {
        const std::string version = std::string(pw::cli::kProgramName) + ' ' + pw::kVersion + '\n';
        return pw::cli::printStandardOutput(version) ? 0 : 1;
    }
    if (const auto* error = std::get_if<pw::cli::UsageError>(&parsed)) {
        std::cerr << pw::cli::kProgramName << ": " << error->message << '\n';
        return 2;
    }
    return pw::cli::runCommand(parsed);
}
