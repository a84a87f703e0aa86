// SPDX-License-Identifier: GPL-3.0-or-later
// The program's entry: the command-line answers, else the application.
#include "gui/app/command_line.h"
#include "gui/app/panelwright_app.h"

int main(int argc, char** argv) {
    if (const std::optional<int> answered = pw::gui::answerCommandLine(argc, argv)) {
        return *answered;
    }
    pw::gui::PanelwrightApp app(argc, argv);
    return app.initInstance();
}
