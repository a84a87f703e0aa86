// SPDX-License-Identifier: GPL-3.0-or-later
// panelwright-cli: the merge engine for scripts and batch work.

#include <QCoreApplication>
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/commands.h"
#include "cli/standard_output.h"
#include "core/common/languages.h"
#include "core/common/version.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    // A reader that went away is a failed write with its reason, not a silent end.
    std::signal(SIGPIPE, SIG_IGN);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const pw::cli::ParsedCommand parsed = pw::cli::parseCommandLine(arguments);
    if (std::holds_alternative<pw::cli::VersionRequest>(parsed)) {
        const std::string version = std::string(pw::cli::kProgramName) + ' ' + pw::kVersion + '\n';
        return pw::cli::printStandardOutput(version) ? 0 : 1;
    }
    if (std::holds_alternative<pw::cli::HelpRequest>(parsed) ||
        std::holds_alternative<pw::cli::UsageError>(parsed)) {
        // Read again with the user's language installed, which needs an application; a
        // command makes its own (a Gui one to draw), so only these two are read twice.
        QCoreApplication application(argc, argv);
        pw::installTranslations(application);
        const pw::cli::ParsedCommand told = pw::cli::parseCommandLine(arguments);
        if (const auto* help = std::get_if<pw::cli::HelpRequest>(&told)) {
            return pw::cli::printStandardOutput(help->text) ? 0 : 1;
        }
        std::cerr << pw::cli::kProgramName << ": " << std::get<pw::cli::UsageError>(told).message
                  << '\n';
        return 2;
    }
    return pw::cli::runCommand(parsed, argc, argv);
}
