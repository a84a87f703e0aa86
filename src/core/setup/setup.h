// SPDX-License-Identifier: GPL-3.0-or-later
// A setup: what a setup file holds, as one value.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/assembly/layout.h"
#include "core/mapfile/direction.h"
#include "core/mapfile/map_set.h"
#include "core/mapfile/mark.h"

namespace pw {

// The setup file format this version writes and the newest it reads.
inline constexpr int kSetupFormat = 1;
// A setup file's suffix, as the dialogs offer and the desktop knows it.
inline constexpr char kSetupSuffix[] = ".pwsetup";

// How a setup names a slot's panel.
enum class PanelPlace {
    None,    // nothing chosen in the slot
    File,    // a path relative to the setup's folder, or an absolute one
    MapSet,  // a file name looked up in the map-set folders, as the slot lists find it
};

// One slot of a composition as a setup keeps it.
struct SetupSlot {
    PanelPlace place = PanelPlace::None;
    std::string panel;         // the path or the map-set file name; empty for PanelPlace::None
    std::optional<Mark> mark;  // the mark as the slot holds it
    bool operator==(const SetupSlot&) const = default;
};

// How a setup's picture is drawn, beside its file: each option the setup gives, in the
// words of merge --image's options; one it leaves out takes that option's default.
struct SetupPictureOptions {
    std::optional<std::string> format;  // "png" or "pdf"; without it the file's name says
    std::optional<std::string> show;    // "first", "second" or a layer letter
    std::optional<std::string> labels;  // "all", "placed" or "none"
    std::optional<bool> fixUps;
    std::optional<bool> seamMarks;  // the seam check's marks; without it none
    std::optional<bool> grid;       // each cell's outline; without it none
    std::optional<int> scale;       // PNG: pixels per cell
    std::optional<int> dpi;
    std::optional<std::string> paper;  // PDF
    std::optional<double> cellMm;      // PDF
    bool operator==(const SetupPictureOptions&) const = default;
};

// A composition kept in a file: what the composer dialogs hold and `merge` is given. Paths
// are kept as the file writes them (relative to the setup's folder, or absolute).
struct Setup {
    Layout layout = Layout::TopToBottom;
    MapSet mapSet = MapSet::Ironfall;
    Direction direction = Direction::N;
    std::vector<SetupSlot> slots;  // slot order, a count the layout takes
    std::string output;            // the map to write; empty: none named
    std::string picture;           // the picture to draw of it; empty: none
    SetupPictureOptions pictureOptions;
    bool operator==(const Setup&) const = default;
};

}  // namespace pw
