// SPDX-License-Identifier: GPL-3.0-or-later
// The map sets: their names, folders, dialog captions and tally bases.
#include "core/mapfile/map_set.h"

#include <QtGlobal>

#include "core/mapfile/names.h"

namespace pw {
namespace {
constexpr MapSetInfo kMapSets[kMapSetCount] = {
    {"Ironfall", "Irfmaps", QT_TRANSLATE_NOOP("MapSet", "Ironfall map files selection"), 1251},
    {"Emberline", "Embrmaps", QT_TRANSLATE_NOOP("MapSet", "Embr map files selection"), 1811},
};
}

const MapSetInfo* mapSetInfo(int mapSetIndex) {
    if (mapSetIndex < 0 || mapSetIndex >= kMapSetCount) {
        return nullptr;
    }
    return &kMapSets[mapSetIndex];
}

std::string mapSetFolderName(int mapSetIndex) {
    const MapSetInfo* info = mapSetInfo(mapSetIndex);
    return info != nullptr ? info->folder : "";
}

std::optional<int> mapSetFromName(std::string_view name) {
    for (int i = 0; i < kMapSetCount; ++i) {
        if (equalIgnoringCase(name, kMapSets[i].name)) {
            return i;
        }
    }
    return std::nullopt;
}

std::string mapSetKeyword(int mapSetIndex) {
    std::string keyword = mapSetInfo(mapSetIndex)->name;
    for (char& c : keyword) {
        c = asciiLower(c);
    }
    return keyword;
}

}  // namespace pw
