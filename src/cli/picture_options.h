// SPDX-License-Identifier: GPL-3.0-or-later
// What a picture of a map shows, and the rules its options are read by, from the command
// line or a setup.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <variant>

#include "core/mapfile/map_format.h"
#include "core/setup/setup.h"
#include "render/picture_file.h"
#include "render/render_options.h"

namespace pw::cli {

// What a picture of a map shows, as the options asked for it.
struct PictureOptions {
    RenderSection section = RenderSection::FirstGrid;
    char layer = kLayerLetters.front();  // for RenderSection::Layer
    bool labels = false;
    bool allLabels = false;  // every label, also where texts overlap
    bool seams = false;
    int panelLength = 0;  // the joined panels' size, where seams are drawn; 0: one panel
    int panelHeight = 0;
    int scale = kDefaultCellSize;  // pixels per cell
    bool fixUps = true;            // merge: the cells the junction fix-up changed are highlighted
    bool seamMarks = false;        // merge: the cells that do not meet across a seam are marked
    PictureFileOptions file;       // PNG or PDF, as the options or the picture's name say
    bool formatGiven = false;      // by --format; else the name's suffix must say it
};

// The picture of a merged map (merge --image, a setup's picture) unless told otherwise:
// labels, the seams between the panels and the fix-up highlight.
inline PictureOptions mergedMapPicture() {
    PictureOptions picture;
    picture.labels = true;
    picture.seams = true;
    return picture;
}

// Each reader takes one option's text into `picture`; why the text is refused, if it is.
using PictureReader = std::optional<std::string> (*)(const QString& text, PictureOptions& picture);
std::optional<std::string> readShow(const QString& show, PictureOptions& picture);
std::optional<std::string> readPanel(const QString& panel, PictureOptions& picture);
std::optional<std::string> readScale(const QString& scale, PictureOptions& picture);
std::optional<std::string> readDpi(const QString& text, PictureOptions& picture);
std::optional<std::string> readFormat(const QString& text, PictureOptions& picture);
std::optional<std::string> readPaper(const QString& text, PictureOptions& picture);
std::optional<std::string> readCellMm(const QString& text, PictureOptions& picture);
// Why options of one format are refused for a picture of the other, if they are.
std::optional<std::string> formatsOptions(PictureFormat format, bool scale, bool paperOrCellMm);

// The options of a picture as a setup keeps them: those that differ from merge --image's.
SetupPictureOptions setupPictureOptionsOf(const PictureOptions& picture);
// merge --image's options for a setup's picture at `file`; or why merge --image would
// refuse the first option it refuses.
std::variant<PictureOptions, std::string> pictureOptionsOfSetup(const SetupPictureOptions& kept,
                                                                const std::string& file);

}  // namespace pw::cli
