// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commands.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <iostream>
#include <memory>

#include "cli/check_command.h"
#include "cli/setup_commands.h"
#include "cli/standard_output.h"
#include "core/common/file_path.h"
#include "core/common/file_place.h"
#include "core/common/messages.h"
#include "core/mapfile/map_file_name.h"
#include "core/mapfile/map_listing.h"
#include "core/mapfile/map_summary.h"
#include "core/pipeline/save_pipeline.h"
#include "jobs/picture_drawing.h"
#include "jobs/picture_job.h"

namespace pw::cli {
namespace {

// Messages go where a script can read them; the output path is the one given.
class CommandLineHost : public PipelineHost {
  public:
    CommandLineHost(std::string outputPath, std::string outputName, std::string picturePath,
                    bool announce)
        : outputPath_(std::move(outputPath)),
          outputName_(std::move(outputName)),
          picturePath_(std::move(picturePath)),
          announce_(announce) {}

    std::string outputName(const std::string& path) override {
        return outputName_.empty() ? escapedName(path) : outputName_;
    }
    void showError(const std::string& message) override { std::cerr << message << '\n'; }
    std::string rememberedPath() override { return outputPath_; }
    void storeRememberedPath(const std::string&) override {}
    std::optional<SaveTarget> askTarget(const std::string&) override {
        return SaveTarget{outputPath_, picturePath_};
    }
    void reportSuccess(const std::string& message) override {
        if (announce_) {
            printed_ = printStandardOutput(message + '\n');
        }
    }
    // False once the success line could not be written.
    bool printed() const { return printed_; }

  private:
    std::string outputPath_;
    std::string outputName_;
    std::string picturePath_;
    bool announce_;
    bool printed_ = true;
};

// A picture is written under a name Qt holds as text: one that would not come back the
// same is refused before anything is read or written.
bool pictureNameUsable(const std::string& path) {
    if (pathRoundTrips(path)) {
        return true;
    }
    std::cerr << messages::nameNotUtf8(escapedName(path)) << '\n';
    return false;
}

// The legend beside `legendBeside` (a path); a warning names it beside `shownBeside`, the
// name messages give that file (already escaped), when one is given.
std::optional<Legend> legendBeside(const std::string& legendBeside,
                                   const std::string& shownBeside = {}) {
    std::string legendNote;
    const QString shownFolder = QFileInfo(QString::fromStdString(shownBeside)).path();
    std::optional<Legend> legend = Legend::loadFromFolder(
        QFileInfo(QString::fromStdString(legendBeside)).path(), &legendNote,
        shownBeside.empty()
            ? std::string()
            : QDir(shownFolder).filePath(QString::fromLatin1(Legend::kFileName)).toStdString());
    if (!legendNote.empty()) {
        std::cerr << messages::warning(legendNote) << '\n';
    }
    return legend;
}

// Why a picture may not go to `imagePath`, told before anything is read or written: not
// a regular file, one of the files the command reads or writes besides (each a path and
// the name messages give it, escaped), or a name of another kind of file unless --format was given.
std::optional<Problem> refusedPicture(
    const std::string& imagePath, const std::string& imageName, const PictureChoice& picture,
    const std::vector<std::pair<std::string, std::string>>& others) {
    std::optional<std::string> refused = refusedTarget(imagePath);
    for (auto other = others.begin(); !refused && other != others.end(); ++other) {
        if (isSameFile(imagePath, other->first)) {
            refused = messages::sameFileAs(other->second);
        }
    }
    if (!refused && !formatOf(picture, imagePath)) {
        refused = messages::notAPictureName();
    }
    return refused ? std::optional(Problem{messages::unableToCreate(imageName, *refused)})
                   : std::nullopt;
}

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
    std::vector<std::string> notes;
    const std::optional<std::vector<ListedMap>> maps =
        listMapSet(mapSetRoots(), command.mapSetIndex, &notes);
    for (const std::string& note : notes) {
        std::cerr << messages::warning(note) << '\n';
    }
    if (!maps) {
        std::cerr << messages::kMapFilesNotFound << '\n';
        return 1;
    }
    std::string lines;
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
        lines += name + '\t' + (parsed.mark == ' ' ? '-' : parsed.mark) + '\t' + label + '\t' +
                 size + '\t' + escapedName(map.folder) + '\n';
    }
    return printStandardOutput(lines) ? 0 : 1;
}

// Qt's own notes (such as a missing runtime folder) are no concern of a script: stderr
// carries the command's messages alone.
void quietQtNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::cerr << message.toStdString() << '\n';
    }
}

}  // namespace

bool joinAndDraw(const MergeCommand& command, MergeMode mode) {
    if (command.imagePath && !pictureNameUsable(*command.imagePath)) {
        return false;
    }
    CommandLineHost host(command.outputPath, command.outputName, command.imagePath.value_or(""),
                         mode.announce);
    const std::string imageName =
        command.imageName.empty() ? escapedName(command.imagePath.value_or("")) : command.imageName;
    const OutputOpener byPath = mode.dryRun ? openDryRunOutput : openSafeOutput;
    const OutputOpener openOutput = mode.openMap ? mode.openMap : byPath;
    const OutputOpener openPicture = mode.openPicture ? mode.openPicture : byPath;
    if (!command.imagePath) {
        return runSave(command.request, host, openOutput) == SaveOutcome::Saved && host.printed();
    }
    std::vector<std::pair<std::string, std::string>> others{
        {command.outputPath, host.outputName(command.outputPath)}};
    for (const SourceSlot& slot : command.request.slots) {
        others.emplace_back(slot.path, slot.name);
    }
    if (std::optional<Problem> refused =
            refusedPicture(*command.imagePath, imageName, command.picture, others)) {
        return failWith(*refused) == 0;
    }
    if (mode.dryRun) {
        if (const OpenedOutput image = openPicture(*command.imagePath); !image.file) {
            std::cerr << messages::unableToCreate(imageName, image.errorString) << '\n';
            return false;
        }
        return runSave(command.request, host, openOutput) == SaveOutcome::Saved;
    }
    // The picture is drawn from the map as written and saved together with it.
    const SourceSlot& first = command.request.slots.front();
    const PictureJob job{command.request, command.picture, legendBeside(first.path, first.name)};
    return saveJoinedPicture(job, host, openOutput, openPicture, imageName) == SaveOutcome::Saved &&
           host.printed();
}

int runCommand(const ParsedCommand& command, int& argc, char** argv) {
    const auto* merge = std::get_if<MergeCommand>(&command);
    const auto* render = std::get_if<RenderCommand>(&command);
    const auto* run = std::get_if<RunCommand>(&command);
    // Pictures need fonts for their labels, so a Gui application; it never shows a window.
    // Any setup may ask for a picture.
    qInstallMessageHandler(quietQtNotes);
    std::unique_ptr<QCoreApplication> application;
    if (render != nullptr || run != nullptr || (merge != nullptr && merge->imagePath)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    if (merge != nullptr) {
        return runMerge(*merge);
    }
    if (run != nullptr) {
        return runSetups(*run);
    }
    if (render != nullptr) {
        return runRender(*render);
    }
    if (const auto* check = std::get_if<CheckCommand>(&command)) {
        return runCheck(*check);
    }
    return runList(std::get<ListCommand>(command));
}

}  // namespace pw::cli
