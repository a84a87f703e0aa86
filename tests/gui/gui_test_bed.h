// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QSettings>
#include <QTemporaryDir>
#include <functional>

#include "gui/common/user_prompts.h"
#include "gui/composer/composer_dialog.h"
#include "test_support.h"

// Test messages show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace pw::gui::test {

// Answers in place of the user and remembers what was shown and asked.
struct FakePrompts : UserPrompts {
    void showError(QWidget*, const QString& text) override { errors.append(text); }
    void showMessage(QWidget*, const QString& text) override { messages.append(text); }
    std::optional<QString> askSavePath(QWidget*, const QString& initialPath,
                                       const QString& startFolder) override {
        asked.append(initialPath + "|" + startFolder);
        return saveAnswer;
    }
    std::optional<std::pair<QString, bool>> askImagePath(QWidget*,
                                                         const QString& suggested) override {
        asked.append(suggested);
        return imageAnswer;
    }
    std::optional<QString> askSetupPath(QWidget*, SetupPrompt kind, const QString& start) override {
        asked.append(QString(kind == SetupPrompt::Open ? "open setup|" : "save setup|") + start);
        return setupAnswer;
    }
    std::optional<QString> askMapPath(QWidget*, const QString& start) override {
        asked.append("view map|" + start);
        return mapAnswer;
    }
    void beep() override { ++beeps; }

    std::optional<std::pair<QString, bool>> imageAnswer;  // the name typed, PDF chosen
    std::optional<QString> saveAnswer;                    // nullopt: the user cancels
    std::optional<QString> setupAnswer;
    std::optional<QString> mapAnswer;
    QStringList errors, messages, asked;
    int beeps = 0;
};

// A program folder of its own in a temp dir, a settings file beside it and fake prompts.
struct GuiTestBed {
    QString mapSetFolder(MapSet mapSet) const;
    void addFile(MapSet mapSet, const QString& name, const std::string& content);
    // A map of `length` by 2 cells, all `cell`; an L or R after the number gives it a mark.
    void addMap(MapSet mapSet, const QString& name, char cell, int length = 4) {
        addFile(mapSet, name, pw::test::MapBuilder{.length = length, .fill = cell}.text());
    }
    std::unique_ptr<ComposerDialog> openComposer(Layout layout, int count,
                                                 MapSet mapSet = MapSet::Ironfall) {
        auto dialog = std::make_unique<ComposerDialog>(layout, count, mapSet, environment);
        dialog->show();
        return dialog;
    }

    FakePrompts prompts;
    QTemporaryDir dir;
    QSettings settings{dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat};
    DialogEnvironment environment{&prompts,
                                  &settings,
                                  {dir.path().toStdString()},
                                  dir.path(),
                                  dir.filePath(QStringLiteral("pictures")),
                                  {},
                                  [this](QWidget* from, const QString& page) {
                                      guidePages.append({from, page});
                                  }};
    // The pages of the user's guide asked for, each with the window that asked.
    QList<std::pair<QWidget*, QString>> guidePages;
};

// A dialog's control by its name; the test stops when it is missing.
template <typename Widget = QWidget>
Widget& control(QWidget& dialog, const QString& name) {
    auto* found = dialog.findChild<Widget*>(name);
    return found != nullptr ? *found : throw std::runtime_error("no " + name.toStdString());
}
QComboBox& mapList(QWidget& dialog, int slot);
void choose(QWidget& dialog, int slot, const QString& name);
// Lets what the dialogs' background threads send arrive until `done` (five seconds at most).
bool waitUntil(const std::function<bool()>& done);
// Waits until every name of the dialog's slot lists has its picture.
bool waitForPictures(QWidget& dialog);
// The middle pixel of a picture, where a panel of one kind of cell shows that cell's colour.
QRgb middleOf(const QPixmap& picture);

}  // namespace pw::gui::test
