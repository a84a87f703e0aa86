// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/assembly/merge_request.h"
#include "core/setup/setup.h"
#include "render/picture_file.h"
#include "render/render_options.h"

namespace pw::cli {

// --help of the program or of one command: the text to print.
struct HelpRequest {
    std::string text;
};
struct VersionRequest {};

struct UsageError {
    std::string message;
};

// run: joins the map (and draws the picture) of each setup file in turn.
struct RunCommand {
    std::vector<std::string> setups;
    bool dryRun = false;        // every check, nothing written
    bool allowOutside = false;  // a setup may write outside its own folder
};

// check: where the panels of a composition do not meet, read and compared, nothing written.
struct CheckCommand {
    std::optional<MergeRequest> request;  // the composition of the command line
    std::vector<std::string> setups;      // or, without one, the setups whose compositions
};

// list: what the dialogs would list for a map set.
struct ListCommand {
    int mapSetIndex = 0;
};

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

// merge: joins the SOURCE arguments into OUT, and draws the joined map into IMAGE if asked.
struct MergeCommand {
    MergeRequest request;  // slots hold the SOURCE arguments as given, marks resolved
    std::string outputPath;
    std::optional<std::string> imagePath;
    // How messages name OUT and IMAGE; empty: as given (a setup's run names them as the
    // setup does).
    std::string outputName;
    std::string imageName;
    PictureOptions picture = mergedMapPicture();
    std::optional<std::string> setupPath;  // --save-setup: the setup of this command line
};

// render: draws MAP into OUT.png.
struct RenderCommand {
    std::string mapPath;
    std::string outputPath;
    PictureOptions picture;
};

using ParsedCommand = std::variant<HelpRequest, VersionRequest, UsageError, MergeCommand,
                                   ListCommand, RenderCommand, RunCommand, CheckCommand>;

// The options of a picture as a setup keeps them: those that differ from merge --image's.
SetupPictureOptions setupPictureOptionsOf(const PictureOptions& picture);
// merge --image's options for a setup's picture at `file`; the usage error of the first
// option that merge --image would refuse.
std::variant<PictureOptions, UsageError> pictureOptionsOfSetup(const SetupPictureOptions& kept,
                                                               const std::string& file);

// The program's name, as its messages and help call it.
inline constexpr const char kProgramName[] = "panelwright-cli";

// Reads the command line (without the program name).
ParsedCommand parseCommandLine(const std::vector<std::string>& arguments);

}  // namespace pw::cli
