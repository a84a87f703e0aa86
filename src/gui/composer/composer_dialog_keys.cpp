// SPDX-License-Identifier: GPL-3.0-or-later
// The composer dialog as a screen reader and the keyboard reach it: what each control is
// called and is for, the shortcuts, the order of Tab, and the direction turned back.

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QInputEvent>

#include "gui/common/accessible_list.h"
#include "gui/common/dialog_texts.h"
#include "gui/composer/composer_dialog.h"
#include "gui/preview/preview_pane.h"

namespace pw::gui {
namespace {

QString text(const std::string& composed) {
    return QString::fromStdString(composed);
}

// Notes whether Shift was held in the last press or release of a button's mouse or keys,
// which is what makes it click.
class ShiftWatch : public QObject {
  public:
    ShiftWatch(QObject& button, bool& held) : QObject(&button), held_(held) {
        button.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
                held_ = static_cast<QInputEvent*>(event)->modifiers().testFlag(Qt::ShiftModifier);
                break;
            default:
                break;
        }
        return false;
    }

  private:
    bool& held_;
};

}  // namespace

void ComposerDialog::describeControls() {
    nameListsByPurpose();
    for (std::size_t i = 0; i < widgets_.slots.size(); ++i) {
        const int slot = static_cast<int>(i) + 1;
        QComboBox& list = *widgets_.slots[i].mapList;
        list.setAccessibleName(text(DialogTexts::slotListName(slot)));
        list.setAccessibleDescription(text(DialogTexts::slotListDescription(slot)));
    }
    widgets_.directionButton->setAccessibleName(DialogTexts::directionName());
    widgets_.saveButton->setAccessibleDescription(DialogTexts::saveMapDescription());
    previewToggle_->setAccessibleDescription(DialogTexts::previewToggleDescription());
    findChild<QWidget*>(QStringLiteral("openSetupButton"))
        ->setAccessibleDescription(DialogTexts::openSetupDescription());
    findChild<QWidget*>(QStringLiteral("saveSetupButton"))
        ->setAccessibleDescription(DialogTexts::saveSetupDescription());
}

void ComposerDialog::addKeys() {
    // Each shortcut presses its button, so that it does exactly what a click does.
    const std::pair<QKeyCombination, QAbstractButton*> shortcuts[] = {
        {Qt::CTRL | Qt::Key_S, widgets_.saveButton},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_S,
         findChild<QAbstractButton*>(QStringLiteral("saveSetupButton"))},
        {Qt::CTRL | Qt::Key_O, findChild<QAbstractButton*>(QStringLiteral("openSetupButton"))},
    };
    for (const auto& [keys, button] : shortcuts) {
        auto* action = new QAction(this);
        action->setShortcut(QKeySequence(keys));
        connect(action, &QAction::triggered, button, &QAbstractButton::click);
        addAction(action);
    }
    new ShiftWatch(*widgets_.directionButton, turnBack_);
    QWidget* previous = nullptr;
    for (QWidget* next : tabOrder()) {
        if (previous != nullptr) {
            setTabOrder(previous, next);
        }
        previous = next;
    }
}

std::vector<QWidget*> ComposerDialog::tabOrder() const {
    // The slots in slot order, the direction, the preview's controls and its picture, then
    // Save Map and Cancel.
    std::vector<QWidget*> order;
    for (const SlotWidgets& slot : widgets_.slots) {
        order.push_back(slot.mapList);
    }
    order.push_back(widgets_.directionButton);
    order.push_back(previewToggle_);
    for (const char* name : {"openSetupButton", "saveSetupButton"}) {
        order.push_back(findChild<QWidget*>(QString::fromLatin1(name)));
    }
    for (const char* name : {"previewShow", "previewLabels", "previewFixUps", "previewSeamCheck",
                             "previewSaveImage", "previewView"}) {
        order.push_back(preview_->findChild<QWidget*>(QString::fromLatin1(name)));
    }
    order.insert(order.end(), {widgets_.saveButton, widgets_.cancelButton});
    return order;
}

}  // namespace pw::gui
