// SPDX-License-Identifier: GPL-3.0-or-later
// The composer dialog's setup files, undo and drag and drop: what a composition is, how it
// changes as one step, and how it is kept in and read from a setup.

#include <QAction>
#include <QBoxLayout>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QUndoStack>

#include "core/common/file_path.h"
#include "core/common/messages.h"
#include "core/setup/setup_file.h"
#include "core/setup/setup_paths.h"
#include "gui/common/user_prompts.h"
#include "gui/composer/composer_dialog.h"
#include "gui/composer/map_list_model.h"
#include "gui/composer/setup_composition.h"
#include "gui/composer/slot_drops.h"
#include "gui/preview/preview_pane.h"
#include "jobs/setup_picture.h"

namespace pw::gui {

void ComposerDialog::addSetupCommands(QBoxLayout& row) {
    const std::pair<const char*, const char*> commands[] = {
        {"openSetupButton", messages::kOpenSetupButton},
        {"saveSetupButton", messages::kSaveSetupButton}};
    for (const auto& [name, caption] : commands) {
        auto* button = new QPushButton(QString::fromLatin1(caption), this);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);
        row.addWidget(button);
    }
    connect(findChild<QPushButton*>(QStringLiteral("openSetupButton")), &QPushButton::clicked, this,
            &ComposerDialog::onOpenSetup);
    connect(findChild<QPushButton*>(QStringLiteral("saveSetupButton")), &QPushButton::clicked, this,
            &ComposerDialog::onSaveSetup);
}

void ComposerDialog::addUndo() {
    undoStack_ = new QUndoStack(this);
    QAction* undo = undoStack_->createUndoAction(this, QString::fromLatin1(messages::kUndo));
    undo->setObjectName(QStringLiteral("undoAction"));
    undo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
    QAction* redo = undoStack_->createRedoAction(this, QString::fromLatin1(messages::kRedo));
    redo->setObjectName(QStringLiteral("redoAction"));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    addActions({undo, redo});
    new SlotDrops(
        *this, widgets_, slotsInUse_,
        {[this](int slot, const QString& path) { onMapDropped(slot, path); },
         [this](int from, int to) { onSlotDropped(from, to); },
         [this](const QString& path) {
             if (std::optional<OpenedSetup> opened = readSetupForDialog(environment_, this, path)) {
                 openSetup(*opened);
             }
         }});
}

void ComposerDialog::change(Composition next) {
    if (next != composition_) {
        undoStack_->push(new CompositionCommand(
            composition_, std::move(next),
            [this](const Composition& composition) { applyComposition(composition); }));
    }
}

void ComposerDialog::applyComposition(const Composition& composition) {
    composition_ = composition;
    composition_.slots.resize(widgets_.slots.size());
    for (std::size_t i = 0; i < widgets_.slots.size(); ++i) {
        // Showing a composition is no choice of the user's.
        QComboBox& list = *widgets_.slots[i].mapList;
        const QSignalBlocker quiet(list);
        list.setCurrentIndex(composition_.slots[i].row);
    }
    // Slot 1's panel is what every list measures its names against.
    mapNames_->setReference(composition_.slots.front().row);
    pushTexts();
    showKeptMarks();
    updatePreview();
}

void ComposerDialog::openSetup(const OpenedSetup& opened) {
    const Setup& setup = opened.setup;
    if (setup.layout != layout_ || setup.mapSetIndex != mapSetIndex_ ||
        static_cast<int>(setup.slots.size()) != slotsInUse_) {
        handedOver_ = opened;
        done(HandsOverSetup);
        return;
    }
    // An output or picture outside the setup's folder is left out, with a word: a setup
    // passed around must not lead the dialogs to write there, nor into a setup of their own.
    QStringList leftOut;
    const auto keptFile = [&](const std::string& stored, const char* role) {
        const std::string path = setupFileWithin(opened, stored);
        if (path.empty() && !stored.empty()) {
            leftOut << QString::fromStdString(
                messages::setupFileLeftOut(opened.path.toStdString(), role, escapedName(stored)));
        }
        return path;
    };
    setupOutput_ = keptFile(setup.output, "output");
    setupPicture_ = keptFile(setup.picture, "picture");
    setupPictureOptions_ = setup.pictureOptions;
    if (!leftOut.isEmpty()) {
        environment_.prompts->showMessage(this, leftOut.join(u'\n'));
    }
    // The preview shows the setup's picture as its options draw it; an option that run
    // would refuse shows its default, as run draws no picture of such a setup.
    if (!setupPicture_.empty() && preview_ != nullptr) {
        preview_->setPictureChoice(
            pictureChoiceOfSetup(setup.pictureOptions, setupPicture_).choice);
    }
    if (!opened_) {
        pendingSetup_ = opened;
        return;
    }
    Composition next =
        compositionOfSetup(opened, environment_.mapSetRoots, *mapNames_, consultsMarks(layout_));
    next.slots.resize(widgets_.slots.size());
    change(std::move(next));
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
    if (const std::optional<std::string> unnamed =
            SetupPlaces::unnameable(request(), setupOutput_, setupPicture_)) {
        environment_.prompts->showError(this,
                                        QString::fromStdString(messages::nameNotUtf8(*unnamed)));
        return;
    }
    Setup setup = setupOfComposition(composition_, request(), path->toStdString(),
                                     environment_.mapSetRoots, setupOutput_, setupPicture_);
    // The picture as the preview shows it; what the preview does not choose stays as the
    // opened setup kept it (a PDF's paper, every label's text).
    setup.pictureOptions = setupPictureOptions_;
    if (!setupPicture_.empty() && preview_ != nullptr) {
        setup.pictureOptions = withShownChoices(setupPictureOptions_, preview_->pictureChoice());
    }
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
    const QString path = lastCompositionPath(environment_);
    const MergeRequest merge = request();
    // Nothing chosen: an earlier composition is worth more than an empty one. A name that
    // a setup cannot hold leaves the last composition as it was, too.
    if (path.isEmpty() || !opened_ ||
        composition_ == Composition{std::vector<SlotState>(composition_.slots.size()), 0} ||
        SetupPlaces::unnameable(merge, "", "")) {
        return;
    }
    QDir().mkpath(environment_.dataFolder);
    // The slots, marks and direction only: an output kept here would lie outside this
    // setup's folder, and Save Map asks for its name anyway.
    const Setup setup = setupOfComposition(composition_, merge, path.toStdString(),
                                           environment_.mapSetRoots, "", "");
    if (const std::optional<Problem> problem = writeSetupFile(path.toStdString(), setup)) {
        environment_.prompts->showError(this, QString::fromStdString(problem->message));
    }
}

void ComposerDialog::onMapDropped(int slot, const QString& path) {
    const int row = mapNames_->rowForFile(path);
    if (row < 0) {
        environment_.prompts->showError(
            this, QString::fromStdString(messages::unableToOpen(path.toStdString())));
        return;
    }
    Composition next = composition_;
    SlotState& state = next.slots.at(static_cast<std::size_t>(slot));
    state = chooseMap(state, row, mapNames_->fileName(row), consultsMarks(layout_));
    change(std::move(next));
}

void ComposerDialog::onSlotDropped(int from, int to) {
    Composition next = composition_;
    std::swap(next.slots.at(static_cast<std::size_t>(from)),
              next.slots.at(static_cast<std::size_t>(to)));
    change(std::move(next));
}

}  // namespace pw::gui
