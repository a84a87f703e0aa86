// SPDX-License-Identifier: GPL-3.0-or-later
// What a command line asks for, once read: a command with its options, help or a usage error.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/assembly/merge_request.h"
#include "jobs/picture_choice.h"

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
    MapSet mapSet = MapSet::Ironfall;
};

// merge: joins the SOURCE arguments into OUT, and draws the joined map into IMAGE if asked.
struct MergeCommand {
    MergeRequest request;  // slots hold the SOURCE arguments as given, marks resolved
    std::string outputPath;
    std::optional<std::string> imagePath;
    // How messages name OUT and IMAGE; empty: as given (a setup's run names them as the
    // setup does).
    std::string outputName;
    std::string imageName;
    PictureChoice picture = joinedMapPicture();
    std::optional<std::string> setupPath;  // --save-setup: the setup of this command line
};

// render: draws MAP into OUT.png.
struct RenderCommand {
    std::string mapPath;
    std::string outputPath;
    PictureChoice picture;
};

using ParsedCommand = std::variant<HelpRequest, VersionRequest, UsageError, MergeCommand,
                                   ListCommand, RenderCommand, RunCommand, CheckCommand>;

// The program's name, as its messages and help call it.
inline constexpr const char kProgramName[] = "panelwright-cli";

}  // namespace pw::cli
