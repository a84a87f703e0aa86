#include "core/mapfile/map_set.h"

namespace pw {
namespace {
constexpr MapSetInfo kMapSets[kMapSetCount] = {
    {"Ironfall", "Irfmaps", "Ironfall map files selection", 1251},
    {"Emberline", "Embrmaps", "Embr map files selection", 1811},
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

}  // namespace pw
