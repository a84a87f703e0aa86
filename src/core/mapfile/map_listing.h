// SPDX-License-Identifier: GPL-3.0-or-later
// Where the map-set folders are found and which map files they list.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/mapfile/map_set.h"
#include "core/system/file_system.h"

namespace pw {

// The folders that may hold the map-set folders ("Irfmaps", "Embrmaps"), in the order
// they are searched: beside the executable (unpack and run), the user's data folder
// (~/.local/share/panelwright), then the system data folders: the installation's own
// (<prefix>/share/panelwright beside <prefix>/bin) and the usual ones (/usr/share/panelwright).
// Needs the application object, for the executable's folder.
std::vector<std::string> mapSetRoots();

// The map-set folders of one map set below `roots` that exist and can be searched, in the
// order of the roots. A folder that is there but cannot be read and searched is passed
// over.
std::vector<std::string> mapSetFolders(const std::vector<std::string>& roots, MapSet mapSet);

// One map file as the slot lists offer it. Names and paths are the file system's bytes,
// which need not be UTF-8: shown, they are escaped (escapedName); opened, a name whose
// bytes Qt cannot hold is refused with its reason.
struct ListedMap {
    std::string name;    // the plain file name
    std::string path;    // where Save Map opens it
    std::string folder;  // the map-set folder it was found in
};

// The map files of one map set over all `roots`: the union of their names, sorted
// case-insensitively; a name in an earlier root hides the same name in a later one.
struct MapSetListing {
    // nullopt when no root holds the map-set folder (or none can be searched).
    std::optional<std::vector<ListedMap>> maps;
    // Why each folder that is there was passed over (messages::mapSetFolderUnreadable).
    std::vector<std::string> notes;
};
MapSetListing listMapSet(const std::vector<std::string>& roots, MapSet mapSet);

// The plain names of the regular files (after following links) in a folder whose names
// end in ".map" in any letter case, sorted case-insensitively, or why the folder cannot be
// searched. Only what a name points at is looked at: no file is opened.
FileNames listMapFiles(const std::string& folder);

}  // namespace pw
