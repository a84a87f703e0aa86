// SPDX-License-Identifier: GPL-3.0-or-later
// The map sets: their names, folders, dialog captions and tally bases.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pw {

// The per-map-set table: index 0 is Ironfall, 1 is Emberline.
struct MapSetInfo {
    const char* name;         // "Ironfall"
    const char* folder;       // the map-set folder below the program folder
    const char* dialogTitle;  // caption of the composer dialogs, translated in context "MapSet"
    int base;                 // the map-set base of the tally arithmetic
};

constexpr int kMapSetCount = 2;

// nullptr for an index other than 0 or 1.
const MapSetInfo* mapSetInfo(int mapSetIndex);

// "Irfmaps" or "Embrmaps"; empty for any other index.
std::string mapSetFolderName(int mapSetIndex);

// The index of a map set named in any letter case ("ironfall", "Emberline"); nullopt for
// any other name.
std::optional<int> mapSetFromName(std::string_view name);
// The name the command line and setup files spell: the map set's name in lower case.
std::string mapSetKeyword(int mapSetIndex);

}  // namespace pw
