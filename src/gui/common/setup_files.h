// SPDX-License-Identifier: GPL-3.0-or-later
// Setup files as the dialogs open and remember them.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "core/setup/setup.h"

class QSettings;
class QWidget;

namespace pw::gui {

struct DialogEnvironment;

// A setup as a dialog opened it: its paths are read from the setup file's folder.
struct OpenedSetup {
    Setup setup;
    QString path;
};

// The setups opened or saved last, newest first, remembered across program starts.
inline constexpr int kRecentSetupCount = 8;
QStringList recentSetups(QSettings& settings);
void rememberSetup(QSettings& settings, const QString& path);

// Where the setup prompts open: the folder of the newest recent setup, else the home folder.
QString setupPromptFolder(QSettings& settings);

// Reads the setup file at `path` and remembers it among the recent setups (unless told not
// to); an error box over `parent` when it cannot be read, and nothing remembered.
std::optional<OpenedSetup> readSetupForDialog(const DialogEnvironment& environment, QWidget* parent,
                                              const QString& path, bool remember = true);

// Asks for a setup file and reads it as above; nullopt when the prompt is cancelled too.
std::optional<OpenedSetup> askAndReadSetup(const DialogEnvironment& environment, QWidget* parent);

}  // namespace pw::gui
