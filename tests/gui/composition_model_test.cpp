// SPDX-License-Identifier: GPL-3.0-or-later
// A composer's composition without its dialog: choices, marks, direction and swaps as steps
// to undo, the merge it asks for, and the setups it is kept in and filled from.

#include "gui/composer/composition_model.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QUndoStack>

#include "gui/composer/map_list_model.h"
#include "test_support.h"

namespace {

using pw::Direction;
using pw::Layout;
using pw::MapSet;
using pw::gui::Composition;
using pw::gui::CompositionModel;

// Panels in a folder of their own, listed as files from outside the map-set folders.
struct Panels {
    explicit Panels(const std::vector<std::string>& names) {
        for (const std::string& name : names) {
            pw::test::writeFile(folder.path() / name, pw::test::MapBuilder{}.text());
            rows.push_back(maps.rowForFile(QString::fromStdString(folder.file(name))));
        }
    }
    pw::test::TempFolder folder;
    pw::gui::MapListModel maps;
    std::vector<int> rows;
};

TEST(CompositionModel, EveryChoiceTurnAndSwapIsOneStepThatUndoBringsBackExactly) {
    Panels panels({"IF-01L.map", "IF-02.map", "IF-03R.map"});
    CompositionModel model(Layout::TopToBottom, MapSet::Ironfall, 3, 4);
    QSignalSpy changed(&model, &CompositionModel::changed);
    std::vector<Composition> seen{model.composition()};
    const auto step = [&](const std::function<void()>& change) {
        change();
        seen.push_back(model.composition());
    };
    step([&] { model.choose(0, panels.rows[0], panels.maps); });
    EXPECT_EQ(model.composition().slots[0].mark, pw::Mark::L);
    step([&] { model.choose(0, panels.rows[1], panels.maps); });
    // A name without a mark keeps the one an earlier name gave the slot.
    EXPECT_EQ(model.composition().slots[0].mark, pw::Mark::L);
    EXPECT_EQ(model.composition().slots[0].markFrom, "IF-01L.map");
    step([&] { model.choose(2, panels.rows[2], panels.maps); });
    step([&] { model.turn(false); });
    step([&] { model.turn(true); });
    step([&] { model.turn(true); });
    EXPECT_EQ(model.composition().direction, Direction::NW);
    step([&] { model.swap(0, 2); });
    EXPECT_EQ(model.composition().slots[2].row, panels.rows[1]);
    // What is held already is no step.
    model.choose(0, panels.rows[2], panels.maps);
    ASSERT_EQ(model.undoStack().count(), 7);
    for (std::size_t i = seen.size() - 1; i-- > 0;) {
        model.undoStack().undo();
        EXPECT_EQ(model.composition(), seen[i]) << "undo to step " << i;
    }
    model.undoStack().setIndex(static_cast<int>(seen.size() - 1));
    EXPECT_EQ(model.composition(), seen.back());
    EXPECT_EQ(changed.count(), 7 * 3);
}

TEST(CompositionModel, EndToEndShowsANamesMarkButKeepsNone) {
    Panels panels({"IF-01L.map"});
    CompositionModel model(Layout::EndToEnd, MapSet::Ironfall, 2, 3);
    model.choose(1, panels.rows[0], panels.maps);
    EXPECT_EQ(model.composition().slots[1].shown, pw::Mark::L);
    EXPECT_EQ(model.composition().slots[1].mark, std::nullopt);
}

TEST(CompositionModel, TheMergeNamesAndOpensTheSlotsInUseOnly) {
    Panels panels({"IF-01L.map", "IF-02.map"});
    CompositionModel model(Layout::TopToBottom, MapSet::Ironfall, 2, 4);
    model.choose(1, panels.rows[0], panels.maps);
    model.choose(3, panels.rows[1], panels.maps);
    const pw::MergeRequest merge = model.request(panels.maps);
    ASSERT_EQ(merge.slots.size(), 2U);
    EXPECT_EQ(merge.slots[0].name, "");
    EXPECT_EQ(merge.slots[1].name, "IF-01L.map");
    EXPECT_EQ(merge.slots[1].path, panels.folder.file("IF-01L.map"));
    EXPECT_EQ(merge.slots[1].mark, pw::Mark::L);
}

TEST(CompositionModel, ASavedSetupFillsAnotherCompositionAsOneStep) {
    Panels panels({"IF-01R.map", "IF-02.map", "IF-03L.map"});
    CompositionModel model(Layout::Composite, MapSet::Ironfall, 4, 8);
    EXPECT_FALSE(model.lastComposition(model.request(panels.maps), panels.folder.file("l"), {}));
    model.choose(0, panels.rows[0], panels.maps);
    model.choose(0, panels.rows[1], panels.maps);  // keeps mark R
    model.choose(3, panels.rows[2], panels.maps);
    model.turn(true);
    const std::string path = panels.folder.file("a.pwsetup");
    const pw::Setup setup = model.setupToSave(model.request(panels.maps), path, {}, {});
    EXPECT_EQ(model.lastComposition(model.request(panels.maps), path, {}), setup);

    CompositionModel other(Layout::Composite, MapSet::Ironfall, 4, 8);
    EXPECT_TRUE(other.takes(setup));
    EXPECT_FALSE(CompositionModel(Layout::Composite, MapSet::Ironfall, 6, 8).takes(setup));
    EXPECT_FALSE(CompositionModel(Layout::Composite, MapSet::Emberline, 4, 8).takes(setup));
    EXPECT_TRUE(other.keepFiles({setup, QString::fromStdString(path)}).isEmpty());
    other.fill({setup, QString::fromStdString(path)}, {}, panels.maps);
    EXPECT_EQ(other.undoStack().count(), 1);
    EXPECT_EQ(other.composition().direction, Direction::NW);
    for (const std::size_t slot : {0, 3}) {
        EXPECT_EQ(other.composition().slots[slot].row, model.composition().slots[slot].row);
        EXPECT_EQ(other.composition().slots[slot].mark, model.composition().slots[slot].mark);
    }
    // The kept mark now comes from the setup.
    EXPECT_EQ(other.composition().slots[0].markFrom, "a.pwsetup");
}

TEST(CompositionModel, ASetupsFilesOutsideItsFolderAreLeftOutAndItsPictureKeptAsShown) {
    Panels panels({"IF-01.map"});
    pw::Setup setup{
        Layout::TopToBottom, MapSet::Ironfall, Direction::N, {{}, {}}, "../out.map", "p.png", {}};
    setup.pictureOptions.paper = "a4";
    setup.pictureOptions.labels = "placed";
    const QString path = QString::fromStdString(panels.folder.file("s.pwsetup"));
    CompositionModel model(Layout::TopToBottom, MapSet::Ironfall, 2, 4);
    const QStringList leftOut = model.keepFiles({setup, path});
    ASSERT_EQ(leftOut.size(), 1);
    EXPECT_TRUE(leftOut[0].contains("output ../out.map lies outside")) << leftOut[0].toStdString();
    EXPECT_TRUE(model.keepsPicture());
    pw::PictureChoice shown = pw::joinedMapPicture();
    shown.section = pw::RenderSection::Layer;
    shown.layer = 'b';
    const pw::Setup saved =
        model.setupToSave(model.request(panels.maps), path.toStdString(), {}, shown);
    EXPECT_EQ(saved.output, "");
    EXPECT_EQ(saved.picture, "p.png");
    EXPECT_EQ(saved.pictureOptions.show, "b");
    EXPECT_EQ(saved.pictureOptions.paper, "a4");
    EXPECT_EQ(saved.pictureOptions.labels, std::nullopt);
}

}  // namespace
