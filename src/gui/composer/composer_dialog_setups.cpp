// SPDX-License-Identifier: GPL-3.0-or-later
// The composer dialog's setup commands, undo and drops: opening a setup into the
// composition, saving it, keeping the last composition, and what a drop chooses.

#include <QAction>
#include <QPushButton>
#include <QUndoStack>

#include "core/common/messages.h"
#include "core/setup/setup_file.h"
#include "gui/common/dialog_texts.h"
#include "gui/common/recent_compositions.h"
#include "gui/common/user_prompts.h"
#include "gui/composer/composer_dialog.h"
#include "gui/composer/map_list_model.h"
#include "gui/composer/map_set_lists.h"
#include "gui/composer/slot_drops.h"
#include "gui/composer/slot_grid.h"
#include "gui/preview/preview_pane.h"
#include "jobs/setup_picture.h"

namespace pw::gui {

std::vector<QWidget*> ComposerDialog::addSetupCommands() {
    openSetupButton_ = new QPushButton(DialogTexts::openSetupButton(), this);
    openSetupButton_->setObjectName(QStringLiteral("openSetupButton"));
    saveSetupButton_ = new QPushButton(DialogTexts::saveSetupButton(), this);
    saveSetupButton_->setObjectName(QStringLiteral("saveSetupButton"));
    for (QPushButton* button : {openSetupButton_, saveSetupButton_}) {
        button->setAutoDefault(false);
    }
    connect(openSetupButton_, &QPushButton::clicked, this, &ComposerDialog::onOpenSetup);
    connect(saveSetupButton_, &QPushButton::clicked, this, &ComposerDialog::onSaveSetup);
    return {openSetupButton_, saveSetupButton_};
}

void ComposerDialog::addUndo() {
    QAction* undo = undoStack().createUndoAction(this, DialogTexts::undo());
    undo->setObjectName(QStringLiteral("undoAction"));
    undo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
    QAction* redo = undoStack().createRedoAction(this, DialogTexts::redo());
    redo->setObjectName(QStringLiteral("redoAction"));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    addActions({undo, redo});
    new SlotDrops(
        *this, grid_->widgets(), model_->slotsInUse(),
        {[this](int slot, const QString& path) { onMapDropped(slot, path); },
         [this](int from, int to) { model_->swap(from, to); },
         [this](const QString& path) {
             if (std::optional<OpenedSetup> opened = readSetupForDialog(environment_, this, path)) {
                 openSetup(*opened);
             }
         }});
}

void ComposerDialog::openSetup(const OpenedSetup& opened) {
    if (!model_->takes(opened.setup)) {
        handedOver_ = opened;
        done(HandsOverSetup);
        return;
    }
    const QStringList leftOut = model_->keepFiles(opened);
    if (!leftOut.isEmpty()) {
        environment_.prompts->showMessage(this, leftOut.join(u'\n'));
    }
    // The preview shows the setup's picture as its options draw it; an option that run
    // would refuse shows its default, as run draws no picture of such a setup.
    if (model_->keepsPicture()) {
        preview_->setPictureChoice(
            pictureChoiceOfSetup(opened.setup.pictureOptions, opened.setup.picture).choice);
    }
    if (!opened_) {
        pendingSetup_ = opened;
        return;
    }
    model_->fill(opened, environment_.mapSetRoots, lists_->names());
}

void ComposerDialog::onOpenSetup() {
    if (std::optional<OpenedSetup> opened = askAndReadSetup(environment_, this)) {
        openSetup(*opened);
    }
}

void ComposerDialog::onSaveSetup() {
    const std::optional<QString> path = environment_.prompts->askSetupPath(
        this, UserPrompts::SetupPrompt::Save, setupPromptFolder(*environment_.settings));
    if (!path) {
        return;
    }
    const MergeRequest merge = request();
    if (const std::optional<std::string> unnamed = model_->unnameable(merge)) {
        environment_.prompts->showError(this,
                                        QString::fromStdString(messages::nameNotUtf8(*unnamed)));
        return;
    }
    const Setup setup = model_->setupToSave(merge, path->toStdString(), environment_.mapSetRoots,
                                            preview_->pictureChoice());
    if (const std::optional<Problem> problem = writeSetupFile(path->toStdString(), setup)) {
        environment_.prompts->showError(this, QString::fromStdString(problem->message));
        return;
    }
    rememberSetup(*environment_.settings, *path);
}

void ComposerDialog::done(int result) {
    if (result != Accepted) {
        keepLastComposition();
    }
    QDialog::done(result);
}

void ComposerDialog::keepLastComposition() {
    const QString path = compositionSetupPath(environment_);
    if (path.isEmpty() || !opened_) {
        return;
    }
    const std::optional<Setup> setup =
        model_->lastComposition(request(), path.toStdString(), environment_.mapSetRoots);
    if (!setup) {
        return;
    }
    if (const std::optional<Problem> problem = keepComposition(environment_, *setup)) {
        environment_.prompts->showError(this, QString::fromStdString(problem->message));
    }
}

void ComposerDialog::onMapDropped(int slot, const QString& path) {
    const int row = lists_->names().rowForFile(path);
    if (row < 0) {
        environment_.prompts->showError(
            this, QString::fromStdString(messages::unableToOpen(path.toStdString())));
        return;
    }
    model_->choose(slot, row, lists_->names());
}

}  // namespace pw::gui
