// SPDX-License-Identifier: GPL-3.0-or-later
// The map set listed once for every slot list, its legend and Save As folder.
#include "gui/composer/map_set_lists.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/mapfile/map_listing.h"
#include "core/mapfile/map_set.h"
#include "gui/common/dialog_environment.h"
#include "gui/common/saved_file_name.h"
#include "gui/composer/legend_loader.h"
#include "gui/composer/map_list_model.h"
#include "gui/preview/preview_pane.h"

namespace pw::gui {

MapSetLists::MapSetLists(int mapSetIndex, const DialogEnvironment& environment,
                         PreviewPane& preview, QObject& owner)
    : mapSetIndex_(mapSetIndex),
      environment_(environment),
      preview_(preview),
      names_(new MapListModel(&owner)) {}

MapSetLists::~MapSetLists() = default;

bool MapSetLists::fill(QComboBox& list) {
    if (!listed_) {
        listed_ = true;
        std::vector<std::string> notes;
        std::optional<std::vector<ListedMap>> maps =
            listMapSet(environment_.mapSetRoots, mapSetIndex_, &notes);
        // A folder passed over is noted in the preview, as a legend left out is.
        preview_.setListingNotes(notes);
        if (maps) {
            found_ = true;
            // Save As opens in the first of the set's folders while no path is remembered;
            // its legend colours the preview and the panels' pictures.
            const std::vector<std::string> folders =
                mapSetFolders(environment_.mapSetRoots, mapSetIndex_);
            saveFolder_ = folders.empty() ? QString() : QFile::decodeName(folders.front().c_str());
            names_->setMaps(std::move(*maps), {environment_.pictureCacheFolder, saveFolder_});
            // Read off the GUI thread, as the headers are: no file may keep the dialog waiting.
            legendLoader_ = std::make_unique<LegendLoader>(
                saveFolder_, [this](std::optional<Legend> legend, const std::string& note) {
                    preview_.setLegend(std::move(legend), QString::fromStdString(note));
                });
        }
    }
    if (!found_) {
        return false;
    }
    // Each name is opened from the folder it was listed from (MapListModel::PathRole).
    list.setModel(names_);
    list.setCurrentIndex(-1);
    return true;
}

QString MapSetLists::offeredSaveFolder() const {
    // Installed, the bundled map sets are read-only: the user's own folder of the set takes
    // their place, made once it is offered. With a name remembered, Save As opens there.
    if (saveFolder_.isEmpty() || !savedFileName(*environment_.settings).isEmpty() ||
        (environment_.folderWritable ? environment_.folderWritable(saveFolder_)
                                     : QFileInfo(saveFolder_).isWritable())) {
        return saveFolder_;
    }
    const QString own = QDir(environment_.dataFolder)
                            .filePath(QString::fromStdString(mapSetFolderName(mapSetIndex_)));
    return QDir().mkpath(own) ? own : saveFolder_;
}

}  // namespace pw::gui
