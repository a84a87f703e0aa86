// SPDX-License-Identifier: GPL-3.0-or-later
// The application object of the program.
#pragma once

#include <QApplication>
#include <optional>
#include <string>

namespace pw::gui {

// The program: one application object whose only window is the main dialog. Its name is
// the executable's, which captions every message box and names the settings file.
class PanelwrightApp : public QApplication {
    Q_OBJECT

  public:
    PanelwrightApp(int& argc, char** argv);

    // Runs the main dialog, with `file` (bytes as given) opened once it is up; the program
    // ends when it closes.
    int initInstance(const std::optional<std::string>& file);
};

}  // namespace pw::gui
