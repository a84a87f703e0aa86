// SPDX-License-Identifier: GPL-3.0-or-later
// Where a setup's paths lead, and how a setup names its files.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/assembly/merge_request.h"
#include "core/setup/setup.h"

namespace pw {

// Where a setup's paths lead. A setup names a file relative to its own folder when the
// file lies below that folder, so that a folder of setups and panels moves as a whole;
// otherwise a panel by its map-set file name when the map-set folders find that very file
// under that name, so that a setup works wherever the map sets are installed; otherwise by
// its absolute path.
class SetupPlaces {
  public:
    // `setupPath` is the setup file's path; `roots` where map-set folders are looked for.
    SetupPlaces(const std::string& setupPath, std::vector<std::string> roots);

    // How the setup names the panel at `path` of map set `mapSetIndex` ("" for none).
    SetupSlot placePanel(const std::string& path, int mapSetIndex, char mark) const;
    // How the setup names an output file (a map, a picture).
    std::string placeFile(const std::string& path) const;

    // The path of a panel the setup names; nullopt for a map-set file name that no map-set
    // folder holds, and for an empty slot.
    std::optional<std::string> findPanel(const SetupSlot& slot, int mapSetIndex) const;
    // The path of a file the setup names relative to its folder or absolutely.
    std::string resolveFile(const std::string& stored) const;

    // The composition as a merge request. Each slot is named as the setup writes it; a
    // panel that cannot be found is opened where it would have been, so that the merge
    // reports it as Save Map reports any file it cannot open.
    MergeRequest request(const Setup& setup) const;
    // The first path of a composition that a setup cannot name, escaped: a setup holds
    // names as text, and one whose bytes are not UTF-8 would name another file.
    static std::optional<std::string> unnameable(const MergeRequest& request,
                                                 const std::string& output,
                                                 const std::string& picture);
    // The setup of a composition; `output` and `picture` may be empty.
    Setup setupOf(const MergeRequest& request, const std::string& output,
                  const std::string& picture) const;

  private:
    std::string mapSetFolder(const std::string& root, int mapSetIndex) const;

    std::string folder_;  // the setup's own folder, absolute and clean
    std::vector<std::string> roots_;
};

}  // namespace pw
