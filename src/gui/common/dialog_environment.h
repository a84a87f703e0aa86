// SPDX-License-Identifier: GPL-3.0-or-later
// What the dialogs reach outside themselves through.
#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

class QSettings;
class QWidget;

namespace pw::gui {

class UserPrompts;

// What every dialog of the program reaches outside itself through. The program points it
// at real windows, its own settings and the usual map-set folders; tests at stand-ins and temp
// folders.
struct DialogEnvironment {
    UserPrompts* prompts = nullptr;
    QSettings* settings = nullptr;  // holds "Saved File Name" of section "Boardsmith"
    // Where the map-set folders are looked for, in order (see mapSetRoots()).
    std::vector<std::string> mapSetRoots;
    // The user's own data folder, which keeps the recent compositions (recentCompositions()).
    QString dataFolder;
    // Where the small pictures of the panels are kept between runs; empty keeps none.
    QString pictureCacheFolder;
    // Whether the user can write into a folder; the file system's answer when empty. Tests
    // stand in for a folder that is read-only to whoever runs them, root included.
    std::function<bool(const QString& folder)> folderWritable;
    // Opens the user's guide on `page` (a file of the guide, perhaps with an anchor:
    // "composing.md#composite") for the window `from`, where F1 or Help > User's Guide was
    // pressed. Empty: they open nothing.
    std::function<void(QWidget* from, const QString& page)> openGuide;
};

}  // namespace pw::gui
