// SPDX-License-Identifier: GPL-3.0-or-later
// The main dialog's setup files: Open Setup, the recent setups and a setup dropped on it.

#include <QAction>
#include <QButtonGroup>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>

#include "gui/app/count_spin.h"
#include "gui/app/panelwright_dialog.h"
#include "gui/common/dialog_texts.h"
#include "gui/common/dragged_file.h"
#include "ui_panelwright_dialog.h"

namespace pw::gui {

void PanelwrightDialog::addSetupCommands(QMenuBar& menuBar) {
    QMenu* menu = menuBar.addMenu(DialogTexts::setupMenu());
    menu->setObjectName(QStringLiteral("setupMenu"));
    // The recent setups are read afresh each time the menu opens.
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { fillRecentSetups(*menu); });
    fillRecentSetups(*menu);
    setAcceptDrops(true);
}

void PanelwrightDialog::fillRecentSetups(QMenu& menu) {
    menu.clear();
    QAction* open = menu.addAction(DialogTexts::openSetupItem());
    open->setObjectName(QStringLiteral("openSetupAction"));
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(open, &QAction::triggered, this, [this] {
        if (std::optional<OpenedSetup> opened = askAndReadSetup(environment_, this)) {
            runComposer(composerForSetup(*opened));
        }
    });
    // The composition a composer dialog ended with, without Save Map: opened only here.
    const QString last = lastCompositionPath(environment_);
    QAction* reopen = menu.addAction(DialogTexts::reopenLastComposition());
    reopen->setObjectName(QStringLiteral("reopenLastAction"));
    reopen->setEnabled(!last.isEmpty() && QFileInfo::exists(last));
    connect(reopen, &QAction::triggered, this, [this, last] {
        if (std::optional<OpenedSetup> opened =
                readSetupForDialog(environment_, this, last, /*remember=*/false)) {
            runComposer(composerForSetup(*opened));
        }
    });
    menu.addSeparator();
    const QStringList recent = recentSetups(*environment_.settings);
    if (recent.isEmpty()) {
        menu.addAction(DialogTexts::noRecentSetups())->setEnabled(false);
    }
    for (qsizetype i = 0; i < recent.size(); ++i) {
        const QString& path = recent[i];
        // "&1 board.pwsetup": a digit to pick it from the keyboard; the whole path as a tip.
        QAction* item = menu.addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(
            QFileInfo(path).fileName().replace(QLatin1Char('&'), QStringLiteral("&&"))));
        item->setObjectName(QStringLiteral("recentSetup%1").arg(i + 1));
        item->setToolTip(path);
        item->setStatusTip(path);
        connect(item, &QAction::triggered, this, [this, path] { openSetupFile(path); });
    }
    menu.setToolTipsVisible(true);
}

void PanelwrightDialog::openSetupFile(const QString& path) {
    if (std::optional<OpenedSetup> opened = readSetupForDialog(environment_, this, path)) {
        runComposer(composerForSetup(*opened));
    }
}

std::unique_ptr<ComposerDialog> PanelwrightDialog::composerForSetup(const OpenedSetup& opened) {
    const Setup& setup = opened.setup;
    onConfiguration(setup.layout);
    mapSet_ = setup.mapSet;
    (setup.mapSet == MapSet::Ironfall ? ui_->ironfallRadio : ui_->emberlineRadio)->setChecked(true);
    ui_->countSpin->setValue(static_cast<int>(setup.slots.size()));
    std::unique_ptr<ComposerDialog> composer = composerForChoices();
    composer->openSetup(opened);
    return composer;
}

void PanelwrightDialog::runComposer(std::unique_ptr<ComposerDialog> composer) {
    const QPointer<QWidget> focused = focusWidget();
    while (composer->exec() == ComposerDialog::HandsOverSetup) {
        const OpenedSetup handed = *composer->handedOverSetup();
        composer.reset();
        composer = composerForSetup(handed);
    }
    // The window system need not hand the keys back once the composer is gone: the main
    // dialog takes them, where they were.
    if (isVisible()) {
        raise();
        activateWindow();
        if (focused) {
            focused->setFocus(Qt::ActiveWindowFocusReason);
        }
    }
}

void PanelwrightDialog::dragEnterEvent(QDragEnterEvent* event) {
    if (draggedFile(event->mimeData(), kSetupSuffix)) {
        event->acceptProposedAction();
    }
}

void PanelwrightDialog::dropEvent(QDropEvent* event) {
    if (const std::optional<QString> path = draggedFile(event->mimeData(), kSetupSuffix)) {
        event->acceptProposedAction();
        // The file manager's drag ends first; then the setup opens.
        QTimer::singleShot(0, this, [this, file = *path] { openSetupFile(file); });
    }
}

}  // namespace pw::gui
