// SPDX-License-Identifier: GPL-3.0-or-later
// A setup turned into a composition, and a composition into a setup.
#include "gui/composer/setup_composition.h"

#include <QFileInfo>

#include "core/mapfile/map_file_name.h"
#include "core/setup/setup_places.h"
#include "core/system/file_place.h"
#include "gui/composer/map_list_model.h"

namespace pw::gui {

Composition compositionOfSetup(const OpenedSetup& opened, const std::vector<std::string>& roots,
                               MapListModel& maps, bool keepsMarks) {
    const Setup& setup = opened.setup;
    const SetupPlaces places(opened.path.toStdString(), roots);
    const MergeRequest request = places.request(setup);
    Composition composition;
    composition.direction = setup.direction;
    for (std::size_t i = 0; i < setup.slots.size(); ++i) {
        const SetupSlot& slot = setup.slots[i];
        SlotState state;
        const std::optional<std::string> path = places.findPanel(slot, setup.mapSetIndex);
        const int row = path ? maps.rowForFile(QString::fromStdString(*path)) : -1;
        if (row >= 0) {
            state = chooseMap(state, row, maps.fileName(row), keepsMarks);
        } else if (slot.place != PanelPlace::None) {
            state.missing = slot;
            state.missingPath = QString::fromStdString(request.slots[i].path);
        }
        // The slot holds the setup's mark, which may differ from its name's; the label of
        // that side shows the name's number.
        if (keepsMarks && state.mark != slot.mark) {
            const std::string name =
                QFileInfo(QString::fromStdString(slot.panel)).fileName().toStdString();
            const QString number =
                QString::fromStdString(parseMapFileName(name).numberLabel.value_or(std::string()));
            state.mark = slot.mark;
            state.markFrom = QFileInfo(opened.path).fileName();
            state.shown = slot.mark;
            if (slot.mark == 'L') {
                state.leftText = number;
            } else if (slot.mark == 'R') {
                state.rightText = number;
            }
        }
        composition.slots.push_back(std::move(state));
    }
    return composition;
}

std::string setupFileWithin(const OpenedSetup& opened, const std::string& stored) {
    if (stored.empty()) {
        return {};
    }
    const std::string setupPath = opened.path.toStdString();
    const std::string folder = placeOf(folderOf(setupPath)).path;
    // Where run would write, and the path the dialogs keep, which a later setup names:
    // both must lie there.
    const std::string path = SetupPlaces(setupPath, {}).resolveFile(stored);
    const bool within = liesWithin(placeOf(pathFrom(folderOf(setupPath), stored)), folder) &&
                        liesWithin(placeOf(path), folder);
    return within ? path : std::string();
}

Setup setupOfComposition(const Composition& composition, const MergeRequest& request,
                         const std::string& setupPath, const std::vector<std::string>& roots,
                         const std::string& output, const std::string& picture) {
    const SetupPlaces places(setupPath, roots);
    Setup setup = places.setupOf(request, output, picture);
    // A map-set name that no folder holds now stays a name, for a folder that may hold it later.
    for (std::size_t i = 0; i < setup.slots.size(); ++i) {
        const std::optional<SetupSlot>& missing = composition.slots[i].missing;
        if (missing && missing->place == PanelPlace::MapSet) {
            setup.slots[i] = {PanelPlace::MapSet, missing->panel, setup.slots[i].mark};
        }
    }
    return setup;
}

}  // namespace pw::gui
