// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's file told by its content: a map to the viewer, a setup to its composer.
#include "gui/app/start_file.h"

#include <QFile>

#include "core/common/path_bytes.h"
#include "core/mapfile/map_header.h"
#include "core/setup/setup.h"
#include "gui/app/panelwright_dialog.h"
#include "gui/viewer/map_viewer.h"

namespace pw::gui {

void openStartFile(const std::string& path, const DialogEnvironment& environment,
                   PanelwrightDialog& mainDialog) {
    const std::optional<bool> map = beginsAsMap(path);
    const std::optional<QString> text = qtPath(path);
    if (text && (map ? !*map : path.ends_with(kSetupSuffix))) {
        mainDialog.openSetupFile(*text);
        return;
    }
    MapViewer::open(QFile::decodeName(path.c_str()), environment, &mainDialog);
}

}  // namespace pw::gui
