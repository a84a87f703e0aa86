#pragma once

#include <QDialog>
#include <memory>

#include "gui/composer/composer_dialog.h"
#include "gui/common/dialog_environment.h"

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

  private:
    void onInitDialog();
    void onConfiguration(int configurationIndex);
    void onMapSet(int mapSetIndex);
    bool onDeltaPosCount(int step);
    void onSelectMapFiles();
    void onAbout();
    void addAboutCommands();

    std::unique_ptr<Ui::PanelwrightDialog> ui_;
    const DialogEnvironment& environment_;
    int configurationIndex_ = -1;  // 0 Top-to-Bottom, 1 End-to-End, 2 Composite
    int mapSetIndex_ = -1;         // 0 Ironfall, 1 Emberline
};

}  // namespace pw::gui
