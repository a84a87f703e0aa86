// SPDX-License-Identifier: GPL-3.0-or-later
// Setup files as the dialogs open and remember them.
#include "gui/common/setup_files.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include "core/setup/setup_file.h"
#include "gui/common/dialog_environment.h"
#include "gui/common/user_prompts.h"

namespace pw::gui {
namespace {

constexpr auto kRecentSetupsKey = "Setups/Recent";

}  // namespace

QStringList recentSetups(QSettings& settings) {
    return settings.value(kRecentSetupsKey).toStringList().mid(0, kRecentSetupCount);
}

void rememberSetup(QSettings& settings, const QString& path) {
    const QString file = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QStringList recent = recentSetups(settings);
    recent.removeAll(file);
    recent.prepend(file);
    settings.setValue(kRecentSetupsKey, recent.mid(0, kRecentSetupCount));
}

QString setupPromptFolder(QSettings& settings) {
    const QStringList recent = recentSetups(settings);
    return recent.isEmpty() ? QDir::homePath() : QFileInfo(recent.front()).absolutePath();
}

std::optional<OpenedSetup> readSetupForDialog(const DialogEnvironment& environment, QWidget* parent,
                                              const QString& path, bool remember) {
    ReadSetup read = readSetupFile(path.toStdString());
    if (!read.setup) {
        environment.prompts->showError(parent, QString::fromStdString(read.problem->message));
        return std::nullopt;
    }
    if (remember) {
        rememberSetup(*environment.settings, path);
    }
    return OpenedSetup{std::move(*read.setup), path};
}

std::optional<OpenedSetup> askAndReadSetup(const DialogEnvironment& environment, QWidget* parent) {
    const std::optional<QString> path = environment.prompts->askSetupPath(
        parent, UserPrompts::SetupPrompt::Open, setupPromptFolder(*environment.settings));
    if (!path) {
        return std::nullopt;
    }
    return readSetupForDialog(environment, parent, *path);
}

}  // namespace pw::gui
