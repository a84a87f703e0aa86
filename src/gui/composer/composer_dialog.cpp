// SPDX-License-Identifier: GPL-3.0-or-later
// The composer dialog's wiring, its opening and Save Map.
#include "gui/composer/composer_dialog.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>

#include "core/common/messages.h"
#include "core/mapfile/map_set.h"
#include "core/pipeline/save_pipeline.h"
#include "gui/common/accessible_list.h"
#include "gui/common/dialog_pipeline_host.h"
#include "gui/common/override_cursor.h"
#include "gui/common/saved_file_name.h"
#include "gui/common/user_prompts.h"
#include "gui/composer/composer_room.h"
#include "gui/composer/kept_marks.h"
#include "gui/composer/map_list_model.h"
#include "gui/composer/map_set_lists.h"
#include "gui/composer/slot_grid.h"
#include "gui/preview/preview_pane.h"
#include "ui_composite_dialog.h"
#include "ui_end_to_end_dialog.h"
#include "ui_top_to_bottom_dialog.h"

namespace pw::gui {

ComposerDialog::ComposerDialog(Layout layout, int mapCount, MapSet mapSet,
                               const DialogEnvironment& environment, QWidget* parent)
    : QDialog(parent), mapCount_(mapCount), environment_(environment) {
    // Before any list is made: a screen reader's first look at one is kept.
    nameListsByPurpose();
    setUpTemplate(layout);
    const int slotsInUse = mapCountOf(layout, mapCount);
    // Each template holds a slot for every map its layout can take.
    model_ = new CompositionModel(layout, mapSet, slotsInUse, countRange(layout).last, this);
    grid_ = new SlotGrid(*this, layout, slotsInUse);
    preview_ = new PreviewPane(*environment_.prompts, this);
    preview_->setObjectName(QStringLiteral("previewPane"));
    preview_->setImageNameSource([this] { return savedFileName(*environment_.settings); });
    preview_->setKnownDamageSource([this] { return model_->knownDamage(lists_->names()); });
    preview_->keepSeamCheckIn(*environment_.settings);
    room_ = new ComposerRoom(*this, *preview_, addSetupCommands(), layout, slotsInUse,
                             *environment_.settings);
    // Made after the body that holds the lists, so that it outlives the lists that show it.
    lists_ = std::make_unique<MapSetLists>(mapSet, environment_, *preview_, *this);
    connect(grid_, &SlotGrid::chosen, this,
            [this](int slot, int row) { model_->choose(slot, row, lists_->names()); });
    connect(grid_, &SlotGrid::turned, model_, &CompositionModel::turn);
    connect(model_, &CompositionModel::changed, this, &ComposerDialog::showComposition);
    connect(room_, &ComposerRoom::previewToggled, this, &ComposerDialog::updatePreview);
    connect(grid_->widgets().saveButton, &QAbstractButton::clicked, this,
            &ComposerDialog::onSaveMap);
    connect(grid_->widgets().cancelButton, &QAbstractButton::clicked, this, &QDialog::reject);
    addUndo();
    describeControls();
    addKeys();
}

ComposerDialog::~ComposerDialog() = default;

void ComposerDialog::setUpTemplate(Layout layout) {
    // The templates only lay the controls out; the frame finds them by their shared names,
    // so the generated classes are not kept.
    switch (layout) {
        case Layout::TopToBottom:
            Ui::TopToBottomDialog().setupUi(this);
            break;
        case Layout::EndToEnd:
            Ui::EndToEndDialog().setupUi(this);
            break;
        case Layout::Composite:
            Ui::CompositeDialog().setupUi(this);
            break;
    }
}

void ComposerDialog::showEvent(QShowEvent* event) {
    if (!opened_) {
        opened_ = true;
        room_->open();
        onInitDialog();
        room_->fit();
        focusFirstSlot();
    }
    QDialog::showEvent(event);
}

void ComposerDialog::hideEvent(QHideEvent* event) {
    room_->hidden();
    QDialog::hideEvent(event);
}

void ComposerDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    room_->resized();
}

void ComposerDialog::onInitDialog() {
    if (const MapSetInfo* info = mapSetInfo(mapSet())) {
        setWindowTitle(QCoreApplication::translate("MapSet", info->dialogTitle));
    }
    grid_->open(mapSet(), [this](QComboBox& list) {
        if (!lists_->fill(list)) {
            environment_.prompts->showError(
                this, QString::fromStdString(messages::translated(messages::kMapFilesNotFound)));
        }
    });
    grid_->show(model_->composition());
    // A setup handed over before the dialog opened is where it starts, not a step to undo.
    if (pendingSetup_) {
        model_->fill(*pendingSetup_, environment_.mapSetRoots, lists_->names(), true);
        pendingSetup_.reset();
    }
    updatePreview();
}

void ComposerDialog::showComposition() {
    const Composition& composition = model_->composition();
    // Slot 1's panel is what every list measures its names against.
    lists_->names().setReference(composition.slots.front().row);
    const std::vector<SlotMark> marks = grid_->show(composition);
    if (const std::optional<LayoutShape> shape = shapeFor(mergeLayout(), model_->slotsInUse())) {
        KeptMarkReport report = describeKeptMarks(*shape, marks);
        preview_->setKeptMarks(report.note, std::move(report.junctions));
    }
    updatePreview();
}

void ComposerDialog::updatePreview() {
    if (opened_ && room_->previewShown()) {
        preview_->showRequest(request());
    }
}

MergeRequest ComposerDialog::request() const {
    return model_->request(lists_->names());
}

void ComposerDialog::onSaveMap() {
    const OverrideCursor busy(Qt::WaitCursor);
    DialogPipelineHost host(environment_, *this, lists_->offeredSaveFolder(),
                            model_->knownDamage(lists_->names()));
    if (runSave(request(), host) == SaveOutcome::Saved) {
        accept();
    }
}

}  // namespace pw::gui
