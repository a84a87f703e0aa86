// SPDX-License-Identifier: GPL-3.0-or-later
// The map sets: their names, folders, dialog captions, tally bases and parsing.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pw {

// The map sets the program knows.
enum class MapSet : std::uint8_t { Ironfall, Emberline };

inline constexpr std::array<MapSet, 2> kMapSets = {MapSet::Ironfall, MapSet::Emberline};

// What a map set is called and where its panels lie.
struct MapSetInfo {
    const char* name;         // "Ironfall"
    const char* folder;       // the map-set folder below the program folder
    const char* dialogTitle;  // caption of the composer dialogs, translated in context "MapSet"
    int base;                 // the map-set base of the tally arithmetic
};

// nullptr for a value that is no map set (one cast from a number).
const MapSetInfo* mapSetInfo(MapSet mapSet);

// "Irfmaps" or "Embrmaps"; empty for a value that is no map set.
std::string mapSetFolderName(MapSet mapSet);

// The map set named in any letter case ("ironfall", "Emberline"); nullopt for any other
// name.
std::optional<MapSet> mapSetFromName(std::string_view name);
// The name the command line and setup files spell: the map set's name in lower case.
std::string mapSetKeyword(MapSet mapSet);

}  // namespace pw
