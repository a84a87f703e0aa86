// SPDX-License-Identifier: GPL-3.0-or-later
// The program's entry: the command line read or answered, then the application.
#include <vector>

#include "gui/app/command_line.h"
#include "gui/app/panelwright_app.h"

int main(int argc, char** argv) {
    std::variant<pw::gui::StartRequest, int> read = pw::gui::answerCommandLine(argc, argv);
    if (const int* answered = std::get_if<int>(&read)) {
        return *answered;
    }
    // Qt sees its own options alone, never the file, which the program opens itself.
    pw::gui::StartRequest& start = std::get<pw::gui::StartRequest>(read);
    std::vector<char*> qtArguments;
    for (std::string& argument : start.qtArguments) {
        qtArguments.push_back(argument.data());
    }
    int qtCount = static_cast<int>(qtArguments.size());
    qtArguments.push_back(nullptr);
    pw::gui::PanelwrightApp app(qtCount, qtArguments.data());
    return app.initInstance(start.file);
}
