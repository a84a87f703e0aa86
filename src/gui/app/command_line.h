// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line, read before Qt sees any of it.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace pw::gui {

// What the program starts with: Qt's own options, to be handed to the application, and
// the file to open, as the bytes it was given.
struct StartRequest {
    std::vector<std::string> qtArguments;  // the program's name first
    std::optional<std::string> file;
};

// What the program answers without a window: --help and --version on standard output
// (status 0), a usage error on standard error (status 2).
struct CommandLineAnswer {
    std::string text;
    int status = 0;
};

// Reads `arguments` (the program's name first) as the command line does: Qt's options
// (-style, -stylesheet, -platform, -reverse, ...) go first and are taken only there; "--"
// or the first other argument ends them, and everything after that is a file, whatever it
// looks like. An option-like argument that names a file here is refused, as panelwright-cli
// refuses it; so is an option the program does not know and a second file. Texts come in
// the language installed.
std::variant<StartRequest, CommandLineAnswer> readCommandLine(
    const std::vector<std::string>& arguments);

// The program's first step: reads argv, prints an answer in the user's language and
// returns its exit status, or hands over what the program starts with.
std::variant<StartRequest, int> answerCommandLine(int argc, char** argv);

}  // namespace pw::gui
