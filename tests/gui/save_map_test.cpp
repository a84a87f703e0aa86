#include <QDir>
#include <cstdlib>

#include "core/setup/setup_file.h"
#include "gui/common/saved_file_name.h"
#include "gui/preview/preview_pane.h"
#include "gui_test_bed.h"
#include "render/map_renderer.h"
#include "test_support.h"

namespace pw::gui::test {
namespace {

// One dialog's Save Map: the maps chosen slot by slot (a is a.map, all of its cells 'a'),
// the message when the last slot is left empty, and the first grid rows of the written map.
struct SaveCase {
    Layout layout;
    int count;
    std::string choices;
    QString emptySlotError, firstRows;
};

class SaveMapTest : public ::testing::TestWithParam<SaveCase> {};

TEST_P(SaveMapTest, FailsThenIsCancelledThenSavesInTheSameDialog) {
    const SaveCase& save = GetParam();
    GuiTestBed bed;
    const auto chosen = [&](std::size_t i) { return QChar(save.choices[i]) + QString(".map"); };
    for (std::size_t slot = 0; slot < save.choices.size(); ++slot) {
        bed.addMap(0, chosen(slot), save.choices[slot]);
    }
    const QString output = bed.dir.filePath("joined.map");
    auto dialog = bed.openComposer(save.layout, save.count);
    for (std::size_t slot = 0; slot + 1 < save.choices.size(); ++slot) {
        choose(*dialog, static_cast<int>(slot) + 1, chosen(slot));
    }
    control<QAbstractButton>(*dialog, "directionButton").click();
    control<QAbstractButton>(*dialog, "directionButton").click();
    auto& saveMap = control<QAbstractButton>(*dialog, "saveMapButton");
    bed.prompts.saveAnswer = output;
    saveMap.click();  // the last slot is empty: a failed check, no prompt
    EXPECT_EQ(bed.prompts.errors, QStringList{save.emptySlotError});
    EXPECT_TRUE(bed.prompts.asked.isEmpty() && dialog->isVisible());
    EXPECT_EQ(mapList(*dialog, 1).currentText(), chosen(0)) << "every choice is kept";

    choose(*dialog, static_cast<int>(save.choices.size()), chosen(save.choices.size() - 1));
    bed.prompts.saveAnswer = std::nullopt;
    saveMap.click();  // the prompt is cancelled: nothing written, nothing remembered
    EXPECT_EQ(bed.prompts.asked, QStringList{"|" + bed.mapSetFolder(0)});
    EXPECT_TRUE(dialog->isVisible() && savedFileName(bed.settings).isEmpty());

    // The setup of these slots, run by the command line, makes the map Save Map makes.
    bed.prompts.setupAnswer = bed.dir.filePath("board.pwsetup");
    control<QAbstractButton>(*dialog, "saveSetupButton").click();
    const std::string run = "cd '" + bed.dir.path().toStdString() +
                            "' && '" PANELWRIGHT_CLI_PATH "' run board.pwsetup >/dev/null";
    ASSERT_EQ(std::system(run.c_str()), 0);
    // merge --save-setup of the same composition writes the same setup, OUT added.
    std::string merge =
        "cd '" + bed.dir.path().toStdString() +
        "' && '" PANELWRIGHT_CLI_PATH
        "' merge --direction E --output board.map --save-setup cli.pwsetup --layout " +
        std::string(layoutName(save.layout));
    for (std::size_t slot = 0; slot < save.choices.size(); ++slot) {
        merge += " " + QDir(bed.mapSetFolder(0)).filePath(chosen(slot)).toStdString();
    }
    ASSERT_EQ(std::system((merge + " >/dev/null").c_str()), 0);
    std::optional<pw::Setup> dialogSetup =
        readSetupFile(bed.dir.filePath("board.pwsetup").toStdString()).setup;
    ASSERT_TRUE(dialogSetup && dialogSetup->output.empty());
    dialogSetup->output = "board.map";
    EXPECT_EQ(setupJson(*dialogSetup).toStdString(),
              pw::test::readFile(bed.dir.filePath("cli.pwsetup").toStdString()));

    bed.prompts.saveAnswer = output;
    saveMap.click();
    EXPECT_EQ(pw::test::readFile(bed.dir.filePath("board.map").toStdString()),
              pw::test::readFile(output.toStdString()));
    EXPECT_EQ(bed.prompts.errors.size(), 1);
    EXPECT_EQ(bed.prompts.messages, QStringList{"New map file created successfully"});
    EXPECT_TRUE(dialog->result() == QDialog::Accepted && !dialog->isVisible());
    EXPECT_EQ(savedFileName(bed.settings), output);
    const QStringList lines = QString::fromStdString(pw::test::readFile(output.toStdString()))
                                  .split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.value(3), "2 4") << "the direction turned twice";
    EXPECT_EQ(lines.mid(4, 4).join(' '), save.firstRows);

    // The preview of the slots saved is the picture of the map Save Map wrote.
    auto& preview = control<PreviewPane>(*dialog, "previewPane");
    ASSERT_TRUE(waitUntil([&] { return preview.upToDate(); }));
    const RenderResult written = renderMapFile(output.toStdString(), preview.current().options);
    EXPECT_TRUE(!written.image.isNull() && preview.current().image == written.image);

    // Save Image writes that picture with its labels, as the renderer places them on it,
    // or shows why it cannot.
    auto& saveImage = control<QAbstractButton>(*dialog, "previewSaveImage");
    bed.prompts.imageAnswer = bed.dir.filePath("preview.png");
    saveImage.click();
    RenderOptions labelled = preview.current().options;
    labelled.labelsOnImage = true;
    EXPECT_EQ(QImage(*bed.prompts.imageAnswer).convertToFormat(QImage::Format_RGB32),
              renderMapFile(output.toStdString(), labelled).image);
    bed.prompts.imageAnswer = bed.dir.filePath("missing/preview.png");
    saveImage.click();
    EXPECT_EQ(bed.prompts.errors.size(), 2);
    EXPECT_EQ(
        bed.prompts.errors.last(),
        "ERROR: unable to write image " + *bed.prompts.imageAnswer + ": No such file or directory");
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, SaveMapTest,
    ::testing::Values(SaveCase{Layout::TopToBottom, 2, "ab", "ERROR: no file selected for Map# 2",
                               "aaaa aaaa bbbb bbbb"},
                      SaveCase{Layout::EndToEnd, 3, "cab", "ERROR: no file selected for Map# 3",
                               "ccccaaaabbbb ccccaaaabbbb ccccaaaabbbb ccccaaaabbbb"},
                      SaveCase{Layout::Composite, 2, "abcd", "ERROR: no file selected for Map# 1,1",
                               "aaaabbbb aaaabbbb ccccdddd ccccdddd"}));

}  // namespace
}  // namespace pw::gui::test
