// SPDX-License-Identifier: GPL-3.0-or-later
// Save Map's prompts, messages and remembered path in a dialog.
#include "gui/common/dialog_pipeline_host.h"

#include <QFile>
#include <utility>

#include "gui/common/saved_file_name.h"
#include "gui/common/user_prompts.h"

namespace pw::gui {

DialogPipelineHost::DialogPipelineHost(const DialogEnvironment& environment, QWidget& dialog,
                                       QString mapSetFolder, std::vector<Problem> knownDamage)
    : environment_(environment),
      dialog_(dialog),
      mapSetFolder_(std::move(mapSetFolder)),
      knownDamage_(std::move(knownDamage)) {}

void DialogPipelineHost::showError(const std::string& message) {
    environment_.prompts->showError(&dialog_, QString::fromStdString(message));
}

std::string DialogPipelineHost::rememberedPath() {
    return savedFileName(*environment_.settings).toStdString();
}

void DialogPipelineHost::storeRememberedPath(const std::string& path) {
    storeSavedFileName(*environment_.settings, QString::fromStdString(path));
}

std::optional<SaveTarget> DialogPipelineHost::askTarget(const std::string& remembered) {
    const std::optional<QString> chosen = environment_.prompts->askSavePath(
        &dialog_, QString::fromStdString(remembered), mapSetFolder_);
    if (!chosen) {
        return std::nullopt;
    }
    // The bytes the file system takes for the chosen name.
    return SaveTarget{QFile::encodeName(*chosen).toStdString(), {}};
}

void DialogPipelineHost::reportSuccess(const std::string& message) {
    environment_.prompts->showMessage(&dialog_, QString::fromStdString(message));
}

}  // namespace pw::gui
