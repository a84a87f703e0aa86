// SPDX-License-Identifier: GPL-3.0-or-later
// The words of a picture's choices, as setups and the command line give them, and checks.
#pragma once

#include <QString>
#include <optional>
#include <string>

#include "core/common/problem.h"
#include "jobs/picture_choice.h"

namespace pw {

// The options of a picture that are given as words, by their command-line names.
enum class PictureOption {
    Show,    // --show: "first", "second" or a layer letter
    Scale,   // --scale: PNG pixels per cell
    Dpi,     // --dpi
    Format,  // --format: "png" or "pdf", any case; the format is then given
    Paper,   // --paper: a paper's name, any case
    CellMm,  // --cell-mm: a cell's side on paper
    Labels,  // a setup's labels: "all", "placed" or "none"
    Panel,   // --panel: LENGTHxHEIGHT in cells
};

// Reads `word` as the value of `option` into `choice`, which keeps what it had when the
// word is refused; the reason then, worded as the command line's usage errors are (a
// setup's picture is refused with the same words).
std::optional<Problem> readPictureOption(PictureOption option, const QString& word,
                                         PictureChoice& choice);

// Why options of one format were given for a picture of the other; nullopt when none were.
std::optional<Problem> formatsMismatch(PictureFormat format, bool scaleGiven,
                                       bool paperOrCellMmGiven);

// Why a PNG's cells are too small for `choice`'s grid; nullopt when they are not, or
// when there is no grid or the picture is a PDF.
std::optional<Problem> gridTooFine(const PictureChoice& choice);

// The words the options take, as setups write them.
std::string showWord(RenderSection section, char layer);
std::string labelsWord(LabelMode labels);
std::string formatWord(PictureFormat format);
std::string paperWord(Paper paper);

}  // namespace pw
