#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <memory>

#include "gui/assembly/composite_dlg.h"
#include "gui/assembly/end_to_end_dlg.h"
#include "gui/composer/saved_file_name.h"
#include "gui/composer/top_to_bottom_dlg.h"
#include "gui_test_bed.h"

namespace pw::gui::test {
namespace {

QComboBox& mapList(QWidget& dialog, int slot) {
    return *control<QComboBox>(dialog,
                               QStringLiteral("mapList%1").arg(slot).toLatin1().constData());
}

void choose(QWidget& dialog, int slot, const QString& name) {
    QComboBox& list = mapList(dialog, slot);
    list.setCurrentIndex(list.findText(name));
    ASSERT_EQ(list.currentText(), name);
}

QStringList fileLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"));
}

class SaveMapTest : public ::testing::Test {
  protected:
    SaveMapTest() {
        bed.addMap(0, "AA-01L.map", 'a');
        bed.addMap(0, "BB-02R.map", 'b');
        bed.addMap(0, "CC-03L.map", 'c');
        bed.addMap(0, "DD-04R.map", 'd');
        bed.addFile(0, "SUB-05L.map", "0\r\n2 2 1300\r\n");
        outputPath = bed.path("joined.map");
    }

    template <typename Dialog>
    std::unique_ptr<Dialog> open(int count) {
        auto dialog = std::make_unique<Dialog>(count, 0, bed.environment());
        dialog->show();
        return dialog;
    }

    void saveMap(QWidget& dialog) { control<QPushButton>(dialog, "saveMapButton")->click(); }

    GuiTestBed bed;
    QString outputPath;
};

TEST_F(SaveMapTest, SuccessWritesTheMapRemembersThePathAndClosesTheDialog) {
    auto dialog = open<CTopToBottomDlg>(2);
    choose(*dialog, 1, "AA-01L.map");
    choose(*dialog, 2, "BB-02R.map");
    control<QPushButton>(*dialog, "directionButton")->click();
    control<QPushButton>(*dialog, "directionButton")->click();
    bed.prompts.saveAnswer = outputPath;

    saveMap(*dialog);

    EXPECT_TRUE(bed.prompts.errors.isEmpty()) << bed.prompts.errors.join('\n').toStdString();
    EXPECT_EQ(bed.prompts.messages, QStringList{"New map file created successfully"});
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(savedFileName(bed.settings()), outputPath);
    // Nothing remembered yet: the prompt starts empty, in the map set's folder.
    EXPECT_EQ(bed.prompts.askedInitialPaths, QStringList{QString()});
    EXPECT_EQ(bed.prompts.askedStartFolders, QStringList{bed.mapSetFolder(0)});

    const QStringList lines = fileLines(outputPath);
    ASSERT_GE(lines.size(), 8);
    EXPECT_EQ(lines[3], "2 4") << "the direction chosen in the dialog";
    EXPECT_EQ(lines.mid(4, 4), (QStringList{"aa", "aa", "bb", "bb"})) << "slot 1 on top";
}

TEST_F(SaveMapTest, TheRememberedPathIsWhereTheNextPromptStartsAndIsReplaced) {
    storeSavedFileName(bed.settings(), bed.path("earlier.map"));
    auto dialog = open<CTopToBottomDlg>(2);
    choose(*dialog, 1, "AA-01L.map");
    choose(*dialog, 2, "AA-01L.map");
    bed.prompts.saveAnswer = outputPath;

    saveMap(*dialog);

    EXPECT_EQ(bed.prompts.askedInitialPaths, QStringList{bed.path("earlier.map")});
    EXPECT_EQ(savedFileName(bed.settings()), outputPath);
    EXPECT_TRUE(QFile::exists(outputPath));
}

TEST_F(SaveMapTest, EndToEndHandsTheSlotsLeftToRight) {
    auto dialog = open<CEndToEndDlg>(3);
    choose(*dialog, 1, "CC-03L.map");
    choose(*dialog, 2, "AA-01L.map");
    choose(*dialog, 3, "BB-02R.map");
    bed.prompts.saveAnswer = outputPath;

    saveMap(*dialog);

    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(fileLines(outputPath).mid(4, 2), (QStringList{"ccaabb", "ccaabb"}));
}

TEST_F(SaveMapTest, CompositeHandsTheSlotsRowByRowLeftBeforeRight) {
    auto dialog = open<CCompositeDlg>(2);
    choose(*dialog, 1, "AA-01L.map");
    choose(*dialog, 2, "BB-02R.map");
    choose(*dialog, 3, "CC-03L.map");
    choose(*dialog, 4, "DD-04R.map");
    bed.prompts.saveAnswer = outputPath;

    saveMap(*dialog);

    EXPECT_TRUE(bed.prompts.errors.isEmpty()) << bed.prompts.errors.join('\n').toStdString();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(fileLines(outputPath).mid(4, 4), (QStringList{"aabb", "aabb", "ccdd", "ccdd"}));
}

TEST_F(SaveMapTest, AFailedCheckKeepsTheDialogAndEveryChoiceAndWritesNothing) {
    storeSavedFileName(bed.settings(), bed.path("earlier.map"));
    auto dialog = open<CTopToBottomDlg>(3);
    choose(*dialog, 2, "AA-01L.map");
    control<QPushButton>(*dialog, "directionButton")->click();
    bed.prompts.saveAnswer = outputPath;

    saveMap(*dialog);

    EXPECT_EQ(bed.prompts.errors, (QStringList{"ERROR: no file selected for Map# 1",
                                               "ERROR: no file selected for Map# 3"}));
    EXPECT_TRUE(bed.prompts.askedInitialPaths.isEmpty()) << "no prompt after a failed check";
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(mapList(*dialog, 2).currentText(), "AA-01L.map");
    EXPECT_TRUE(control<QLabel>(*dialog, "leftLabel2")->isVisible());
    EXPECT_EQ(dialog->mark(1), 'L');
    EXPECT_EQ(control<QLabel>(*dialog, "directionLabel")->text(), "NE");
    EXPECT_FALSE(QFile::exists(outputPath));
    EXPECT_EQ(savedFileName(bed.settings()), bed.path("earlier.map"));

    // The user puts it right and tries again in the same dialog.
    choose(*dialog, 1, "BB-02R.map");
    choose(*dialog, 3, "SUB-05L.map");
    bed.prompts.errors.clear();
    saveMap(*dialog);
    EXPECT_EQ(bed.prompts.errors, QStringList{"ERROR: file SUB-05L.map is a submap! Version# = 0"});
    EXPECT_TRUE(dialog->isVisible());

    choose(*dialog, 3, "CC-03L.map");
    bed.prompts.errors.clear();
    saveMap(*dialog);
    EXPECT_TRUE(bed.prompts.errors.isEmpty());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(fileLines(outputPath).mid(4, 6), (QStringList{"bb", "bb", "aa", "aa", "cc", "cc"}));
}

TEST_F(SaveMapTest, CancellingThePromptKeepsTheDialogAndWritesNothing) {
    storeSavedFileName(bed.settings(), bed.path("earlier.map"));
    auto dialog = open<CEndToEndDlg>(2);
    choose(*dialog, 1, "AA-01L.map");
    choose(*dialog, 2, "BB-02R.map");
    bed.prompts.saveAnswer = std::nullopt;

    saveMap(*dialog);

    EXPECT_EQ(bed.prompts.askedInitialPaths.size(), 1);
    EXPECT_TRUE(bed.prompts.errors.isEmpty());
    EXPECT_TRUE(bed.prompts.messages.isEmpty());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(mapList(*dialog, 1).currentText(), "AA-01L.map");
    EXPECT_EQ(savedFileName(bed.settings()), bed.path("earlier.map"));
    EXPECT_EQ(QDir(bed.path(QString())).entryList({"*.map"}, QDir::Files), QStringList{});
}

TEST_F(SaveMapTest, TheWaitCursorIsUpDuringSaveMapAndGoneAfterIt) {
    auto dialog = open<CTopToBottomDlg>(2);
    choose(*dialog, 1, "AA-01L.map");
    saveMap(*dialog);  // slot 2 empty: fails its check
    ASSERT_EQ(bed.prompts.waitCursorAtPrompt, std::vector<bool>{true});
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    choose(*dialog, 2, "BB-02R.map");
    bed.prompts.saveAnswer = outputPath;
    saveMap(*dialog);
    EXPECT_EQ(bed.prompts.waitCursorAtPrompt, (std::vector<bool>{true, true, true}));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace pw::gui::test
