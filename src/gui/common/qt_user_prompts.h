// SPDX-License-Identifier: GPL-3.0-or-later
// The prompts as real message boxes and file dialogs.
#pragma once

#include "gui/common/user_prompts.h"

namespace pw::gui {

// The prompts as the user sees them: modal message boxes captioned with the program's
// name, the Save As prompt for map files and the system beep.
class QtUserPrompts : public UserPrompts {
  public:
    void showError(QWidget* parent, const QString& text) override;
    void showMessage(QWidget* parent, const QString& text) override;
    std::optional<QString> askSavePath(QWidget* parent, const QString& initialPath,
                                       const QString& startFolder) override;
    std::optional<std::pair<QString, bool>> askImagePath(QWidget* parent,
                                                         const QString& suggested) override;
    std::optional<QString> askSetupPath(QWidget* parent, SetupPrompt kind,
                                        const QString& startFolder) override;
    std::optional<QString> askMapPath(QWidget* parent, const QString& startFolder) override;
    void beep() override;
};

}  // namespace pw::gui
