#include "gui/composer/qt_user_prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "gui/composer/override_cursor.h"

namespace pw::gui {
namespace {

void showBox(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
    // The arrow comes back over a box shown in the middle of a busy Save Map.
    const OverrideCursor arrow(Qt::ArrowCursor);
    QMessageBox box(icon, QCoreApplication::applicationName(), text, QMessageBox::Ok, parent);
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
    QFileDialog prompt(parent);
    prompt.setAcceptMode(QFileDialog::AcceptSave);
    prompt.setFileMode(QFileDialog::AnyFile);
    prompt.setNameFilter(QStringLiteral("MAP (*.map)"));
    // Qt's own dialog adds the suffix before it asks about overwriting, so the question
    // names the file that will really be replaced.
    prompt.setDefaultSuffix(QStringLiteral("map"));
    prompt.setOption(QFileDialog::DontUseNativeDialog);
    if (initialPath.isEmpty()) {
        prompt.setDirectory(startFolder);
    } else {
        prompt.setDirectory(QFileInfo(initialPath).absolutePath());
        prompt.selectFile(initialPath);
    }
    if (prompt.exec() != QDialog::Accepted || prompt.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return prompt.selectedFiles().constFirst();
}

void QtUserPrompts::beep() {
    QApplication::beep();
}

}  // namespace pw::gui
