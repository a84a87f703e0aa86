// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo, drag and drop and setup files in the dialogs, driven as a user would.

#include <QDrag>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <QUrl>

#include "core/setup/setup_file.h"
#include "gui/app/panelwright_dialog.h"
#include "gui/common/recent_compositions.h"
#include "gui/composer/slot_drops.h"
#include "gui/preview/preview_pane.h"
#include "gui_test_bed.h"
#include "render/palette.h"

namespace pw::gui::test {
namespace {

// What a slot shows: its choice, each label (upper-case side when shown) and its mark.
QString slotView(ComposerDialog& dialog, int slot) {
    const auto& left = control<QLabel>(dialog, QStringLiteral("leftLabel%1").arg(slot));
    const auto& right = control<QLabel>(dialog, QStringLiteral("rightLabel%1").arg(slot));
    return mapList(dialog, slot).currentText() + (left.isVisible() ? " L" : " l") + left.text() +
           (right.isVisible() ? " R" : " r") + right.text() + " " +
           (dialog.mark(slot - 1) ? pw::markLetter(*dialog.mark(slot - 1)) : ' ');
}
// Every slot in use, then the direction.
std::string view(ComposerDialog& dialog, int slots) {
    QString text;
    for (int slot = 1; slot <= slots; ++slot) {
        text += slotView(dialog, slot) + " | ";
    }
    return (text + control<QLabel>(dialog, "directionLabel").text()).toStdString();
}

// Drops `mime` as a drag would: entered, then dropped; what the drop does follows.
bool drop(QWidget& target, QMimeData* mime) {
    const std::unique_ptr<QMimeData> owned(mime);
    QDragEnterEvent enter({5, 5}, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &enter);
    QDropEvent dropped({5, 5}, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    if (enter.isAccepted()) {
        QCoreApplication::sendEvent(&target, &dropped);
    }
    QCoreApplication::processEvents();
    return enter.isAccepted() && dropped.isAccepted();
}
QMimeData* files(const QStringList& paths) {
    auto* mime = new QMimeData;
    QList<QUrl> urls;
    for (const QString& path : paths) {
        urls.append(QUrl::fromLocalFile(path));
    }
    mime->setUrls(urls);
    return mime;
}
// What a drag of a slot's panel carries.
QMimeData* slotDrag(int slot) {
    return SlotDrops::slotDrag(slot - 1);
}

struct SetupBed : GuiTestBed {
    SetupBed() {
        for (const char* name : {"AB-07L.map", "zz-02R.map", "PLAIN.map"}) {
            addMap(MapSet::Ironfall, QString::fromLatin1(name), name[0]);
        }
        QDir().mkpath(dir.filePath("outside"));
        pw::test::writeFile(dir.filePath("outside/CD-05L.map").toStdString(),
                            pw::test::MapBuilder{.fill = 'c'}.text());
    }
    void key(QWidget& dialog, QKeyCombination keys) {
        QTest::keyClick(&dialog, keys.key(), keys.keyboardModifiers());
    }
};

TEST(UndoRedo, EveryChoiceMarkAndDirectionChangeComesBackExactly) {
    SetupBed bed;
    auto dialog = bed.openComposer(Layout::TopToBottom, 3);
    QApplication::setActiveWindow(dialog.get());
    std::vector<std::string> views{view(*dialog, 3)};
    const std::vector<std::function<void()>> steps = {
        [&] { choose(*dialog, 1, "AB-07L.map"); },
        [&] { choose(*dialog, 1, "zz-02R.map"); },
        [&] { choose(*dialog, 1, "PLAIN.map"); },
        [&] { control<QAbstractButton>(*dialog, "directionButton").click(); },
        [&] { ASSERT_TRUE(drop(control(*dialog, "slotPanel3"), slotDrag(1))); },
        [&] {
            ASSERT_TRUE(drop(mapList(*dialog, 2), files({bed.dir.filePath("outside/CD-05L.map")})));
        },
    };
    for (const auto& step : steps) {
        step();
        views.push_back(view(*dialog, 3));
    }
    EXPECT_EQ(views[3], "PLAIN.map l7 R2 R |  l r   |  l r   | N");
    EXPECT_EQ(views.back(), " l r   | CD-05L.map L5 r L | PLAIN.map l7 R2 R | NE");
    EXPECT_EQ(dialog->undoStack().count(), 6) << "each change is one step";
    for (int i = static_cast<int>(views.size()) - 2; i >= 0; --i) {
        bed.key(*dialog, Qt::CTRL | Qt::Key_Z);
        EXPECT_EQ(view(*dialog, 3), views[i]) << "undone to step " << i;
    }
    for (std::size_t i = 1; i < views.size(); ++i) {
        bed.key(*dialog, i % 2 ? Qt::CTRL | Qt::SHIFT | Qt::Key_Z : Qt::CTRL | Qt::Key_Y);
        EXPECT_EQ(view(*dialog, 3), views[i]) << "redone to step " << i;
    }
}

TEST(DragAndDrop, AMapChoosesTheSlotOutsideFilesAreListedWithTheirFolderAndOthersAreRefused) {
    SetupBed bed;
    auto dialog = bed.openComposer(Layout::Composite, 2);
    QComboBox& second = mapList(*dialog, 2);
    ASSERT_TRUE(drop(control(*dialog, "slotPanel2"),
                     files({bed.mapSetFolder(MapSet::Ironfall) + "/zz-02R.map"})));
    EXPECT_EQ(second.currentText(), "zz-02R.map");
    EXPECT_EQ(second.count(), 3) << "a map-set file is the one already listed";
    ASSERT_TRUE(drop(second, files({bed.dir.filePath("outside/CD-05L.map")})));
    EXPECT_EQ(second.count(), 4);
    EXPECT_EQ(second.currentText(), "CD-05L.map");
    // Its header is read off the GUI thread, as every header is.
    ASSERT_TRUE(
        waitUntil([&] { return second.itemData(3, Qt::ToolTipRole).toString().size() > 0; }));
    EXPECT_EQ(second.itemData(3, Qt::ToolTipRole).toString(),
              bed.dir.filePath("outside") + "\nX = 4 Y = 2");
    EXPECT_EQ(mapList(*dialog, 1).itemText(3), "CD-05L.map") << "every slot lists it";
    for (QMimeData* refused : {files({bed.dir.filePath("notes.txt")}), slotDrag(2),
                               files({bed.mapSetFolder(MapSet::Ironfall) + "/PLAIN.map",
                                      bed.mapSetFolder(MapSet::Ironfall) + "/AB-07L.map"})}) {
        EXPECT_FALSE(drop(second, refused));
    }
    EXPECT_FALSE(drop(*dialog, files({bed.mapSetFolder(MapSet::Ironfall) + "/PLAIN.map"})))
        << "a map needs a slot";
    EXPECT_TRUE(drop(second, files({bed.dir.filePath("gone.map")})));
    EXPECT_EQ(bed.prompts.errors,
              QStringList{"ERROR: unable to open file " + bed.dir.filePath("gone.map")});
    EXPECT_EQ(dialog->undoStack().count(), 2);
}

TEST(DragAndDrop, ASlotLightsUpWhileWhatItWouldTakeIsOverIt) {
    SetupBed bed;
    auto dialog = bed.openComposer(Layout::Composite, 2);
    // Whether the drop-down and the panel of each slot are lit: "00 11" lights slot 2.
    const auto lit = [&] {
        QStringList slots;
        for (int slot = 1; slot <= 2; ++slot) {
            QString parts;
            for (QWidget* part : {static_cast<QWidget*>(&mapList(*dialog, slot)),
                                  &control(*dialog, QStringLiteral("slotPanel%1").arg(slot))}) {
                parts += control(*part, "dropHighlight").isVisible() ? '1' : '0';
            }
            slots << parts;
        }
        return slots.join(' ');
    };
    const auto send = [&](QEvent&& event, const char* target) {
        QCoreApplication::sendEvent(&control(*dialog, target), &event);
        return lit();
    };
    const auto enter = [](QMimeData* mime) {
        return QDragEnterEvent({5, 5}, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    };
    const std::unique_ptr<QMimeData> map(
        files({bed.mapSetFolder(MapSet::Ironfall) + "/zz-02R.map"}));
    const std::unique_ptr<QMimeData> slot(slotDrag(1));
    const std::unique_ptr<QMimeData> text(files({bed.dir.filePath("notes.txt")}));
    EXPECT_EQ(send(enter(map.get()), "mapList2"), "00 11");
    EXPECT_EQ(send(QDragLeaveEvent(), "mapList2"), "00 00");
    EXPECT_EQ(send(enter(slot.get()), "slotPanel2"), "00 11");
    EXPECT_EQ(send(QDragLeaveEvent(), "slotPanel2"), "00 00");
    EXPECT_EQ(send(enter(slot.get()), "slotPanel1"), "00 00") << "a slot onto itself";
    EXPECT_EQ(send(enter(text.get()), "mapList1"), "00 00") << "no map";
    EXPECT_EQ(send(enter(map.get()), "mapList1"), "11 00");
    EXPECT_EQ(send(QDropEvent({5, 5}, Qt::CopyAction, map.get(), Qt::LeftButton, Qt::NoModifier),
                   "mapList1"),
              "00 00");
    QCoreApplication::processEvents();
    EXPECT_EQ(mapList(*dialog, 1).currentText(), "zz-02R.map");
}

TEST(DragAndDrop, APressOnASlotsPanelAndAMoveDragThatSlotWithItsPicture) {
    SetupBed bed;
    auto dialog = bed.openComposer(Layout::TopToBottom, 2);
    choose(*dialog, 2, "zz-02R.map");
    ASSERT_TRUE(waitForPictures(*dialog));
    auto& panel = control(*dialog, "slotPanel2");
    // The press goes on from the panel to the dialog, which must not forget it.
    QTest::mousePress(&panel, Qt::LeftButton, {}, {10, 10});
    QTest::mouseMove(&panel, {10 + QApplication::startDragDistance(), 12});
    auto* drag = dialog->findChild<QDrag*>();  // ended at once here, gone later
    ASSERT_NE(drag, nullptr);
    const QByteArray carried = drag->mimeData()->data("application/x-panelwright-slot");
    EXPECT_EQ(carried, "1");
    EXPECT_EQ(middleOf(drag->pixmap()), builtInPalette()['z']);
}

TEST(SetupFiles, OpenFillsTheSlotsAsChosenAndSaveWritesTheSameFileAgain) {
    SetupBed bed;
    auto chosen = bed.openComposer(Layout::TopToBottom, 3);
    choose(*chosen, 1, "AB-07L.map");
    choose(*chosen, 1, "PLAIN.map");
    ASSERT_TRUE(drop(mapList(*chosen, 3), files({bed.dir.filePath("outside/CD-05L.map")})));
    control<QAbstractButton>(*chosen, "directionButton").click();
    const QString file = bed.dir.filePath("board.pwsetup");
    bed.prompts.setupAnswer = file;
    control<QAbstractButton>(*chosen, "saveSetupButton").click();
    const std::string saved = pw::test::readFile(file.toStdString());

    auto opened = bed.openComposer(Layout::TopToBottom, 3);
    control<QAbstractButton>(*opened, "openSetupButton").click();
    // As chosen, but for the kept mark's number, which the setup does not keep: the
    // label shows the number of the name chosen, here none.
    EXPECT_EQ(view(*chosen, 3), "PLAIN.map L7 r L |  l r   | CD-05L.map L5 r L | NE");
    EXPECT_EQ(view(*opened, 3), "PLAIN.map L r L |  l r   | CD-05L.map L5 r L | NE");
    bed.prompts.setupAnswer = bed.dir.filePath("again.pwsetup");
    control<QAbstractButton>(*opened, "saveSetupButton").click();
    EXPECT_EQ(pw::test::readFile(bed.dir.filePath("again.pwsetup").toStdString()), saved);
    opened->undoStack().undo();
    EXPECT_EQ(view(*opened, 3), " l r   |  l r   |  l r   | N") << "opening is one step";
    EXPECT_EQ(recentSetups(bed.settings), QStringList({bed.dir.filePath("again.pwsetup"), file}));
}

// A setup's picture is saved again as the preview shows it; what the preview does not
// choose stays as the setup had it.
TEST(SetupFiles, SaveKeepsThePictureAsThePreviewShowsIt) {
    SetupBed bed;
    const QString file = bed.dir.filePath("print.pwsetup");
    pw::test::writeFile(file.toStdString(), R"({"format": 1, "layout": "top-to-bottom",
        "slots": [{"mark": "none"}, {"mark": "none"}],
        "picture": {"file": "p.pdf", "paper": "a3", "labels": "all", "fixUps": false}})");
    auto dialog = bed.openComposer(Layout::TopToBottom, 2);
    bed.prompts.setupAnswer = file;
    control<QAbstractButton>(*dialog, "openSetupButton").click();
    EXPECT_FALSE(control<QAbstractButton>(*dialog, "previewFixUps").isChecked()) << "as opened";
    control<QComboBox>(*dialog, "previewShow").setCurrentIndex(1);
    control<QAbstractButton>(*dialog, "previewLabels").click();
    control<QAbstractButton>(*dialog, "previewFixUps").click();
    control<QAbstractButton>(*dialog, "previewGrid").click();
    control<QAbstractButton>(*dialog, "saveSetupButton").click();
    const pw::ReadSetup saved = pw::readSetupFile(file.toStdString());
    ASSERT_TRUE(saved.setup.has_value());
    pw::SetupPictureOptions expected;
    expected.show = "second";
    expected.labels = "none";
    expected.paper = "a3";
    expected.grid = true;
    EXPECT_EQ(saved.setup->pictureOptions, expected) << "fix-ups are shown again";
}

// Opened, a setup with a picture sets the preview as that picture is drawn: its layer
// once the join offers it, its labels, fix-ups, seam marks and grid.
TEST(SetupFiles, OpeningSetsThePreviewAsTheSetupsPictureIsDrawn) {
    SetupBed bed;
    const QString file = bed.dir.filePath("layer.pwsetup");
    pw::test::writeFile(file.toStdString(), R"({"format": 1, "layout": "top-to-bottom",
        "slots": [{"mapSetFile": "AB-07L.map", "mark": "L"}, {"mapSetFile": "PLAIN.map",
        "mark": "none"}], "picture": {"file": "p.png", "show": "b", "labels": "none",
        "seamMarks": true, "grid": true}})");
    auto dialog = bed.openComposer(Layout::TopToBottom, 2);
    bed.prompts.setupAnswer = file;
    control<QAbstractButton>(*dialog, "openSetupButton").click();
    auto& pane = control<PreviewPane>(*dialog, "previewPane");
    ASSERT_TRUE(waitUntil([&] { return pane.upToDate() && !pane.current().image.isNull(); }));
    EXPECT_EQ(control<QComboBox>(*dialog, "previewShow").currentText(), "Layer b");
    EXPECT_EQ(pane.current().options.section, RenderSection::Layer);
    EXPECT_FALSE(control<QAbstractButton>(*dialog, "previewLabels").isChecked());
    EXPECT_TRUE(control<QAbstractButton>(*dialog, "previewFixUps").isChecked());
    EXPECT_TRUE(control<QAbstractButton>(*dialog, "previewSeamCheck").isChecked());
    EXPECT_TRUE(pane.current().options.grid);

    // A setup from elsewhere whose "show" names nothing shows the first grid.
    for (const char* shown : {"", "zz"}) {
        pw::test::writeFile(file.toStdString(),
                            std::string(R"({"format": 1, "layout": "top-to-bottom", "slots":
            [{"mark": "none"}, {"mark": "none"}], "picture": {"file": "p.png", "show": ")") +
                                shown + "\"}}");
        control<QAbstractButton>(*dialog, "openSetupButton").click();
        EXPECT_EQ(control<QComboBox>(*dialog, "previewShow").currentText(), "First grid");
    }
}

TEST(SetupFiles, AMissingPanelLeavesItsSlotEmptyNamedInThePreviewAndABadSetupChangesNothing) {
    SetupBed bed;
    pw::test::writeFile(bed.dir.filePath("gone.pwsetup").toStdString(),
                        R"({"format": 1, "layout": "top-to-bottom", "slots": [
                            {"mapSetFile": "AB-07L.map", "mark": "R"}, {"file": "gone.map", "mark": "L"}]})");
    pw::test::writeFile(
        bed.dir.filePath("bad.pwsetup").toStdString(),
        R"({"format": 1, "layout": "top-to-bottom", "slots": [{"mark": "L"}, {"mark": "X"}]})");
    auto dialog = bed.openComposer(Layout::TopToBottom, 2);
    ASSERT_TRUE(drop(control(*dialog, "slotPanel1"), files({bed.dir.filePath("gone.pwsetup")})));
    EXPECT_EQ(view(*dialog, 2), "AB-07L.map l7 R7 R |  L r L | N");
    auto& preview = control<PreviewPane>(*dialog, "previewPane");
    ASSERT_TRUE(waitUntil([&] { return preview.upToDate(); }));
    EXPECT_EQ(preview.current().joined.slotProblems.at(1).value_or(pw::Problem{}).message,
              "ERROR: unable to open file gone.map");

    bed.prompts.setupAnswer = bed.dir.filePath("bad.pwsetup");
    control<QAbstractButton>(*dialog, "openSetupButton").click();
    EXPECT_EQ(bed.prompts.errors, QStringList{"ERROR: setup " + bed.dir.filePath("bad.pwsetup") +
                                              ": slot 2: mark \"X\" is not L, R or none"});
    EXPECT_EQ(view(*dialog, 2), "AB-07L.map l7 R7 R |  L r L | N");
    EXPECT_EQ(dialog->undoStack().count(), 1);

    // A setup of another dialog closes this one, which hands it over.
    pw::test::writeFile(
        bed.dir.filePath("other.pwsetup").toStdString(),
        R"({"format": 1, "layout": "end-to-end", "slots": [{"mark": "none"}, {"mark": "none"}]})");
    ASSERT_TRUE(drop(*dialog, files({bed.dir.filePath("other.pwsetup")})));
    EXPECT_EQ(dialog->result(), ComposerDialog::HandsOverSetup);
    EXPECT_EQ(dialog->handedOverSetup()->setup.layout, Layout::EndToEnd);
}

// A setup passed around must not lead the dialogs to write outside its folder: its output
// there is left out with a word, and no setup the dialogs write holds it.
TEST(SetupFiles, AnOutputOutsideTheSetupsFolderIsLeftOutAndNeverKept) {
    SetupBed bed;
    QDir().mkpath(bed.dir.filePath("downloads"));
    const QString file = bed.dir.filePath("downloads/board.pwsetup");
    pw::test::writeFile(file.toStdString(), R"({"format": 1, "layout": "top-to-bottom",
        "slots": [{"mapSetFile": "AB-07L.map", "mark": "L"}, {"mark": "none"}],
        "output": "../victim.map", "picture": {"file": "board.png"}})");
    auto dialog = bed.openComposer(Layout::TopToBottom, 2);
    bed.prompts.setupAnswer = file;
    control<QAbstractButton>(*dialog, "openSetupButton").click();
    EXPECT_EQ(bed.prompts.messages,
              QStringList{"WARNING: setup " + file +
                          ": output ../victim.map lies outside the setup's folder; the dialogs "
                          "leave it out"});
    bed.prompts.setupAnswer = bed.dir.filePath("downloads/again.pwsetup");
    control<QAbstractButton>(*dialog, "saveSetupButton").click();
    const pw::ReadSetup saved = pw::readSetupFile(bed.prompts.setupAnswer->toStdString());
    ASSERT_TRUE(saved.setup.has_value());
    EXPECT_EQ(saved.setup->output + "|" + saved.setup->picture, "|board.png");
    dialog->reject();
    const std::vector<KeptComposition> kept = recentCompositions(bed.environment);
    ASSERT_EQ(kept.size(), 1);
    const pw::ReadSetup last = pw::readSetupFile(kept.front().path.toStdString());
    ASSERT_TRUE(last.setup.has_value());
    EXPECT_EQ(last.setup->output + "|" + last.setup->picture, "|");
}

TEST(MainDialogSetups, OpenedOnesAreRecentAndOpenTheirComposerFilled) {
    SetupBed bed;
    bed.addMap(MapSet::Emberline, "EM-01L.map", 'e');
    PanelwrightDialog main(bed.environment);
    main.show();
    const auto write = [&](const QString& name, const std::string& layout,
                           const std::string& slots) {
        pw::test::writeFile(bed.dir.filePath(name).toStdString(),
                            R"({"format": 1, "layout": ")" + layout +
                                R"(", "direction": "S", "mapSet": "emberline", "slots": [)" +
                                slots + "]}");
        return bed.dir.filePath(name);
    };
    const std::string slot = R"({"mark": "none"})";
    std::vector<QString> setups;
    for (int i = 1; i <= 9; ++i) {
        setups.push_back(
            write(QStringLiteral("s%1.pwsetup").arg(i), "composite",
                  slot + ("," + slot) + ("," + slot) + ("," + slot) + ("," + slot) + ("," + slot)));
    }
    // Each composer opened is looked at and closed, once it is up.
    QString seen;
    std::function<void()> look = [&] {
        auto* composer = main.findChild<ComposerDialog*>();
        if (composer == nullptr || !composer->isVisible()) {
            QTimer::singleShot(1, look);
            return;
        }
        seen = QStringLiteral("%1 %2 %3 %4")
                   .arg(static_cast<int>(composer->mergeLayout()))
                   .arg(composer->mapCount())
                   .arg(static_cast<int>(composer->mapSet()))
                   .arg(directionIndex(composer->direction()));
        control<QAbstractButton>(*composer, "directionButton").click();
        QTest::keyClick(composer, Qt::Key_Escape);  // keeps the last composition
    };
    const auto lookAndClose = [&] { QTimer::singleShot(0, look); };
    for (const QString& setup : setups) {
        lookAndClose();
        main.openSetupFile(setup);
        EXPECT_EQ(seen, "2 3 1 4");
    }
    EXPECT_EQ(control<QSpinBox>(main, "countSpin").value(), 6);
    EXPECT_TRUE(control<QAbstractButton>(main, "compositeRadio").isChecked() &&
                control<QAbstractButton>(main, "emberlineRadio").isChecked());
    auto& menu = control<QMenu>(main, "setupMenu");
    Q_EMIT menu.aboutToShow();
    QStringList listed;
    for (QAction* action : menu.actions()) {
        listed += action->text();
    }
    EXPECT_EQ(listed.join(","),
              "&Open Setup...,&View Map...,Recent &Compositions,,&1 s9.pwsetup,&2 s8.pwsetup,"
              "&3 s7.pwsetup,"
              "&4 s6.pwsetup,&5 s5.pwsetup,&6 s4.pwsetup,&7 s3.pwsetup,&8 s2.pwsetup");

    const QString sideBySide = write("e.pwsetup", "end-to-end", slot + "," + slot + "," + slot);
    lookAndClose();
    ASSERT_TRUE(drop(main, files({sideBySide})));
    EXPECT_EQ(seen, "1 3 1 4");
    lookAndClose();
    control<QAction>(menu, "recentSetup3").trigger();  // s7, as the menu showed it
    EXPECT_EQ(seen, "2 3 1 4");
    EXPECT_EQ(recentSetups(bed.settings).mid(0, 2), QStringList({setups[6], sideBySide}));
    lookAndClose();  // the File menu reopens what Escape kept, the direction turned
    control<QAction>(menu, "reopenLastAction").trigger();
    EXPECT_EQ(seen, "2 3 1 5");

    const QString bad = write("bad.pwsetup", "composite", slot);
    main.openSetupFile(bad);
    EXPECT_EQ(bed.prompts.errors,
              QStringList{"ERROR: setup " + bad + ": composite takes 4, 6 or 8 slots, not 1"});
    EXPECT_TRUE(control<QAbstractButton>(main, "compositeRadio").isChecked());
    EXPECT_EQ(recentSetups(bed.settings).front(), setups[6]);
}

// Every composition a composer ends with is kept, hand-built or opened: the ten newest,
// newest first, an equal one moved to the top rather than listed twice.
TEST(MainDialogSetups, RecentCompositionsKeepTheHandBuiltOneAndTheTenNewest) {
    SetupBed bed;
    const auto panel = [](int i) { return QStringLiteral("p%1.map").arg(i); };
    for (int i = 1; i <= 9; ++i) {
        bed.addMap(MapSet::Ironfall, panel(i), static_cast<char>('a' + i));
    }
    const auto build = [&](Layout layout, int count, std::vector<int> panels) {
        auto dialog = bed.openComposer(layout, count);
        for (std::size_t slot = 0; slot < panels.size(); ++slot) {
            choose(*dialog, static_cast<int>(slot) + 1, panel(panels[slot]));
        }
        dialog->reject();
    };
    build(Layout::Composite, 4, {1, 2, 3, 4, 5, 6, 7, 8});
    PanelwrightDialog main(bed.environment);
    main.show();
    std::function<void()> escape = [&] {
        auto* composer = main.findChild<ComposerDialog*>();
        if (composer == nullptr || !composer->isVisible()) {
            QTimer::singleShot(1, escape);
            return;
        }
        QTest::keyClick(composer, Qt::Key_Escape);
    };
    const QString setup = bed.dir.filePath("outside/opened.pwsetup");
    pw::test::writeFile(setup.toStdString(), R"({"format": 1, "layout": "top-to-bottom",
        "direction": "S", "slots": [{"mapSetFile": "AB-07L.map", "mark": "L"}, {"mark": "none"}]})");
    QTimer::singleShot(0, escape);
    main.openSetupFile(setup);
    auto& menu = control<QMenu>(main, "setupMenu");
    const auto listed = [&] {
        Q_EMIT menu.aboutToShow();
        QStringList texts;
        for (QAction* action : control<QMenu>(menu, "recentCompositionsMenu").actions()) {
            texts += action->text();
        }
        return texts;
    };
    EXPECT_EQ(listed(), QStringList({"&Reopen Last Composition", "",
                                     "&1 Top-to-Bottom, Ironfall: AB-07L, - (2)",
                                     "&2 Composite, Ironfall: p1, p2, p3, ... (8)"}));
    EXPECT_EQ(control<QAction>(menu, "recentComposition1").toolTip(),
              "AB-07L, -; the top edge faces S");

    for (int i = 1; i <= 9; ++i) {
        build(Layout::EndToEnd, 2, {i});
    }
    QStringList newest = listed();
    EXPECT_EQ(newest.size(), 12) << newest.join('|').toStdString();
    EXPECT_EQ(newest.value(2), "&1 End-to-End, Ironfall: p9, - (2)");
    EXPECT_EQ(newest.value(11), "1&0 Top-to-Bottom, Ironfall: AB-07L, - (2)");
    build(Layout::EndToEnd, 2, {5});  // already kept: moved up, not listed twice
    newest = listed();
    EXPECT_EQ(newest.mid(2, 2), QStringList({"&1 End-to-End, Ironfall: p5, - (2)",
                                             "&2 End-to-End, Ironfall: p9, - (2)"}));
    EXPECT_EQ(newest.value(11), "1&0 Top-to-Bottom, Ironfall: AB-07L, - (2)") << "p5 once";
    EXPECT_EQ(QDir(bed.environment.dataFolder).entryList({"*.pwsetup"}).size(), 10);
}

}  // namespace
}  // namespace pw::gui::test
