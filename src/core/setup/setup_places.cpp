// SPDX-License-Identifier: GPL-3.0-or-later
// Where a setup's paths lead, and how a setup names its files.
#include "core/setup/setup_places.h"

#include <filesystem>

#include "core/common/path_bytes.h"
#include "core/mapfile/map_set.h"
#include "core/system/file_place.h"

namespace pw {
namespace {

// A path made absolute from the current folder, ".", ".." and doubled slashes taken out
// by its text, as the setup names files by their text.
std::string absoluteClean(const std::string& path) {
    std::error_code failed;
    std::string clean =
        std::filesystem::absolute(std::filesystem::path(path), failed).lexically_normal().string();
    if (clean.size() > 1 && clean.ends_with('/')) {
        clean.pop_back();
    }
    return clean;
}

}  // namespace

SetupPlaces::SetupPlaces(const std::string& setupPath, std::vector<std::string> roots)
    : folder_(absoluteClean(folderOf(setupPath))), roots_(std::move(roots)) {}

std::string SetupPlaces::mapSetFolder(const std::string& root, int mapSetIndex) const {
    return pathFrom(root, mapSetFolderName(mapSetIndex));
}

std::string SetupPlaces::placeFile(const std::string& path) const {
    const std::string file = absoluteClean(path);
    const std::string below = folder_ == "/" ? folder_ : folder_ + "/";
    if (file.starts_with(below) && file.size() > below.size()) {
        return file.substr(below.size());
    }
    return file;
}

SetupSlot SetupPlaces::placePanel(const std::string& path, int mapSetIndex, char mark) const {
    if (path.empty()) {
        return {PanelPlace::None, {}, mark};
    }
    std::string placed = placeFile(path);
    if (placed.starts_with('/')) {
        const SetupSlot byName{PanelPlace::MapSet, std::string(fileNameOf(placed)), mark};
        const std::optional<std::string> found = findPanel(byName, mapSetIndex);
        if (found && isSameFile(*found, placed)) {
            return byName;
        }
    }
    return {PanelPlace::File, std::move(placed), mark};
}

std::optional<std::string> SetupPlaces::findPanel(const SetupSlot& slot, int mapSetIndex) const {
    switch (slot.place) {
        case PanelPlace::None:
            return std::nullopt;
        case PanelPlace::File:
            return resolveFile(slot.panel);
        case PanelPlace::MapSet:
            break;
    }
    // The first map-set folder that holds the name, as the slot lists pick it.
    for (const std::string& root : roots_) {
        const std::string candidate = pathFrom(mapSetFolder(root, mapSetIndex), slot.panel);
        if (placeOf(candidate).regular) {
            return absoluteClean(candidate);
        }
    }
    return std::nullopt;
}

std::string SetupPlaces::resolveFile(const std::string& stored) const {
    return absoluteClean(pathFrom(folder_, stored));
}

MergeRequest SetupPlaces::request(const Setup& setup) const {
    MergeRequest merge{setup.layout, setup.mapSetIndex, setup.direction, {}};
    for (const SetupSlot& slot : setup.slots) {
        std::string path;
        if (slot.place != PanelPlace::None) {
            const std::string nowhere =
                roots_.empty()
                    ? slot.panel
                    : pathFrom(mapSetFolder(roots_.front(), setup.mapSetIndex), slot.panel);
            path = findPanel(slot, setup.mapSetIndex).value_or(nowhere);
        }
        merge.slots.push_back({escapedName(slot.panel), std::move(path), slot.mark});
    }
    return merge;
}

std::optional<std::string> SetupPlaces::unnameable(const MergeRequest& request,
                                                   const std::string& output,
                                                   const std::string& picture) {
    std::vector<std::string> paths{output, picture};
    for (const SourceSlot& slot : request.slots) {
        paths.push_back(slot.path);
    }
    for (const std::string& path : paths) {
        if (!pathRoundTrips(path)) {
            return escapedName(path);
        }
    }
    return std::nullopt;
}

Setup SetupPlaces::setupOf(const MergeRequest& request, const std::string& output,
                           const std::string& picture) const {
    Setup setup{request.layout, request.mapSetIndex, request.direction, {}, {}, {}, {}};
    for (const SourceSlot& slot : request.slots) {
        // A layout without junctions ignores marks; its setups keep none.
        const char mark = consultsMarks(request.layout) ? slot.mark : ' ';
        setup.slots.push_back(placePanel(slot.path, request.mapSetIndex, mark));
    }
    setup.output = output.empty() ? "" : placeFile(output);
    setup.picture = picture.empty() ? "" : placeFile(picture);
    return setup;
}

}  // namespace pw
