// SPDX-License-Identifier: GPL-3.0-or-later
// The composer dialog of a configuration, wiring its composition, slots, preview and room.
#pragma once

#include <QDialog>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "core/assembly/layout.h"
#include "core/assembly/merge_request.h"
#include "core/setup/setup.h"
#include "gui/common/dialog_environment.h"
#include "gui/common/setup_files.h"
#include "gui/composer/composition_model.h"
#include "gui/composer/slot_widgets.h"

class QPushButton;
class QUndoStack;

namespace pw::gui {
class ComposerRoom;
class MapSetLists;
class PreviewPane;
class SlotGrid;
}  // namespace pw::gui

namespace pw::gui {

// The composer dialog of a configuration: the slots with their drop-downs and L/R labels,
// the top-edge direction button, Save Map, the setup commands and the preview. Only the
// template differs from one layout to the next; which slots are in use follows from the
// layout table. What it holds is a CompositionModel; SlotGrid shows it in the template,
// PreviewPane draws it and ComposerRoom sizes the window around them.
class ComposerDialog : public QDialog {
    Q_OBJECT

  public:
    // The result of a dialog that was asked to open a setup of another layout, map set or
    // count: whoever opened it opens the dialog that fits (handedOverSetup()).
    static constexpr int HandsOverSetup = 2;

    // `mapCount` is what the main dialog hands over: the number of maps, or for Composite
    // the number of rows.
    ComposerDialog(Layout layout, int mapCount, MapSet mapSet, const DialogEnvironment& environment,
                   QWidget* parent = nullptr);
    ~ComposerDialog() override;

    Layout mergeLayout() const { return model_->layout(); }
    // The count the main dialog handed over: maps for Top-to-Bottom and End-to-End,
    // rows for Composite.
    int mapCount() const { return mapCount_; }
    MapSet mapSet() const { return model_->mapSet(); }
    // The direction the top edge faces.
    Direction direction() const { return model_->composition().direction; }
    // The L/R mark a slot's chosen maps gave it, if any.
    std::optional<Mark> mark(int slot) const {
        return model_->composition().slots.at(static_cast<std::size_t>(slot)).mark;
    }

    // Fills the dialog from a setup of its layout, map set and count as if the user had
    // chosen each slot, as one step to undo; a setup of another dialog closes this one
    // with HandsOverSetup. Before the dialog is shown, the setup fills it when it opens.
    void openSetup(const OpenedSetup& opened);
    const std::optional<OpenedSetup>& handedOverSetup() const { return handedOver_; }
    QUndoStack& undoStack() const { return model_->undoStack(); }

    // Ending without Save Map (Cancel, Escape, the close box, another setup) keeps the
    // composition as the newest of the recent compositions (keepComposition()).
    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void setUpTemplate(Layout layout);
    void onInitDialog();
    // Shows the composition as it changed, in the slots and the preview.
    void showComposition();
    void updatePreview();
    void onSaveMap();
    // The setup commands, undo and drops (composer_dialog_setups.cpp).
    std::vector<QWidget*> addSetupCommands();
    void addUndo();
    void onSaveSetup();
    void onOpenSetup();
    void keepLastComposition();
    void onMapDropped(int slot, const QString& path);
    // Descriptions for screen readers, the shortcuts, the focus on opening and the order of Tab
    // (composer_dialog_keys.cpp).
    void describeControls();
    void addKeys();
    void focusFirstSlot();
    std::vector<QWidget*> tabOrder() const;
    MergeRequest request() const;

    const int mapCount_;
    const DialogEnvironment& environment_;
    CompositionModel* model_ = nullptr;
    SlotGrid* grid_ = nullptr;
    PreviewPane* preview_ = nullptr;
    ComposerRoom* room_ = nullptr;
    QPushButton* openSetupButton_ = nullptr;
    QPushButton* saveSetupButton_ = nullptr;
    std::optional<OpenedSetup> pendingSetup_;  // fills the dialog when it opens
    std::optional<OpenedSetup> handedOver_;
    bool opened_ = false;
    std::unique_ptr<MapSetLists> lists_;  // last: its legend is read into the preview
};

}  // namespace pw::gui
