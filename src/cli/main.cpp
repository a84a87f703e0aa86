// panelwright-cli: the merge engine for scripts and batch work.

#include <QCoreApplication>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/commands.h"
#include "core/common/version.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const pw::cli::ParsedCommand parsed = pw::cli::parseCommandLine(arguments);
    if (const auto* help = std::get_if<pw::cli::HelpRequest>(&parsed)) {
        std::cout << help->text;
        return 0;
    }
    if (std::holds_alternative<pw::cli::VersionRequest>(parsed)) {
        std::cout << pw::cli::kProgramName << ' ' << pw::kVersion << '\n';
        return 0;
    }
    if (const auto* error = std::get_if<pw::cli::UsageError>(&parsed)) {
        std::cerr << pw::cli::kProgramName << ": " << error->message << '\n';
        return 2;
    }
    return pw::cli::runCommand(parsed, argc, argv);
}
