// SPDX-License-Identifier: GPL-3.0-or-later
// The main dialog's setup files: Open Setup, the recent compositions and setups, and a setup
// dropped on it.

#include <QAction>
#include <QButtonGroup>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>

#include "core/common/translated_text.h"
#include "core/mapfile/direction.h"
#include "core/mapfile/map_set.h"
#include "gui/app/count_spin.h"
#include "gui/app/panelwright_dialog.h"
#include "gui/common/dialog_texts.h"
#include "gui/common/dragged_file.h"
#include "gui/common/recent_compositions.h"
#include "gui/viewer/map_viewer.h"
#include "ui_panelwright_dialog.h"

namespace pw::gui {

void PanelwrightDialog::addSetupCommands(QMenuBar& menuBar) {
    QMenu* menu = menuBar.addMenu(DialogTexts::setupMenu());
    menu->setObjectName(QStringLiteral("setupMenu"));
    // The recent setups are read afresh each time the menu opens.
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { fillRecentSetups(*menu); });
    // Made once: the File menu's clear() leaves a submenu it did not make.
    recentCompositions_ = new QMenu(tr("Recent &Compositions"), menu);
    recentCompositions_->setObjectName(QStringLiteral("recentCompositionsMenu"));
    fillRecentSetups(*menu);
    setAcceptDrops(true);
}

namespace {

// A numbered menu entry: "&1 text", a digit to pick it from the keyboard (the tenth "1&0"),
// and an & of the text shown as itself.
QString numberedEntry(int number, QString text) {
    return QString::number(number).insert(number < 10 ? 0 : 1, u'&') + u' ' +
           text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

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
    QAction* view = menu.addAction(tr("&View Map..."));
    view->setObjectName(QStringLiteral("viewMapAction"));
    view->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    connect(view, &QAction::triggered, this, [this] { MapViewer::askAndOpen(environment_, this); });
    fillRecentCompositions(*recentCompositions_);
    menu.addMenu(recentCompositions_);
    menu.addSeparator();
    const QStringList recent = recentSetups(*environment_.settings);
    if (recent.isEmpty()) {
        menu.addAction(DialogTexts::noRecentSetups())->setEnabled(false);
    }
    for (qsizetype i = 0; i < recent.size(); ++i) {
        const QString& path = recent[i];
        // "&1 board.pwsetup"; the whole path as a tip.
        QAction* item =
            menu.addAction(numberedEntry(static_cast<int>(i) + 1, QFileInfo(path).fileName()));
        item->setObjectName(QStringLiteral("recentSetup%1").arg(i + 1));
        item->setToolTip(path);
        item->setStatusTip(path);
        connect(item, &QAction::triggered, this, [this, path] { openSetupFile(path); });
    }
    menu.setToolTipsVisible(true);
}

void PanelwrightDialog::fillRecentCompositions(QMenu& menu) {
    menu.clear();
    // The compositions composer dialogs ended with, without Save Map: opened only here.
    const std::vector<KeptComposition> kept = recentCompositions(environment_);
    const auto reopen = [this](const QString& path) {
        if (std::optional<OpenedSetup> opened =
                readSetupForDialog(environment_, this, path, /*remember=*/false)) {
            runComposer(composerForSetup(*opened));
        }
    };
    QAction* last = menu.addAction(DialogTexts::reopenLastComposition());
    last->setObjectName(QStringLiteral("reopenLastAction"));
    last->setEnabled(!kept.empty());
    // The newest when chosen, as a composer may have ended since the menu was filled.
    connect(last, &QAction::triggered, this, [this, reopen] {
        const std::vector<KeptComposition> newest = recentCompositions(environment_);
        if (!newest.empty()) {
            reopen(newest.front().path);
        }
    });
    menu.addSeparator();
    for (std::size_t i = 0; i < kept.size(); ++i) {
        // "&1 Composite, Ironfall: IF-1, IF-2, IF-3, ... (8)"; every panel in the tip.
        const int number = static_cast<int>(i) + 1;
        QAction* item = menu.addAction(numberedEntry(number, compositionTitle(kept[i].setup)));
        item->setObjectName(QStringLiteral("recentComposition%1").arg(number));
        item->setToolTip(compositionTip(kept[i].setup));
        item->setStatusTip(item->toolTip());
        connect(item, &QAction::triggered, this, [reopen, path = kept[i].path] { reopen(path); });
    }
    menu.setToolTipsVisible(true);
}

QString PanelwrightDialog::compositionTitle(const Setup& setup) {
    const MapSetInfo* mapSet = mapSetInfo(setup.mapSet);
    QStringList panels = panelNames(setup);
    const qsizetype count = panels.size();
    if (count > kTitlePanels) {
        panels = panels.mid(0, kTitlePanels) << QStringLiteral("...");
    }
    return QString::fromStdString(
        filled(tr("%1, %2: %3 (%4)"),
               {layoutCaption(setup.layout).toStdString(),
                mapSet != nullptr ? std::string(mapSet->name) : std::string(),
                panels.join(QStringLiteral(", ")).toStdString(), std::to_string(count)}));
}

QString PanelwrightDialog::compositionTip(const Setup& setup) {
    return QString::fromStdString(
        filled(tr("%1; the top edge faces %2"),
               {panelNames(setup).join(QStringLiteral(", ")).toStdString(),
                std::string(directionName(setup.direction))}));
}

QStringList PanelwrightDialog::panelNames(const Setup& setup) {
    // A panel by its file name without .map; an empty slot as a dash.
    QStringList names;
    for (const SetupSlot& slot : setup.slots) {
        QString name = QFileInfo(QString::fromStdString(slot.panel)).fileName();
        if (name.endsWith(QStringLiteral(".map"), Qt::CaseInsensitive)) {
            name.chop(4);
        }
        names.append(name.isEmpty() ? QStringLiteral("-") : name);
    }
    return names;
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
