// SPDX-License-Identifier: GPL-3.0-or-later
// The main dialog, which opens the composer of the chosen configuration.
#pragma once

#include <QDialog>
#include <memory>

#include "gui/common/dialog_environment.h"
#include "gui/common/setup_files.h"
#include "gui/composer/composer_dialog.h"

class QMenu;
class QMenuBar;

namespace Ui {
class PanelwrightDialog;
}

namespace pw::gui {

// The main dialog: configuration, map set and number of maps; opens the composer
// dialog of the chosen configuration.
class PanelwrightDialog : public QDialog {
    Q_OBJECT

  public:
    explicit PanelwrightDialog(const DialogEnvironment& environment, QWidget* parent = nullptr);
    ~PanelwrightDialog() override;

    // The composer dialog "Select map files" runs for the current choices.
    std::unique_ptr<ComposerDialog> composerForChoices();

    // Opens a setup file: sets configuration, map set and count as the setup says and runs
    // the composer dialog filled with it. A setup that cannot be read is reported and
    // changes nothing.
    void openSetupFile(const QString& path);
    // The composer dialog for a setup: the choices set, the dialog filled when it opens.
    std::unique_ptr<ComposerDialog> composerForSetup(const OpenedSetup& opened);

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void onInitDialog();
    void onConfiguration(int configurationIndex);
    void onMapSet(int mapSetIndex);
    bool onDeltaPosCount(int step);
    void onSelectMapFiles();
    void onAbout();
    void addAboutCommands();
    void addSetupCommands(QMenuBar& menuBar);
    void fillRecentSetups(QMenu& menu);
    // Runs a composer dialog, and the one for each setup a composer dialog hands over.
    void runComposer(std::unique_ptr<ComposerDialog> composer);

    std::unique_ptr<Ui::PanelwrightDialog> ui_;
    const DialogEnvironment& environment_;
    int configurationIndex_ = -1;  // 0 Top-to-Bottom, 1 End-to-End, 2 Composite
    int mapSetIndex_ = -1;         // 0 Ironfall, 1 Emberline
};

}  // namespace pw::gui
