// SPDX-License-Identifier: GPL-3.0-or-later
// The application made for a command, and merge, render and list run in it.
#include "cli/commands.h"

#include <QGuiApplication>
#include <algorithm>
#include <iostream>

#include "cli/check_command.h"
#include "cli/merge_and_draw.h"
#include "cli/picture_output.h"
#include "cli/setup_commands.h"
#include "cli/standard_output.h"
#include "cli/usage_texts.h"
#include "core/common/messages.h"
#include "core/common/path_bytes.h"
#include "core/common/source_texts.h"
#include "core/mapfile/map_file_name.h"
#include "core/mapfile/map_listing.h"
#include "core/mapfile/map_summary.h"
#include "core/mapfile/mark.h"
#include "jobs/picture_drawing.h"
#include "render/picture_file.h"

namespace pw::cli {
namespace {

int failWith(const Problem& problem) {
    std::cerr << problem.message << '\n';
    return 1;
}

int runRender(const RenderCommand& command) {
    if (!pictureNameUsable(command.outputPath)) {
        return 1;
    }
    if (std::optional<Problem> refused =
            refusedPicture(command.outputPath, escapedName(command.outputPath), command.picture,
                           {{command.mapPath, escapedName(command.mapPath)}})) {
        return failWith(*refused);
    }
    const RenderOptions options = renderOptionsOf(command.picture, legendBeside(command.mapPath));
    if (std::optional<Problem> failed = savePicture(MapSource::file(command.mapPath), options,
                                                    command.picture.file, command.outputPath)) {
        return failWith(*failed);
    }
    return 0;
}

int runMerge(const MergeCommand& command) {
    if (command.imagePath && !pictureNameUsable(*command.imagePath)) {
        return 1;  // before a setup is saved: nothing is written
    }
    if (command.setupPath) {
        if (const std::optional<Problem> problem = saveSetupOf(command)) {
            return failWith(*problem);
        }
    }
    return joinAndDraw(command, MergeMode{}) ? 0 : 1;
}

// name, mark, number label, size or problem, folder; tab-separated, every field escaped
// so that a line holds exactly five fields whatever the names hold.
int runList(const ListCommand& command) {
    const MapSetListing listing = listMapSet(mapSetRoots(), command.mapSet);
    const std::optional<std::vector<ListedMap>>& maps = listing.maps;
    for (const std::string& note : listing.notes) {
        std::cerr << UsageTexts::warning(note) << '\n';
    }
    if (!maps) {
        std::cerr << messages::translated(messages::kMapFilesNotFound) << '\n';
        return 1;
    }
    std::string lines;
    const SourceTexts fieldsInEnglish;  // a damaged map's reason is a field of its line
    for (const ListedMap& map : *maps) {
        const std::string name = escapedName(map.name);
        const ParsedMapFileName parsed = parseMapFileName(map.name);
        const MapSummary summary = summarizeMap(map.path, name);
        const std::string label = parsed.numberLabel && !parsed.numberLabel->empty()
                                      ? escapedName(*parsed.numberLabel)
                                      : "-";
        const std::string size = summary.problem ? summary.problem->message
                                                 : std::to_string(summary.header.length) + "x" +
                                                       std::to_string(summary.header.height);
        lines += name + '\t' + markField(parsed.mark) + '\t' + label + '\t' + size + '\t' +
                 escapedName(map.folder) + '\n';
    }
    return printStandardOutput(lines) ? 0 : 1;
}

}  // namespace

std::unique_ptr<QCoreApplication> makeApplication(const std::vector<std::string>& arguments,
                                                  int& argc, char** argv) {
    // Pictures need fonts for their labels, so a Gui application; it never shows a window.
    // Any setup may ask for a picture; merge draws one only with --image (an argument that
    // merely looks like it costs a Gui application, nothing else).
    const auto asksForImage = [&] {
        return std::any_of(arguments.begin(), arguments.end(), [](const std::string& argument) {
            return argument == "--image" || argument.starts_with("--image=");
        });
    };
    const std::string command = arguments.empty() ? std::string() : arguments.front();
    if (command == "render" || command == "run" || (command == "merge" && asksForImage())) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

int runCommand(const ParsedCommand& command) {
    if (const auto* merge = std::get_if<MergeCommand>(&command)) {
        return runMerge(*merge);
    }
    if (const auto* run = std::get_if<RunCommand>(&command)) {
        return runSetups(*run);
    }
    if (const auto* render = std::get_if<RenderCommand>(&command)) {
        return runRender(*render);
    }
    if (const auto* check = std::get_if<CheckCommand>(&command)) {
        return runCheck(*check);
    }
    return runList(std::get<ListCommand>(command));
}

}  // namespace pw::cli
