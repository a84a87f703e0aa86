// SPDX-License-Identifier: GPL-3.0-or-later
// The map sets: their names, folders, dialog captions, tally bases and parsing.
#include "core/mapfile/map_set.h"

#include <QtGlobal>

#include "core/mapfile/names.h"

namespace pw {
namespace {
// In the order of MapSet.
constexpr MapSetInfo kInfos[kMapSets.size()] = {
    {"Ironfall", "Irfmaps", QT_TRANSLATE_NOOP("MapSet", "Ironfall map files selection"), 1251},
    {"Emberline", "Embrmaps", QT_TRANSLATE_NOOP("MapSet", "Embr map files selection"), 1811},
};
}  // namespace

const MapSetInfo* mapSetInfo(MapSet mapSet) {
    const auto index = static_cast<std::size_t>(mapSet);
    return index < kMapSets.size() ? &kInfos[index] : nullptr;
}

std::string mapSetFolderName(MapSet mapSet) {
    const MapSetInfo* info = mapSetInfo(mapSet);
    return info != nullptr ? info->folder : "";
}

std::optional<MapSet> mapSetFromName(std::string_view name) {
    for (MapSet mapSet : kMapSets) {
        if (equalIgnoringCase(name, mapSetInfo(mapSet)->name)) {
            return mapSet;
        }
    }
    return std::nullopt;
}

std::string mapSetKeyword(MapSet mapSet) {
    std::string keyword = mapSetInfo(mapSet)->name;
    for (char& c : keyword) {
        c = asciiLower(c);
    }
    return keyword;
}

}  // namespace pw
