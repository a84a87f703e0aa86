// SPDX-License-Identifier: GPL-3.0-or-later
// The map viewer's window: its menu, its preview of the file and the legend it is drawn in.
#include "gui/viewer/map_viewer.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

#include "core/common/path_bytes.h"
#include "core/common/translated_text.h"
#include "core/mapfile/map_listing.h"
#include "gui/common/dialog_texts.h"
#include "gui/common/guide_key.h"
#include "gui/common/guide_pages.h"
#include "gui/common/saved_file_name.h"
#include "gui/common/user_prompts.h"
#include "gui/composer/legend_loader.h"
#include "gui/preview/preview_pane.h"
#include "gui/print/map_printing.h"
#include "jobs/picture_drawing.h"
#include "jobs/picture_job.h"
#include "jobs/single_map.h"
#include "render/legend.h"

namespace pw::gui {
namespace {

bool holdsLegend(const QString& folder) {
    return QFileInfo(QDir(folder).filePath(QString::fromLatin1(Legend::kFileName))).isFile();
}

// Where the legend of the map at `path` lies: beside it, else, for a file in a folder named
// as a map set's (a user's own Irfmaps), in the first of that set's folders that has one;
// empty for none.
QString legendFolderOf(const QString& path, const std::vector<std::string>& roots) {
    const QDir folder = QFileInfo(path).absoluteDir();
    if (holdsLegend(folder.path())) {
        return folder.path();
    }
    for (const MapSet mapSet : kMapSets) {
        if (folder.dirName() != QString::fromStdString(mapSetFolderName(mapSet))) {
            continue;
        }
        for (const std::string& setFolder : mapSetFolders(roots, mapSet)) {
            const QString candidate = QFile::decodeName(setFolder.c_str());
            if (holdsLegend(candidate)) {
                return candidate;
            }
        }
    }
    return {};
}

}  // namespace

MapViewer::MapViewer(const QString& path, const DialogEnvironment& environment, QWidget* parent)
    : QWidget(parent, Qt::Window), pane_(new PreviewPane(*environment.prompts, this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("mapViewer"));
    const std::string name =
        escapedName(QFile::encodeName(QFileInfo(path).fileName()).toStdString());
    setWindowTitle(QString::fromStdString(filled(tr("%1 - Boardsmith"), {name})));

    auto* menuBar = new QMenuBar(this);
    fileMenu_ = menuBar->addMenu(DialogTexts::setupMenu());
    QAction* print = fileMenu_->addAction(tr("&Print..."));
    print->setObjectName(QStringLiteral("viewerPrintAction"));
    print->setShortcut(QKeySequence::Print);
    connect(print, &QAction::triggered, this, [this, path, name, &prompts = *environment.prompts] {
        // The sheets of the file itself, in the colours and with the choices shown.
        const PictureJob job = pane_->pictureJob();
        MapSource source = MapSource::file(QFile::encodeName(path).toStdString());
        source.name = name;
        printMap(this, source, renderOptionsOf(job.choice, job.legend),
                 job.choice.file.print.cellMm, prompts);
    });
    QAction* close = fileMenu_->addAction(tr("&Close"));
    close->setObjectName(QStringLiteral("viewerCloseAction"));
    close->setShortcut(QKeySequence::Close);
    connect(close, &QAction::triggered, this, &QWidget::close);
    offerGuide(*this, environment, QString::fromLatin1(guide::kMapViewer),
               menuBar->addMenu(DialogTexts::helpMenu()));

    auto* column = new QVBoxLayout(this);
    column->setMenuBar(menuBar);
    column->addWidget(pane_);
    // One map meets no other: there is no junction to fix up and no seam to check.
    for (const QString& joinedOnly :
         {QStringLiteral("previewFixUps"), QStringLiteral("previewSeamCheck")}) {
        if (auto* box = pane_->findChild<QCheckBox*>(joinedOnly)) {
            box->setChecked(false);
            box->hide();
        }
    }
    pane_->setKeysHint(
        tr("Wheel or + and - zoom, drag or arrow keys pan, double-click, 0 or "
           "Home fits. Ctrl+W closes the viewer"));
    pane_->setImageNameSource([path] { return path; });
    const QString legendFolder = legendFolderOf(path, environment.mapSetRoots);
    if (!legendFolder.isEmpty()) {
        legendLoader_ = std::make_unique<LegendLoader>(
            legendFolder, [this](std::optional<Legend> legend, const std::string& note) {
                pane_->setLegend(std::move(legend), QString::fromStdString(note));
            });
    }
    pane_->showRequest(singleMapRequest({name, QFile::encodeName(path).toStdString(), {}}));
    const QSize room = screen() != nullptr ? screen()->availableSize() : QSize(1024, 768);
    resize(QSize(960, 720).boundedTo(room * 9 / 10));
}

MapViewer::~MapViewer() = default;

MapViewer* MapViewer::open(const QString& path, const DialogEnvironment& environment,
                           QWidget* parent) {
    auto* viewer = new MapViewer(path, environment, parent);
    viewer->show();
    return viewer;
}

MapViewer* MapViewer::askAndOpen(const DialogEnvironment& environment, QWidget* parent) {
    QString start = QFileInfo(savedFileName(*environment.settings)).path();
    if (savedFileName(*environment.settings).isEmpty()) {
        const std::vector<std::string> folders =
            mapSetFolders(environment.mapSetRoots, MapSet::Ironfall);
        start = folders.empty() ? QString() : QFile::decodeName(folders.front().c_str());
    }
    const std::optional<QString> path = environment.prompts->askMapPath(parent, start);
    return path ? open(*path, environment, parent) : nullptr;
}

}  // namespace pw::gui
