// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>
#include <memory>
#include <vector>

#include "core/assembly/layout.h"
#include "core/assembly/merge_request.h"
#include "core/setup/setup.h"
#include "gui/common/dialog_environment.h"
#include "gui/common/setup_files.h"
#include "gui/composer/composition.h"
#include "gui/composer/slot_widgets.h"

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QLabel;
class QSplitter;
class QUndoStack;

namespace pw::gui {
class LegendLoader;
class MapListModel;
class PreviewPane;
class SlotsArea;
}  // namespace pw::gui

namespace pw::gui {

// The composer dialog of a configuration: the slots with their drop-downs and L/R labels,
// the top-edge direction button, Save Map and the preview. Only the template differs from
// one layout to the next; which slots are in use follows from the layout table.
// With the preview hidden the dialog has the fixed size of its template. With the preview
// shown it can be resized and maximised: the slots keep their size and the preview takes
// the rest; the size is remembered per layout. It never opens larger than its screen.
class ComposerDialog : public QDialog {
    Q_OBJECT

  public:
    // The result of a dialog that was asked to open a setup of another layout, map set or
    // count: whoever opened it opens the dialog that fits (handedOverSetup()).
    static constexpr int HandsOverSetup = 2;

    // `mapCount` is what the main dialog hands over: the number of maps, or for Composite
    // the number of rows.
    ComposerDialog(Layout layout, int mapCount, int mapSetIndex,
                   const DialogEnvironment& environment, QWidget* parent = nullptr);
    ~ComposerDialog() override;

    Layout mergeLayout() const { return layout_; }
    // The count the main dialog handed over: maps for Top-to-Bottom and End-to-End,
    // rows for Composite.
    int mapCount() const { return mapCount_; }
    int mapSetIndex() const { return mapSetIndex_; }
    // The top-edge direction index, 0 (N) to 7 (NW).
    int direction() const { return composition_.direction; }
    // The L/R mark a slot's chosen maps gave it: 'L', 'R' or ' '.
    char mark(int slot) const { return composition_.slots.at(static_cast<std::size_t>(slot)).mark; }

    // Fills the dialog from a setup of its layout, map set and count as if the user had
    // chosen each slot, as one step to undo; a setup of another dialog closes this one
    // with HandsOverSetup. Before the dialog is shown, the setup fills it when it opens.
    void openSetup(const OpenedSetup& opened);
    const std::optional<OpenedSetup>& handedOverSetup() const { return handedOver_; }
    QUndoStack& undoStack() const { return *undoStack_; }

    // Ending without Save Map (Cancel, Escape, the close box, another setup) keeps the
    // composition as the last composition (lastCompositionPath()).
    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void onInitDialog();
    void onSlotSelChange(int slot);
    void onDirectionButton();
    void onSaveMap();
    // Where Save As opens while no name is remembered.
    QString offeredSaveFolder() const;
    void onSaveSetup();
    void onOpenSetup();
    void keepLastComposition();
    void onMapDropped(int slot, const QString& path);
    void onSlotDropped(int from, int to);
    void addSetupCommands(QBoxLayout& row);
    void addUndo();
    void change(Composition next);
    void applyComposition(const Composition& composition);
    void listMapFiles(QComboBox& mapList);
    void addPreview();
    void updatePreview();
    void showKeptMarks();
    // Shows or hides the preview and sizes the dialog to suit.
    void applyPreviewShown(bool shown);
    // Keeps the dialog within its screen: the preview goes under the slots when that
    // leaves it more room than beside them, its controls stack when the room is narrow,
    // and the slots scroll when even that leaves them too little room.
    void fitToScreen();
    // The preview's toggle, the setup commands and the preview's controls one under the
    // other, for a narrow screen; else side by side.
    void stackPreviewControls(bool stacked);
    // The command bar and the preview's controls under the slots, or back above the
    // preview.
    void placeBarsUnderSlots(bool under);
    void refreshHints();
    QSize screenRoom() const;
    // How large the joined map's picture would be shown in a room of width by height.
    double fittedPictureArea(int width, int height) const;
    QSize openingSize() const;
    // Notes the size the dialog has with the preview shown.
    void rememberSize();
    // Notes where the user left the handle between the slots and the preview, and puts
    // it back there (per layout, beside or under the slots).
    void rememberSplit();
    void placeSplit();

    void setUpTemplate();
    void attachWidgets();
    // Names and descriptions for screen readers (composer_dialog_keys.cpp).
    void describeControls();
    // The shortcuts, the order of Tab and Shift turning the direction back.
    void addKeys();
    std::vector<QWidget*> tabOrder() const;
    bool inUse(std::size_t slot) const;
    void pushTexts();
    MergeRequest request() const;

    const Layout layout_;
    const int mapCount_;
    const int slotsInUse_;  // the first this many slots take part
    const int mapSetIndex_;
    const DialogEnvironment& environment_;
    ComposerWidgets widgets_;
    SlotsArea* slotsArea_ = nullptr;
    QSplitter* split_ = nullptr;           // the slots, then the preview with its commands
    QBoxLayout* commandRow_ = nullptr;     // the preview's toggle and the setup commands
    QWidget* commandBar_ = nullptr;        // holds commandRow_
    QBoxLayout* previewColumn_ = nullptr;  // the command bar, then the preview
    QBoxLayout* underSlots_ = nullptr;     // the bars, where the preview is narrow
    bool barsUnderSlots_ = false;
    std::vector<QLabel*> keptMarks_;  // beside each slot's number labels: "R (kept)"
    Composition composition_;         // what the slots and the direction show
    QUndoStack* undoStack_ = nullptr;
    std::optional<OpenedSetup> pendingSetup_;  // fills the dialog when it opens
    std::optional<OpenedSetup> handedOver_;
    // The output map and picture of the setup opened last, kept when it is saved again.
    std::string setupOutput_;
    std::string setupPicture_;
    SetupPictureOptions setupPictureOptions_;  // kept as the opened setup gave them
    bool opened_ = false;
    bool turnBack_ = false;  // Shift was held on the direction button's click
    QCheckBox* previewToggle_ = nullptr;
    PreviewPane* preview_ = nullptr;
    MapListModel* mapNames_ = nullptr;  // the map set's files, shared by the slot lists
    bool mapSetListed_ = false;
    bool mapSetFound_ = false;
    QString saveFolder_;                          // where Save As opens while no path is remembered
    std::unique_ptr<LegendLoader> legendLoader_;  // last: it calls into the preview
};

}  // namespace pw::gui
