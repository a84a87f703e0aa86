#pragma once

#include <QDialog>
#include <memory>

#include "gui/composer/composer_dlg.h"
#include "gui/composer/dialog_environment.h"

namespace Ui {
class PanelwrightDlg;
}

namespace pw::gui {

// The main dialog: configuration, map set and number of maps; opens the composer
// dialog of the chosen configuration.
class CPanelwrightDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CPanelwrightDlg(const DialogEnvironment& environment, QWidget* parent = nullptr);
    ~CPanelwrightDlg() override;

    // 0 Top-to-Bottom, 1 End-to-End, 2 Composite.
    int configurationIndex() const { return configurationIndex_; }
    // 0 Ironfall, 1 Emberline.
    int mapSetIndex() const { return mapSetIndex_; }
    // The composer dialog "Select map files" runs for the current choices.
    std::unique_ptr<CComposerDlg> composerForChoices();

  private:
    void OnInitDialog();
    void OnConfiguration(int configurationIndex);
    void OnMapSet(int mapSetIndex);
    bool OnDeltaPosCount(int step);
    void OnSelectMapFiles();
    void OnAbout();
    void addAboutCommands();

    std::unique_ptr<Ui::PanelwrightDlg> ui_;
    const DialogEnvironment& environment_;
    int configurationIndex_ = -1;
    int mapSetIndex_ = -1;
};

}  // namespace pw::gui
