// SPDX-License-Identifier: GPL-3.0-or-later
// What the dialogs ask of the user or tell the user in a window of its own.
#pragma once

#include <QString>
#include <optional>
#include <utility>

class QWidget;

namespace pw::gui {

// Everything the dialogs ask of the user or tell the user in a window of its own.
// The program shows real message boxes and the Save As prompt; tests answer in their place.
class UserPrompts {
  public:
    virtual ~UserPrompts() = default;

    // An "ERROR ..." message: stop icon, one OK button.
    virtual void showError(QWidget* parent, const QString& text) = 0;
    // A plain message without icon, one OK button.
    virtual void showMessage(QWidget* parent, const QString& text) = 0;
    // The Save As prompt for a map file. Opens on `initialPath` when one is remembered,
    // otherwise in `startFolder`. nullopt when the user cancels.
    virtual std::optional<QString> askSavePath(QWidget* parent, const QString& initialPath,
                                               const QString& startFolder) = 0;
    // The Save As prompt for a picture of the preview, offering PNG and PDF and opening on
    // `suggested` (may be empty). The name as typed and whether PDF was the type chosen;
    // nullopt when the user cancels.
    virtual std::optional<std::pair<QString, bool>> askImagePath(QWidget* parent,
                                                                 const QString& suggested) = 0;
    // The prompt for a setup file to open or to save (".pwsetup" added to a bare name, a
    // question before replacing a file), opening in `startFolder`. nullopt on cancel.
    enum class SetupPrompt { Open, Save };
    virtual std::optional<QString> askSetupPath(QWidget* parent, SetupPrompt kind,
                                                const QString& startFolder) = 0;
    // The prompt for a map file to view, opening in `startFolder`. nullopt on cancel.
    virtual std::optional<QString> askMapPath(QWidget* parent, const QString& startFolder) = 0;
    // The information beep of a refused count step.
    virtual void beep() = 0;
};

}  // namespace pw::gui
