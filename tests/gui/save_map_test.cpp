// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <QFileInfo>
#include <QStringEncoder>
#include <cstdlib>

#include "core/mapfile/map_set.h"
#include "core/setup/setup_file.h"
#include "gui/common/saved_file_name.h"
#include "gui/composer/map_list_model.h"
#include "gui/preview/preview_pane.h"
#include "gui_test_bed.h"
#include "jobs/picture_save.h"
#include "render/picture_drawer.h"
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
        bed.addMap(MapSet::Ironfall, chosen(slot), save.choices[slot]);
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
    EXPECT_EQ(bed.prompts.asked, QStringList{"|" + bed.mapSetFolder(MapSet::Ironfall)});
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
        merge +=
            " " + QDir(bed.mapSetFolder(MapSet::Ironfall)).filePath(chosen(slot)).toStdString();
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
    const RenderResult written =
        renderMap(MapSource::file(output.toStdString()), preview.current().options);
    EXPECT_TRUE(!written.image.isNull() && preview.current().image == written.image);
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, SaveMapTest,
    ::testing::Values(SaveCase{Layout::TopToBottom, 2, "ab", "ERROR: no file selected for Map# 2",
                               "aaaa aaaa bbbb bbbb"},
                      SaveCase{Layout::EndToEnd, 3, "cab", "ERROR: no file selected for Map# 3",
                               "ccccaaaabbbb ccccaaaabbbb ccccaaaabbbb ccccaaaabbbb"},
                      SaveCase{Layout::Composite, 2, "abcd", "ERROR: no file selected for Map# 1,1",
                               "aaaabbbb aaaabbbb ccccdddd ccccdddd"}));

// The first Save Map opens in the map set's folder; where the user cannot write there (an
// installed set), in the user's own folder of the set, made for it. A remembered name wins.
TEST(SaveMapTest, OffersTheUsersOwnFolderWhenTheMapSetsCannotBeWritten) {
    GuiTestBed bed;
    bed.addMap(MapSet::Ironfall, "a.map", 'a');
    bed.environment.dataFolder = bed.dir.filePath("own");
    bed.environment.folderWritable = [&](const QString& folder) {
        return folder != bed.mapSetFolder(MapSet::Ironfall);
    };
    const QString own =
        bed.dir.filePath("own/") + QString::fromStdString(mapSetFolderName(MapSet::Ironfall));
    for (const QString& remembered : {QString(), bed.dir.filePath("kept.map")}) {
        storeSavedFileName(bed.settings, remembered);
        auto dialog = bed.openComposer(Layout::TopToBottom, 2);
        control<QAbstractButton>(*dialog, "saveMapButton").click();  // both slots empty
        choose(*dialog, 1, "a.map");
        choose(*dialog, 2, "a.map");
        control<QAbstractButton>(*dialog, "saveMapButton").click();
    }
    EXPECT_EQ(bed.prompts.asked, QStringList({"|" + own, bed.dir.filePath("kept.map") + "|" +
                                                             bed.mapSetFolder(MapSet::Ironfall)}));
    EXPECT_TRUE(QFileInfo(own).isDir());
}

// "Save Image..." writes exactly what merge --image writes for the same slots: seams,
// labels, the fix-up highlight (shown by default, toggled in the preview) and the scale.
TEST(SaveImageTest, WritesWhatMergeImageWritesWithTheFixUpsShown) {
    GuiTestBed bed;
    bed.addMap(MapSet::Ironfall, "AB-01R.map", '.', 26);
    bed.addMap(MapSet::Ironfall, "AB-02L.map", ',', 26);
    storeSavedFileName(bed.settings, bed.dir.filePath("joined.map"));
    auto dialog = bed.openComposer(Layout::TopToBottom, 2);
    choose(*dialog, 1, "AB-01R.map");
    choose(*dialog, 2, "AB-02L.map");
    auto& preview = control<PreviewPane>(*dialog, "previewPane");
    ASSERT_TRUE(waitUntil([&] { return preview.upToDate(); }));
    EXPECT_FALSE(preview.current().options.highlights.empty()) << "R over L: layer b fixed";
    control<QAbstractButton>(*dialog, "previewFixUps").click();
    ASSERT_TRUE(waitUntil([&] { return preview.upToDate(); }));
    EXPECT_TRUE(preview.current().options.highlights.empty());
    control<QAbstractButton>(*dialog, "previewFixUps").click();
    ASSERT_TRUE(waitUntil([&] { return preview.upToDate(); }));

    bed.prompts.imageAnswer = std::pair(bed.dir.filePath("shot.jpg"), false);
    control<QAbstractButton>(*dialog, "previewSaveImage").click();
    EXPECT_EQ(bed.prompts.errors,
              QStringList{"ERROR: unable to create file " + bed.dir.filePath("shot.jpg") +
                          ": not a .png or .pdf name"});
    bed.prompts.errors.clear();
    bed.prompts.asked.clear();
    bed.prompts.imageAnswer = std::pair(bed.dir.filePath("shot"), false);
    control<QAbstractButton>(*dialog, "previewSaveImage").click();
    EXPECT_EQ(bed.prompts.asked, QStringList{bed.dir.filePath("joined.png")});
    bed.prompts.imageAnswer = std::pair(bed.dir.filePath("sheets"), true);
    control<QAbstractButton>(*dialog, "previewSaveImage").click();
    EXPECT_TRUE(bed.prompts.errors.isEmpty()) << bed.prompts.errors.join('\n').toStdString();
    EXPECT_EQ(bed.prompts.messages, QStringList(2, "New image file created successfully"));
    const std::string pdf = pw::test::readFile(bed.dir.filePath("sheets.pdf").toStdString());
    EXPECT_EQ(pw::test::pdfSummary(pdf), "pages 2\nsize 595x842\n");
    const QByteArray title =
        QStringEncoder(QStringEncoder::Utf16BE).encode(bed.dir.filePath("joined.map"));
    EXPECT_TRUE(QByteArray::fromStdString(pdf).contains(title)) << "names the map, as merge does";

    // merge --image of the same slots, through the same save pipeline.
    MergeRequest request{Layout::TopToBottom, {}, {}, {}};
    for (const char* name : {"AB-01R.map", "AB-02L.map"}) {
        request.slots.push_back({name,
                                 bed.mapSetFolder(MapSet::Ironfall).toStdString() + "/" + name,
                                 markOfLetter(name[5])});
    }
    pw::test::RecordingHost host;
    host.answer = bed.dir.filePath("cli.map").toStdString();
    host.picture = bed.dir.filePath("cli.png").toStdString();
    PictureSave picture(joinedMapPicture(), {});
    ASSERT_EQ(runSave(request, host, openSafeOutput, &picture), SaveOutcome::Saved);
    const QImage saved(bed.dir.filePath("shot.png"));
    EXPECT_TRUE(!saved.isNull() && saved == QImage(bed.dir.filePath("cli.png")));
}

// Save Map and Save Image refuse an empty slot, and a panel the lists have found to end
// early (greyed, still chosen), with Save Map's messages before asking for any name, and
// write nothing.
TEST(SaveImageTest, SaveMapAndSaveImageRefuseWhatIsKnownBeforeAsking) {
    GuiTestBed bed;
    bed.addMap(MapSet::Ironfall, "AB-01R.map", '.', 26);
    bed.addFile(MapSet::Ironfall, "cut.map",
                pw::test::MapBuilder{.length = 26}.text().substr(0, 95));
    auto dialog = bed.openComposer(Layout::TopToBottom, 2);
    choose(*dialog, 1, "AB-01R.map");
    auto& preview = control<PreviewPane>(*dialog, "previewPane");
    const auto& lists = dynamic_cast<const MapListModel&>(*mapList(*dialog, 2).model());
    bed.prompts.imageAnswer = std::pair(bed.dir.filePath("shot.png"), false);
    bed.prompts.saveAnswer = bed.dir.filePath("joined.map");
    for (const char* second : {"", "cut.map"}) {
        if (*second != '\0') {
            choose(*dialog, 2, second);
        }
        ASSERT_TRUE(waitUntil([&] { return preview.upToDate() && lists.wholeChecked(); }));
        for (const char* save : {"saveMapButton", "previewSaveImage"}) {
            control<QAbstractButton>(*dialog, save).click();
        }
    }
    const QString empty = "ERROR: no file selected for Map# 2",
                  cut = "ERROR: file cut.map ends early";
    EXPECT_EQ(bed.prompts.errors, QStringList({empty, empty, cut, cut}));
    EXPECT_EQ(bed.prompts.asked, QStringList()) << "no name asked for";
    EXPECT_TRUE(bed.prompts.messages.isEmpty() &&
                QDir(bed.dir.path()).entryList({"*.png", "*.map"}).isEmpty());
}

}  // namespace
}  // namespace pw::gui::test
