// SPDX-License-Identifier: GPL-3.0-or-later
// The Save As prompt for a map file.
#include "gui/common/map_save_prompt.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QToolTip>

#include "gui/common/dialog_texts.h"

namespace pw::gui {

MapSavePrompt::MapSavePrompt(QWidget* parent) : QFileDialog(parent) {
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setNameFilter(DialogTexts::mapFilter());
    // Qt's own dialog adds the suffix before it asks about overwriting, so the question
    // names the file that will really be replaced; and it lets accept() be checked here.
    setDefaultSuffix(QStringLiteral("map"));
    setOption(QFileDialog::DontUseNativeDialog);
}

void MapSavePrompt::accept() {
    const QStringList chosen = selectedFiles();
    if (!chosen.isEmpty()) {
        const QFileInfo path(chosen.constFirst());
        if (!path.isDir() && !path.absoluteDir().exists()) {
            // No message box: a hint at the name field, and the prompt stays as it is.
            QApplication::beep();
            if (auto* nameField = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
                const std::string folder =
                    QDir::toNativeSeparators(path.absolutePath()).toStdString();
                QToolTip::showText(nameField->mapToGlobal(QPoint(0, nameField->height())),
                                   QString::fromStdString(DialogTexts::folderMissing(folder)),
                                   nameField);
            }
            return;
        }
    }
    QFileDialog::accept();
}

}  // namespace pw::gui
