// SPDX-License-Identifier: GPL-3.0-or-later
// A picture's choices: what it shows, what goes over the cells, its scale and its file.
#pragma once

#include <optional>
#include <string>

#include "render/picture_file.h"
#include "render/render_options.h"

namespace pw {

// Which labels a picture draws: none, those whose text overlaps no earlier one's (the
// others keep their dot), or every text.
enum class LabelMode { None, Placed, All };

// How a picture of a map is drawn, whoever asks for it: the command line's options, a
// setup's picture, the preview's controls. Everything off draws the plain cells.
struct PictureChoice {
    RenderSection section = RenderSection::FirstGrid;
    char layer = kLayerLetters.front();  // for RenderSection::Layer
    LabelMode labels = LabelMode::None;
    bool seams = false;  // lines between the panels
    // The panels' size in cells where no join tells it (render --panel); 0: one panel.
    int panelLength = 0;
    int panelHeight = 0;
    bool fixUps = false;           // a join's cells that the junction fix-up changed, highlighted
    bool seamMarks = false;        // a join's edge cells that do not meet across a seam, marked
    bool grid = false;             // each cell's outline
    int scale = kDefaultCellSize;  // PNG: pixels per cell
    PictureFileOptions file;       // the format (see formatGiven), resolution and paper
    bool formatGiven = false;      // false: the picture's name says the format
};

// The picture of a joined map (merge --image, a setup's picture, Save Image) unless told
// otherwise: the labels placed, the seams between the panels and the fix-up highlight.
PictureChoice joinedMapPicture();

// The format of `choice`'s picture at `path`: the one given, else the one its name says;
// nullopt for a name of another kind of file.
std::optional<PictureFormat> formatOf(const PictureChoice& choice, const std::string& path);

}  // namespace pw
