// SPDX-License-Identifier: GPL-3.0-or-later
// Save Map's view of a composer dialog.
#pragma once

#include <QString>

#include "core/pipeline/pipeline_host.h"
#include "gui/common/dialog_environment.h"

class QWidget;

namespace pw::gui {

// Save Map's view of a composer dialog: messages and the Save As prompt over the dialog,
// the remembered path in the program's settings.
class DialogPipelineHost : public PipelineHost {
  public:
    // `mapSetFolder` is where the Save As prompt opens while no path is remembered;
    // `knownDamage` is what the dialog's lists found wrong with the chosen panels.
    DialogPipelineHost(const DialogEnvironment& environment, QWidget& dialog, QString mapSetFolder,
                       std::vector<Problem> knownDamage = {});

    void showError(const std::string& message) override;
    std::string rememberedPath() override;
    void storeRememberedPath(const std::string& path) override;
    std::optional<SaveTarget> askTarget(const std::string& remembered) override;
    void reportSuccess(const std::string& message) override;
    std::vector<Problem> knownDamage() override { return knownDamage_; }

  private:
    const DialogEnvironment& environment_;
    QWidget& dialog_;
    QString mapSetFolder_;
    std::vector<Problem> knownDamage_;
};

}  // namespace pw::gui
