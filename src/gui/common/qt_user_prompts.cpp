// SPDX-License-Identifier: GPL-3.0-or-later
// The prompts as real message boxes and file dialogs.
#include "gui/common/qt_user_prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "core/setup/setup.h"
#include "gui/common/dialog_texts.h"
#include "gui/common/guide_key.h"
#include "gui/common/guide_pages.h"
#include "gui/common/map_save_prompt.h"
#include "gui/common/override_cursor.h"

namespace pw::gui {
namespace {

// The box wraps long messages between words; no-break spaces keep a comparison such as
// "20 <> 21" or "X = 5" on one line.
QString keepNumbersTogether(QString text) {
    const QChar noBreak(0x00A0);
    text.replace(QStringLiteral(" <> "), noBreak + QStringLiteral("<>") + noBreak);
    text.replace(QStringLiteral(" = "), noBreak + QStringLiteral("=") + noBreak);
    return text;
}

void showBox(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
    // The arrow comes back over a box shown in the middle of a busy Save Map.
    const OverrideCursor arrow(Qt::ArrowCursor);
    QMessageBox box(icon, QCoreApplication::applicationName(), keepNumbersTogether(text),
                    QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    // F1 on an error opens the guide's list of messages and what to do about each.
    offerGuideAsOwnerDoes(box, icon == QMessageBox::Critical
                                   ? QString::fromLatin1(guide::kTroubleshooting)
                                   : QString());
    box.exec();
}

}  // namespace

void QtUserPrompts::showError(QWidget* parent, const QString& text) {
    showBox(parent, QMessageBox::Critical, text);
}

void QtUserPrompts::showMessage(QWidget* parent, const QString& text) {
    showBox(parent, QMessageBox::NoIcon, text);
}

std::optional<QString> QtUserPrompts::askSavePath(QWidget* parent, const QString& initialPath,
                                                  const QString& startFolder) {
    const OverrideCursor arrow(Qt::ArrowCursor);
    MapSavePrompt prompt(parent);
    if (initialPath.isEmpty()) {
        prompt.setDirectory(startFolder);
    } else {
        prompt.setDirectory(QFileInfo(initialPath).absolutePath());
        prompt.selectFile(initialPath);
    }
    offerGuideAsOwnerDoes(prompt);
    if (prompt.exec() != QDialog::Accepted || prompt.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return prompt.selectedFiles().constFirst();
}

std::optional<std::pair<QString, bool>> QtUserPrompts::askImagePath(QWidget* parent,
                                                                    const QString& suggested) {
    const OverrideCursor arrow(Qt::ArrowCursor);
    const QString pdf = DialogTexts::pdfFilter();
    QString chosen;
    const QString path = QFileDialog::getSaveFileName(
        parent, DialogTexts::saveImageTitle(), suggested,
        DialogTexts::pngFilter() + QStringLiteral(";;") + pdf, &chosen);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return std::pair(path, chosen == pdf);
}

std::optional<QString> QtUserPrompts::askSetupPath(QWidget* parent, SetupPrompt kind,
                                                   const QString& startFolder) {
    const OverrideCursor arrow(Qt::ArrowCursor);
    const bool opening = kind == SetupPrompt::Open;
    QFileDialog prompt(parent,
                       opening ? DialogTexts::openSetupTitle() : DialogTexts::saveSetupTitle(),
                       startFolder, DialogTexts::setupFilter());
    prompt.setAcceptMode(opening ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    prompt.setFileMode(opening ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    prompt.setDefaultSuffix(QString::fromLatin1(kSetupSuffix + 1));
    offerGuideAsOwnerDoes(prompt);
    if (prompt.exec() != QDialog::Accepted || prompt.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return prompt.selectedFiles().constFirst();
}

std::optional<QString> QtUserPrompts::askMapPath(QWidget* parent, const QString& startFolder) {
    const OverrideCursor arrow(Qt::ArrowCursor);
    QFileDialog prompt(parent, QCoreApplication::translate("QtUserPrompts", "View Map"),
                       startFolder, DialogTexts::mapFilter());
    prompt.setAcceptMode(QFileDialog::AcceptOpen);
    prompt.setFileMode(QFileDialog::ExistingFile);
    offerGuideAsOwnerDoes(prompt);
    if (prompt.exec() != QDialog::Accepted || prompt.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return prompt.selectedFiles().constFirst();
}

void QtUserPrompts::beep() {
    QApplication::beep();
}

}  // namespace pw::gui
