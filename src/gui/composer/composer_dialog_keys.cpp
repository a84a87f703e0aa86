// SPDX-License-Identifier: GPL-3.0-or-later
// The composer dialog as a screen reader and the keyboard reach it: what its commands are
// for, the shortcuts and the order of Tab.

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

#include "gui/common/context_menu_key.h"
#include "gui/common/dialog_texts.h"
#include "gui/common/guide_key.h"
#include "gui/common/guide_pages.h"
#include "gui/common/saved_file_name.h"
#include "gui/composer/composer_dialog.h"
#include "gui/composer/composer_room.h"
#include "gui/composer/slot_grid.h"
#include "gui/preview/preview_pane.h"
#include "gui/print/composition_printing.h"

namespace pw::gui {

void ComposerDialog::describeControls() {
    grid_->widgets().saveButton->setAccessibleDescription(DialogTexts::saveMapDescription());
    openSetupButton_->setAccessibleDescription(DialogTexts::openSetupDescription());
    saveSetupButton_->setAccessibleDescription(DialogTexts::saveSetupDescription());
}

void ComposerDialog::addKeys() {
    openContextMenusByShiftF10();
    // Each shortcut presses its button, so that it does exactly what a click does.
    const std::pair<QKeyCombination, QAbstractButton*> shortcuts[] = {
        {Qt::CTRL | Qt::Key_S, grid_->widgets().saveButton},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_S, saveSetupButton_},
        {Qt::CTRL | Qt::Key_O, openSetupButton_},
    };
    for (const auto& [keys, button] : shortcuts) {
        auto* action = new QAction(this);
        action->setShortcut(QKeySequence(keys));
        connect(action, &QAction::triggered, button, &QAbstractButton::click);
        addAction(action);
    }
    auto* print = new QAction(tr("&Print..."), this);
    print->setShortcut(QKeySequence::Print);
    connect(print, &QAction::triggered, this, [this] {
        printComposition(preview_->pictureJob(), savedFileName(*environment_.settings),
                         *environment_.prompts, *this);
    });
    addAction(print);
    offerGuide(*this, environment_, guide::composerPage(mergeLayout()));
    QWidget* previous = nullptr;
    for (QWidget* next : tabOrder()) {
        if (previous != nullptr) {
            setTabOrder(previous, next);
        }
        previous = next;
    }
}

void ComposerDialog::focusFirstSlot() {
    // As if Tab had brought the focus there, so that the style draws the focus frame where
    // the arrow keys already work.
    grid_->widgets().slots.front().mapList->setFocus(Qt::TabFocusReason);
    setAttribute(Qt::WA_KeyboardFocusChange);
}

std::vector<QWidget*> ComposerDialog::tabOrder() const {
    // The slots in slot order, the direction, the preview's controls and its picture, then
    // Save Map and Cancel.
    const ComposerWidgets& widgets = grid_->widgets();
    std::vector<QWidget*> order;
    for (const SlotWidgets& slot : widgets.slots) {
        order.push_back(slot.mapList);
    }
    order.insert(order.end(), {widgets.directionButton, &room_->previewToggle(), openSetupButton_,
                               saveSetupButton_});
    for (const char* name : {"previewShow", "previewLabels", "previewFixUps", "previewSeamCheck",
                             "previewGrid", "previewSaveImage", "previewView", "previewFindings"}) {
        order.push_back(preview_->findChild<QWidget*>(QString::fromLatin1(name)));
    }
    order.insert(order.end(), {widgets.saveButton, widgets.cancelButton});
    return order;
}

}  // namespace pw::gui
