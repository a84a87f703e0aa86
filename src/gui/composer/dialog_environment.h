#pragma once

#include <string>

class QSettings;

namespace pw::gui {

class UserPrompts;

// What every dialog of the program reaches outside itself through. The program points it
// at real windows, its own settings and its own folder; tests at stand-ins and a temp folder.
struct DialogEnvironment {
    UserPrompts* prompts = nullptr;
    QSettings* settings = nullptr;  // holds "Saved File Name" of section "Boardsmith"
    std::string programFolder;      // the map-set folders lie directly below it
};

}  // namespace pw::gui
