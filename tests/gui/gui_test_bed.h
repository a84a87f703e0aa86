#pragma once

#include <gtest/gtest.h>

#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "gui/composer/dialog_environment.h"
#include "gui/composer/user_prompts.h"

namespace pw::gui::test {

// Answers in place of the user and remembers what was shown and asked.
class FakePrompts : public UserPrompts {
  public:
    void showError(QWidget* parent, const QString& text) override;
    void showMessage(QWidget* parent, const QString& text) override;
    std::optional<QString> askSavePath(QWidget* parent, const QString& initialPath,
                                       const QString& startFolder) override;
    void beep() override { ++beeps; }

    std::optional<QString> saveAnswer;  // what the Save As prompt returns; nullopt = cancel
    QStringList errors;
    QStringList messages;
    QStringList askedInitialPaths;
    QStringList askedStartFolders;
    int beeps = 0;
    // Whether the wait cursor was up each time a prompt appeared.
    std::vector<bool> waitCursorAtPrompt;

  private:
    void noteCursor();
};

// A program folder of its own in a temp dir, a settings file beside it and fake prompts:
// everything a dialog reaches outside itself.
class GuiTestBed {
  public:
    GuiTestBed();

    const DialogEnvironment& environment() const { return environment_; }
    QString mapSetFolder(int mapSetIndex) const;
    QString path(const QString& name) const { return dir_.filePath(name); }
    QSettings& settings() { return *settings_; }

    // Creates the map-set folder, empty.
    void addMapSetFolder(int mapSetIndex);
    // A small valid map of 2 x 2 cells, every grid cell `cell`; an 'L' or 'R' at the end
    // of the name before ".map" gives it a mark.
    void addMap(int mapSetIndex, const QString& name, char cell);
    // A file whose content is given whole.
    void addFile(int mapSetIndex, const QString& name, const QByteArray& content);

    FakePrompts prompts;

  private:
    QTemporaryDir dir_;
    std::unique_ptr<QSettings> settings_;
    DialogEnvironment environment_;
};

// Finds a dialog's control by its name; fails the test when it is missing.
template <typename Widget>
Widget* control(QWidget& dialog, const char* name) {
    auto* found = dialog.findChild<Widget*>(QString::fromLatin1(name));
    if (found == nullptr) {
        ADD_FAILURE() << "no control " << name;
    }
    return found;
}

// Runs `open`, which is to show a modal dialog, hands that dialog to `inspect` and then
// closes it, so that no test ever waits on a modal window.
void whileModal(const std::function<void()>& open, const std::function<void(QWidget&)>& inspect);

}  // namespace pw::gui::test
