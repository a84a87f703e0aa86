// SPDX-License-Identifier: GPL-3.0-or-later
// F1 in every window asks for that window's page of the user's guide, which the guide
// beside the programs holds at that section; the guide's window reads only the guide's own
// files, names headings as the forge does, and is walked by Tab.

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMenuBar>
#include <QPrinter>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include "gui/app/panelwright_dialog.h"
#include "gui/common/qt_user_prompts.h"
#include "gui/guide/guide_browser.h"
#include "gui/guide/guide_window.h"
#include "gui/print/sheet_preview.h"
#include "gui/viewer/map_viewer.h"
#include "gui_test_bed.h"

namespace pw::gui::test {
namespace {

void pressF1(QWidget& window) {
    QApplication::setActiveWindow(&window);
    QTest::keyClick(&window, Qt::Key_F1);
}

// F1 in the dialog that `opens` runs modally, which then closes.
void pressF1InModal(const std::function<void()>& opens) {
    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            pressF1(*dialog);
            dialog->reject();
        }
    });
    opens();
}

// The heading at the top of the guide's page as shown, as its anchor.
QString anchorShownAtTop(const GuideBrowser& browser) {
    return GuideBrowser::anchorOf(browser.cursorForPosition(QPoint(4, 4)).block().text());
}

// A window as a user reaches it, the page F1 asks for there and the window that asks
// (a short-lived box or print dialog asks through the window it belongs to); whether the
// window's Help menu shows the same entry.
struct Asked {
    QWidget* asker;
    bool helpMenu;
};
using Kept = std::vector<std::unique_ptr<QWidget>>;  // the windows opened, closed at the end
struct WindowPage {
    const char* window;
    const char* page;
    std::function<Asked(GuiTestBed&, PanelwrightDialog&, Kept&)> pressIn;
};
void PrintTo(const WindowPage& each, std::ostream* out) {
    *out << each.window;
}

class UserGuideTest : public ::testing::TestWithParam<WindowPage> {};

TEST_P(UserGuideTest, F1AsksForTheWindowsPageWhichTheGuideShowsAtItsSection) {
    GuiTestBed bed;
    PanelwrightDialog main(bed.environment);
    main.show();
    Kept kept;
    const Asked asked = GetParam().pressIn(bed, main, kept);
    ASSERT_EQ(bed.guidePages.size(), 1);
    EXPECT_EQ(bed.guidePages.front().first, asked.asker);
    const QString page = bed.guidePages.front().second;
    EXPECT_EQ(page, GetParam().page);
    if (asked.helpMenu) {
        QMenu* help = asked.asker->findChild<QMenuBar*>()->actions().last()->menu();
        ASSERT_NE(help, nullptr);
        EXPECT_EQ(help->actions().value(0), asked.asker->findChild<QAction*>("guideAction"));
        EXPECT_EQ(help->actions().value(0)->shortcut(), QKeySequence(Qt::Key_F1));
    }

    GuideWindow guide(installedGuideFolder());
    guide.resize(700, 400);
    guide.show();
    guide.showPage(page);
    QApplication::processEvents();
    EXPECT_FALSE(guide.browser().pageTitle().isEmpty());
    EXPECT_NE(guide.browser().pageTitle(), "No such page") << page.toStdString();
    if (page.contains('#')) {
        EXPECT_EQ(anchorShownAtTop(guide.browser()), page.section('#', 1));
    }
    // A frame named after its page, for a screen reader.
    QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(&guide);
    EXPECT_EQ(frame->role(), QAccessible::Window);
    EXPECT_TRUE(frame->text(QAccessible::Name).startsWith(guide.browser().pageTitle()));
}

QWidget& composer(GuiTestBed& bed, Layout layout, int count, Kept& kept) {
    kept.push_back(bed.openComposer(layout, count));
    return *kept.back();
}

Asked inComposer(GuiTestBed& bed, Layout layout, int count, Kept& kept) {
    QWidget& dialog = composer(bed, layout, count, kept);
    pressF1(dialog);
    return {&dialog, false};
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Windows, UserGuideTest, ::testing::Values(
    WindowPage{"main dialog", "getting-started.md", [](GuiTestBed&, PanelwrightDialog& main, Kept&) {
        pressF1(main);
        return Asked{&main, true};
    }},
    WindowPage{"Top-to-Bottom", "composing.md#top-to-bottom", [](GuiTestBed& bed, PanelwrightDialog&, Kept& kept) {
        return inComposer(bed, Layout::TopToBottom, 2, kept);
    }},
    WindowPage{"End-to-End", "composing.md#end-to-end", [](GuiTestBed& bed, PanelwrightDialog&, Kept& kept) {
        return inComposer(bed, Layout::EndToEnd, 3, kept);
    }},
    WindowPage{"Composite", "composing.md#composite", [](GuiTestBed& bed, PanelwrightDialog&, Kept& kept) {
        return inComposer(bed, Layout::Composite, 2, kept);
    }},
    WindowPage{"map viewer", "map-viewer.md", [](GuiTestBed& bed, PanelwrightDialog&, Kept& kept) {
        bed.addMap(MapSet::Ironfall, "AB-01L.map", '.');
        kept.push_back(std::make_unique<MapViewer>(
            bed.mapSetFolder(MapSet::Ironfall) + "/AB-01L.map", bed.environment));
        kept.back()->show();
        pressF1(*kept.back());
        return Asked{kept.back().get(), true};
    }},
    WindowPage{"About box", "index.md", [](GuiTestBed&, PanelwrightDialog& main, Kept&) {
        pressF1InModal([&main] { main.findChild<QAction*>("aboutAction")->trigger(); });
        return Asked{&main, false};
    }},
    WindowPage{"error box", "troubleshooting.md", [](GuiTestBed& bed, PanelwrightDialog&, Kept& kept) {
        QWidget& owner = composer(bed, Layout::TopToBottom, 2, kept);
        pressF1InModal([&owner] { QtUserPrompts().showError(&owner, "ERROR: x"); });
        return Asked{&owner, false};
    }},
    WindowPage{"print preview", "pictures-and-print.md#printing", [](GuiTestBed& bed, PanelwrightDialog&, Kept& kept) {
        QWidget& owner = composer(bed, Layout::EndToEnd, 2, kept);
        QPrinter printer;
        SheetPreview preview(printer, [](QPrinter*) {}, &owner);
        preview.show();
        pressF1(preview);
        return Asked{&owner, false};
    }}),
    [](const auto& each) { return QString(each.param.window).remove(' ').remove('-').toStdString(); });
// clang-format on

// The one guide window: asked from another window, it moves there and shows the new page.
TEST(UserGuide, OneWindowMovesToTheWindowThatAsks) {
    GuiTestBed bed;
    PanelwrightDialog main(bed.environment);
    auto composer = bed.openComposer(Layout::TopToBottom, 2);
    UserGuide guide(installedGuideFolder());
    guide.open(&main, "index.md");
    GuideWindow* window = guide.window();
    EXPECT_EQ(window->parentWidget(), &main);
    guide.open(composer.get(), "composing.md");
    EXPECT_EQ(guide.window(), window);
    EXPECT_EQ(window->parentWidget(), composer.get());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->browser().source().fileName(), "composing.md");
}

// A guide of its own: a page with links, a repeated heading, a wide picture, and a file
// beside the guide's folder that no link may read.
struct OwnGuide {
    OwnGuide() {
        QDir(dir.path()).mkpath("guide/screenshots");
        write("guide/index.md",
              "# Contents\n\n[Second](seams.md#seam-check-1) [Out](../outside.md)\n\n"
              "![Wide](screenshots/wide.png)\n");
        write("guide/seams.md", "# Seams\n\n" + QString("Text.\n\n").repeated(40) +
                                    "## Seam check\n\n" + QString("Text.\n\n").repeated(40) +
                                    "## Seam check\n\n" + QString("Text.\n\n").repeated(40));
        write("outside.md", "# Outside\n");
        QImage(1200, 10, QImage::Format_RGB32).save(dir.filePath("guide/screenshots/wide.png"));
    }
    void write(const QString& name, const QString& text) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    }
    QUrl url(const QString& name) const { return QUrl::fromLocalFile(dir.filePath(name)); }
    QTemporaryDir dir;
};

TEST(GuideBrowser, TabReachesALinkEnterFollowsItToItsHeadingAndNothingOutsideIsRead) {
    OwnGuide own;
    GuideWindow window(own.dir.filePath("guide"));
    window.resize(700, 400);
    window.show();
    window.showPage("index.md");
    GuideBrowser& browser = window.browser();
    QApplication::setActiveWindow(&window);
    EXPECT_EQ(browser.loadResource(QTextDocument::ImageResource, QUrl("screenshots/wide.png"))
                  .value<QImage>()
                  .width(),
              800);
    QTest::keyClick(&browser, Qt::Key_Tab);
    EXPECT_EQ(browser.textCursor().charFormat().anchorHref(), "seams.md#seam-check-1");
    QTest::keyClick(&browser, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(browser.source().fileName(), "seams.md");
    EXPECT_EQ(window.windowTitle(), "Seams - Boardsmith User's Guide");
    const QTextBlock top = browser.cursorForPosition(QPoint(4, 4)).block();
    EXPECT_EQ(top.text(), "Seam check");
    EXPECT_GT(top.blockNumber(), browser.document()->find("Seam check").blockNumber())
        << "the second heading of the name, not the first";
    browser.setSource(own.url("guide/../outside.md"));
    EXPECT_EQ(browser.pageTitle(), "No such page");
    browser.setSource(own.url("guide/missing.md"));
    EXPECT_EQ(browser.pageTitle(), "No such page");
}

TEST(GuideBrowser, HeadingsAreAnchoredAsTheForgeNamesThem) {
    for (const auto& [heading, anchor] :
         {std::pair("Top-to-Bottom", "top-to-bottom"),
          {"Setups: keeping a composition", "setups-keeping-a-composition"},
          {"Batch runs: run", "batch-runs-run"},
          {"Pictures & print", "pictures--print"},
          {"F1 in the guide_window", "f1-in-the-guide_window"},
          {"Über „Karten“", "über-karten"}}) {
        EXPECT_EQ(GuideBrowser::anchorOf(heading), QString(anchor)) << heading;
    }
}

}  // namespace
}  // namespace pw::gui::test
