// SPDX-License-Identifier: GPL-3.0-or-later
// panelwright-preview-bench: how fast the composer dialogs' preview and opening are.
//
//   panelwright-preview-bench [--runs N]
//       (a) the preview update for Composite of eight 999 by 999 panels with three layers:
//           the join in memory plus the drawing, and a direction click in the dialog, its
//           window at 1600 by 1000, until its preview is up to date; medians of N runs
//           (default 5);
//       (b) opening the Composite dialog (eight slots) with 1,000 map files in the map-set
//           folder, until its first paint, median of N runs, first with no panel picture
//           kept and then with all kept; then, for each, how long until every file was read
//           through whole and every picture was there, and the longest the dialog went
//           without handling events meanwhile.
//   panelwright-preview-bench --show top|end|composite COUNT MAPSET [NAME...]
//       opens the main dialog and a composer dialog with NAMEs chosen slot by slot from
//       the bundled map sets ("A>B": A, then B), prints READY once the preview is drawn and
//       stays up for a few seconds: for screenshots. PANELWRIGHT_SHOW_LIST=N opens slot N's
//       list, PANELWRIGHT_SHOW_DROP=N lights slot N up as if slot 1 were dragged over it.
//
// Runs on any Qt platform; use QT_QPA_PLATFORM=offscreen for the figures.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "core/mapfile/map_listing.h"
#include "core/mapfile/map_set.h"
#include "gui/app/panelwright_dialog.h"
#include "gui/common/qt_user_prompts.h"
#include "gui/composer/composer_dialog.h"
#include "gui/composer/map_list_model.h"
#include "gui/composer/slot_drops.h"
#include "gui/preview/preview_pane.h"
#include "jobs/preview_job.h"
#include "render/picture_drawer.h"

namespace {

using namespace pw;
using namespace pw::gui;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A map of `side` by `side` cells with varied terrain, three layers and a few labels.
void writeMap(const std::string& path, int side, char seed) {
    std::ofstream out(path, std::ios::binary);
    out << "2\r\n" << side << ' ' << side << " 3037\r\n";
    out << "0 10 20 30 40 50 60 70 80 90 100 110 120 130 -1\r\n0 4\r\n";
    const std::string terrain = ".,T^~=+#";
    std::string row(static_cast<std::size_t>(side), ' ');
    for (int grid = 0; grid < 2; ++grid) {
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                row[static_cast<std::size_t>(x)] =
                    terrain[static_cast<std::size_t>((x / 7 + y / 5 + seed + grid) % 8)];
            }
            out << row << "\r\n";
        }
    }
    for (const char letter : std::string("abc")) {
        out << letter << "\r\n";
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                row[static_cast<std::size_t>(x)] = (x * 3 + y + letter) % 11 == 0 ? letter : ' ';
            }
            out << row << "\r\n";
        }
    }
    out << "x\r\n";
    for (int i = 0; i < 20; ++i) {
        out << (i * 37) % side << ".50 " << (i * 53) % side << " Place " << i << "\r\n";
    }
}

void waitUntil(const std::function<bool()>& done) {
    // Sleeps between looks, so that the waiting does not take a core from the preview.
    while (!done()) {
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
}

void choose(QWidget& dialog, int slot, const QString& name) {
    auto* list = dialog.findChild<QComboBox*>(QStringLiteral("mapList%1").arg(slot));
    list->setCurrentIndex(list->findText(name));
}

void measurePreview(int runs) {
    QTemporaryDir root;
    const QString folder =
        QDir(root.path()).filePath(QString::fromStdString(mapSetFolderName(MapSet::Ironfall)));
    QDir().mkpath(folder);
    MergeRequest request;
    request.layout = Layout::Composite;
    for (int slot = 0; slot < 8; ++slot) {
        const std::string name =
            "BIG-0" + std::to_string(slot + 1) + (slot % 2 ? "R" : "L") + ".map";
        writeMap(QDir(folder).filePath(QString::fromStdString(name)).toStdString(), 999,
                 static_cast<char>(slot));
        request.slots.push_back({name,
                                 QDir(folder).filePath(QString::fromStdString(name)).toStdString(),
                                 slot % 2 ? Mark::R : Mark::L});
    }
    std::vector<double> build;
    for (int run = 0; run < runs; ++run) {
        PreviewJob job;
        job.picture = {request, joinedMapPicture(), std::nullopt};
        job.picture.request.direction = *directionFromIndex(run % kDirectionCount);
        QElapsedTimer timer;
        timer.start();
        const PreviewResult result = buildPreview(job);
        build.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        if (result.image.isNull()) {
            std::printf("preview failed: %s\n",
                        result.problem ? result.problem->message.c_str() : "cancelled");
            return;
        }
    }
    std::printf("(a) preview of Composite 8 x 999x999, join + render: median %.0f ms\n",
                median(build));
    std::vector<double> joins, renders, indexes;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const JoinedMap joined = joinInMemory(request);
        joins.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        timer.start();
        RenderOptions options;
        (void)renderMap(MapSource::bytes(joined.bytes, "x"), options);
        renders.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        timer.start();
        const CellIndex cells(joined.bytes);
        indexes.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("    join %.0f ms, render %.0f ms, cell index %.0f ms\n", median(joins),
                median(renders), median(indexes));

    QtUserPrompts prompts;
    QSettings settings(QDir(root.path()).filePath(QStringLiteral("settings.ini")),
                       QSettings::IniFormat);
    // The last composition goes into the bench's own folder, never the user's.
    const DialogEnvironment environment{&prompts,
                                        &settings,
                                        {root.path().toStdString()},
                                        root.path(),
                                        QDir(root.path()).filePath(QStringLiteral("pictures")),
                                        {},
                                        {}};
    auto dialog =
        std::make_unique<ComposerDialog>(Layout::Composite, 4, MapSet::Ironfall, environment);
    dialog->show();
    dialog->resize(1600, 1000);  // a maximised window on a screen of 1600 by 1000
    for (int slot = 0; slot < 8; ++slot) {
        choose(*dialog, slot + 1,
               QString::fromStdString(request.slots[static_cast<std::size_t>(slot)].name));
    }
    auto* preview = dialog->findChild<PreviewPane*>();
    waitUntil([&] { return preview->upToDate(); });
    std::vector<double> clicks;
    auto* direction = dialog->findChild<QAbstractButton*>(QStringLiteral("directionButton"));
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        direction->click();
        waitUntil([&] { return preview->upToDate(); });
        clicks.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("(a) direction click to an up-to-date preview in the dialog: median %.0f ms\n",
                median(clicks));
}

void measureOpening(int runs) {
    QTemporaryDir root;
    const QString folder =
        QDir(root.path()).filePath(QString::fromStdString(mapSetFolderName(MapSet::Ironfall)));
    QDir().mkpath(folder);
    for (int i = 0; i < 1000; ++i) {
        writeMap(QDir(folder)
                     .filePath(QStringLiteral("AB-%1%2.map")
                                   .arg(i, 3, 10, QLatin1Char('0'))
                                   .arg(i % 2 ? 'R' : 'L'))
                     .toStdString(),
                 32 + i % 3, static_cast<char>(i));
    }
    QtUserPrompts prompts;
    QSettings settings(QDir(root.path()).filePath(QStringLiteral("settings.ini")),
                       QSettings::IniFormat);
    // The last composition and the pictures go into the bench's own folder, never the user's.
    const QString pictures = QDir(root.path()).filePath(QStringLiteral("pictures"));
    const DialogEnvironment environment{
        &prompts, &settings, {root.path().toStdString()}, root.path(), pictures, {}, {}};
    for (const bool kept : {false, true}) {
        if (kept) {  // every picture drawn so far is kept once they all are written
            auto dialog = std::make_unique<ComposerDialog>(Layout::Composite, 4, MapSet::Ironfall,
                                                           environment);
            dialog->show();
            waitUntil([&] { return QDir(pictures).entryList(QDir::Files).size() >= 1000; });
        }
        std::vector<double> openings;
        for (int run = 0; run < runs; ++run) {
            if (!kept) {
                QDir(pictures).removeRecursively();
            }
            QElapsedTimer timer;
            timer.start();
            auto dialog = std::make_unique<ComposerDialog>(Layout::Composite, 4, MapSet::Ironfall,
                                                           environment);
            dialog->show();
            QCoreApplication::processEvents();  // the first paint
            openings.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
            if (dialog->findChild<QComboBox*>(QStringLiteral("mapList8"))->count() != 1000) {
                std::printf("the slot lists are not complete\n");
            }
        }
        std::printf("(b) Composite dialog opening with 1,000 map files, %s: median %.0f ms\n",
                    kept ? "every picture kept" : "no picture kept", median(openings));

        // Responsive while the files are read through and the pictures drawn: the longest
        // turn of the event loop.
        if (!kept) {
            QDir(pictures).removeRecursively();
        }
        auto dialog =
            std::make_unique<ComposerDialog>(Layout::Composite, 4, MapSet::Ironfall, environment);
        dialog->show();
        const auto* names = dynamic_cast<const MapListModel*>(
            dialog->findChild<QComboBox*>(QStringLiteral("mapList1"))->model());
        QElapsedTimer whole;
        whole.start();
        qint64 longest = 0;
        qint64 last = 0;
        qint64 wholeAt = -1;
        qint64 picturesAt = -1;
        while (wholeAt < 0 || picturesAt < 0) {
            QCoreApplication::processEvents();
            longest = std::max(longest, whole.elapsed() - last);
            last = whole.elapsed();
            wholeAt = wholeAt < 0 && names->wholeChecked() ? last : wholeAt;
            picturesAt = picturesAt < 0 && names->picturesDone() ? last : picturesAt;
            QThread::msleep(1);
        }
        std::printf(
            "    all read through whole after %lld ms, every picture there after %lld ms; "
            "longest pause of the dialog %lld ms\n",
            static_cast<long long>(wholeAt), static_cast<long long>(picturesAt),
            static_cast<long long>(longest));
    }
}

int showForScreenshot(const QStringList& arguments) {
    const QString kind = arguments.value(0);
    const Layout layout = kind == "top"   ? Layout::TopToBottom
                          : kind == "end" ? Layout::EndToEnd
                                          : Layout::Composite;
    QtUserPrompts prompts;
    QTemporaryDir settingsDir;
    QSettings settings(settingsDir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    const DialogEnvironment environment{&prompts,
                                        &settings,
                                        mapSetRoots(),
                                        settingsDir.path(),
                                        settingsDir.filePath(QStringLiteral("pictures")),
                                        {},
                                        {}};
    PanelwrightDialog main(environment);
    if (arguments.value(2) == "1") {
        main.findChild<QAbstractButton*>(QStringLiteral("emberlineRadio"))->click();
    }
    main.move(10, 10);
    main.show();
    const MapSet mapSet = arguments.value(2) == "1" ? MapSet::Emberline : MapSet::Ironfall;
    auto dialog = std::make_unique<ComposerDialog>(layout, arguments.value(1).toInt(), mapSet,
                                                   environment, &main);
    dialog->show();
    // "A>B" chooses A, then B: a name without a mark then keeps A's.
    for (int slot = 1; slot + 2 < arguments.size(); ++slot) {
        for (const QString& name : arguments[slot + 2].split(QLatin1Char('>'))) {
            choose(*dialog, slot, name);
        }
    }
    auto* preview = dialog->findChild<PreviewPane*>();
    waitUntil([&] { return preview->upToDate(); });
    // Beside the main dialog where the screen has room for it, else over it.
    const QRect screen = dialog->screen()->availableGeometry();
    const QPoint beside(main.frameGeometry().right() + 20, 10);
    dialog->move(beside.x() + dialog->frameGeometry().width() <= screen.right() ? beside
                                                                                : screen.topLeft());
    // PANELWRIGHT_SHOW_MAXIMIZED=1 maximises the composer dialog.
    if (qEnvironmentVariableIntValue("PANELWRIGHT_SHOW_MAXIMIZED") == 1) {
        dialog->showMaximized();
    }
    // PANELWRIGHT_SHOW_LIST=N opens slot N's drop-down, to show its fit marks.
    if (const int open = qEnvironmentVariableIntValue("PANELWRIGHT_SHOW_LIST"); open > 0) {
        QTimer::singleShot(300, [&dialog, open] {
            dialog->findChild<QComboBox*>(QStringLiteral("mapList%1").arg(open))->showPopup();
        });
    }
    // PANELWRIGHT_SHOW_DROP=N shows slot N lit up as slot 1 is dragged over it.
    std::unique_ptr<QMimeData> dragged(SlotDrops::slotDrag(0));
    if (const int over = qEnvironmentVariableIntValue("PANELWRIGHT_SHOW_DROP"); over > 0) {
        QTimer::singleShot(300, [&dialog, &dragged, over] {
            QDragEnterEvent enter({5, 5}, Qt::MoveAction, dragged.get(), Qt::LeftButton,
                                  Qt::NoModifier);
            QCoreApplication::sendEvent(
                dialog->findChild<QComboBox*>(QStringLiteral("mapList%1").arg(over)), &enter);
        });
    }
    QTimer::singleShot(500, [&dialog] {
        // Where the composer dialog is, in screen pixels, for cropping a screenshot.
        const QRect frame = dialog->frameGeometry();
        const qreal ratio = dialog->devicePixelRatioF();
        std::printf("READY %dx%d+%d+%d\n", qRound(frame.width() * ratio),
                    qRound(frame.height() * ratio), qRound(frame.x() * ratio),
                    qRound(frame.y() * ratio));
        std::fflush(stdout);
    });
    QTimer::singleShot(6000, [] { QCoreApplication::quit(); });
    return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.value(0) == "--show") {
        return showForScreenshot(arguments.mid(1));
    }
    const int runs = arguments.value(0) == "--runs" ? std::max(1, arguments.value(1).toInt()) : 5;
    measurePreview(runs);
    measureOpening(runs);
    return 0;
}
