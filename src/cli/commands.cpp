#include "cli/commands.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <iostream>
#include <memory>

#include "cli/setup_commands.h"
#include "cli/standard_output.h"
#include "core/common/file_path.h"
#include "core/common/messages.h"
#include "core/mapfile/map_file_name.h"
#include "core/mapfile/map_listing.h"
#include "core/mapfile/map_summary.h"
#include "core/pipeline/save_pipeline.h"
#include "render/image_file.h"
#include "render/map_renderer.h"

namespace pw::cli {
namespace {

// Messages go where a script can read them; the output path is the one given.
class CommandLineHost : public PipelineHost {
  public:
    CommandLineHost(std::string outputPath, bool announce)
        : outputPath_(std::move(outputPath)), announce_(announce) {}

    void showError(const std::string& message) override { std::cerr << message << '\n'; }
    std::string rememberedPath() override { return outputPath_; }
    void storeRememberedPath(const std::string&) override {}
    std::optional<std::string> askOutputPath(const std::string&) override { return outputPath_; }
    void reportSuccess(const std::string& message) override {
        if (announce_) {
            printed_ = printStandardOutput(message + '\n');
        }
    }
    // False once the success line could not be written.
    bool printed() const { return printed_; }

  private:
    std::string outputPath_;
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

// Draws the map file at `mapPath` into `imagePath`, in the colours of the legend beside
// `legendBeside`; the exit status.
int drawPicture(const std::string& mapPath, const std::string& imagePath,
                const PictureOptions& picture, const std::string& legendBeside) {
    RenderOptions options;
    options.section = picture.section;
    options.layer = picture.layer;
    options.labels = picture.labels;
    options.labelOverlap = picture.allLabels ? LabelOverlap::DrawAll : LabelOverlap::LeaveOut;
    options.cellSize = picture.scale;
    if (picture.seams) {
        options.panelLength = picture.panelLength;
        options.panelHeight = picture.panelHeight;
    }
    std::string legendNote;
    options.legend =
        Legend::loadFromFolder(QFileInfo(QString::fromStdString(legendBeside)).path(), &legendNote);
    if (!legendNote.empty()) {
        std::cerr << messages::warning(legendNote) << '\n';
    }
    const RenderResult rendered = renderMapFile(mapPath, options);
    std::optional<Problem> problem = rendered.problem;
    if (!problem) {
        problem = writePngFile(rendered.image, QString::fromStdString(imagePath));
    }
    if (problem) {
        std::cerr << problem->message << '\n';
        return 1;
    }
    return 0;
}

int runMerge(const MergeCommand& command) {
    if (command.imagePath && !pictureNameUsable(*command.imagePath)) {
        return 1;  // before a setup is saved: nothing is written
    }
    if (command.setupPath) {
        if (const std::optional<Problem> problem = saveSetupOf(command)) {
            std::cerr << problem->message << '\n';
            return 1;
        }
    }
    return joinAndDraw(command, MergeMode{}) ? 0 : 1;
}

// name, mark, number label, size or problem, folder; tab-separated, every field escaped
// so that a line holds exactly five fields whatever the names hold.
int runList(const ListCommand& command) {
    const std::optional<std::vector<ListedMap>> maps =
        listMapSet(mapSetRoots(), command.mapSetIndex);
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
    CommandLineHost host(command.outputPath, mode.announce);
    if (mode.dryRun) {
        if (command.imagePath) {
            if (const OpenedOutput image = openDryRunOutput(*command.imagePath); !image.file) {
                std::cerr << messages::unableToCreate(*command.imagePath, image.errorString)
                          << '\n';
                return false;
            }
        }
        return runSave(command.request, host, openDryRunOutput) == SaveOutcome::Saved;
    }
    if (runSave(command.request, host) != SaveOutcome::Saved || !host.printed()) {
        return false;
    }
    if (!command.imagePath) {
        return true;
    }
    // The picture shows where the panels meet: their size is the output's over the shape.
    const std::optional<LayoutShape> shape =
        shapeFor(command.request.layout, static_cast<int>(command.request.slots.size()));
    const MapSummary output = summarizeMap(command.outputPath, command.outputPath);
    PictureOptions picture;
    picture.labels = true;
    picture.allLabels = command.allLabels;
    picture.seams = true;
    picture.panelLength = output.header.length / shape->columns;
    picture.panelHeight = output.header.height / shape->rows;
    return drawPicture(command.outputPath, *command.imagePath, picture,
                       command.request.slots.front().path) == 0;
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
        if (!pictureNameUsable(render->outputPath)) {
            return 1;
        }
        return drawPicture(render->mapPath, render->outputPath, render->picture, render->mapPath);
    }
    return runList(std::get<ListCommand>(command));
}

}  // namespace pw::cli
