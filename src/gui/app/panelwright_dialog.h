// SPDX-License-Identifier: GPL-3.0-or-later
// The main dialog, which opens the composer of the chosen configuration.
#pragma once

#include <QDialog>
#include <memory>

#include "gui/common/dialog_environment.h"
#include "gui/common/setup_files.h"
#include "gui/composer/composer_dialog.h"

class QAbstractButton;
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
    // A layout's name as the dialog shows it: in the picture and the recent compositions.
    static QString layoutCaption(Layout layout);

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void onInitDialog();
    void onConfiguration(Layout layout);
    QAbstractButton* layoutRadio(Layout layout) const;
    bool onDeltaPosCount(int step);
    void onSelectMapFiles();
    void onAbout();
    void addAboutCommands();
    void addSetupCommands(QMenuBar& menuBar);
    void fillRecentSetups(QMenu& menu);
    void fillRecentCompositions(QMenu& menu);
    // A kept composition as its menu entry names it: layout, map set, the first panels and
    // their count; its tip names every panel and the direction.
    static QString compositionTitle(const Setup& setup);
    static QString compositionTip(const Setup& setup);
    static QStringList panelNames(const Setup& setup);
    static constexpr qsizetype kTitlePanels = 3;
    // Runs a composer dialog, and the one for each setup a composer dialog hands over.
    void runComposer(std::unique_ptr<ComposerDialog> composer);

    std::unique_ptr<Ui::PanelwrightDialog> ui_;
    const DialogEnvironment& environment_;
    Layout layout_ = Layout::TopToBottom;
    MapSet mapSet_ = MapSet::Ironfall;
    QMenu* recentCompositions_ = nullptr;  // the File menu's submenu
};

}  // namespace pw::gui
