// SPDX-License-Identifier: GPL-3.0-or-later
// A setup turned into a composition, and a composition into a setup.
#pragma once

#include <string>
#include <vector>

#include "core/assembly/merge_request.h"
#include "gui/common/setup_files.h"
#include "gui/composer/composition.h"

namespace pw::gui {

class MapListModel;

// What a setup fills into a composer dialog: each panel chosen in its slot as the user
// would choose it (a file outside the map-set folders is added to the lists), then given
// the mark the setup keeps for it. A panel that cannot be found leaves its slot empty and
// is named where the preview and Save Map name files they cannot open.
Composition compositionOfSetup(const OpenedSetup& opened, const std::vector<std::string>& roots,
                               MapListModel& maps, bool keepsMarks);

// The file that an opened setup names as its output or picture (`stored`), absolute; empty
// when it names none or one outside the setup's folder (links followed, as run decides it).
std::string setupFileWithin(const OpenedSetup& opened, const std::string& stored);

// The setup of a dialog's composition, whose merge request is `request`, to be written to
// `setupPath`; `output` and `picture` (absolute, or empty) are kept from an opened setup.
Setup setupOfComposition(const Composition& composition, const MergeRequest& request,
                         const std::string& setupPath, const std::vector<std::string>& roots,
                         const std::string& output, const std::string& picture);

}  // namespace pw::gui
