#include "cli/commands.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <iostream>
#include <memory>

#include "cli/setup_commands.h"
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
            std::cout << message << '\n';
        }
    }

  private:
    std::string outputPath_;
    bool announce_;
};

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
    options.legend =
        Legend::loadFromFolder(QFileInfo(QString::fromStdString(legendBeside)).absolutePath());
    const RenderResult rendered = renderMapFile(mapPath, options);
    std::string error = rendered.error;
    if (error.empty()) {
        error = writePngFile(rendered.image, QString::fromStdString(imagePath));
    }
    if (!error.empty()) {
        std::cerr << error << '\n';
        return 1;
    }
    return 0;
}

int runMerge(const MergeCommand& command) {
    if (command.setupPath) {
        if (const std::optional<Problem> problem = saveSetupOf(command)) {
            std::cerr << problem->message << '\n';
            return 1;
        }
    }
    return joinAndDraw(command, MergeMode{}) ? 0 : 1;
}

// name, mark, number label, size or problem, folder; tab-separated.
int runList(const ListCommand& command) {
    const std::optional<std::vector<ListedMap>> maps =
        listMapSet(mapSetRoots(), command.mapSetIndex);
    if (!maps) {
        std::cerr << "ERROR searchinng for Map files\n";
        return 1;
    }
    for (const ListedMap& map : *maps) {
        const ParsedMapFileName parsed = parseMapFileName(map.name);
        const MapSummary summary = summarizeMap(map.path, map.name);
        std::cout << map.name << '\t' << (parsed.mark == ' ' ? '-' : parsed.mark) << '\t'
                  << (parsed.numberLabel && !parsed.numberLabel->empty() ? *parsed.numberLabel
                                                                         : "-")
                  << '\t'
                  << (summary.problem.empty()
                          ? std::to_string(summary.length) + "x" + std::to_string(summary.height)
                          : summary.problem)
                  << '\t' << map.folder << '\n';
    }
    return 0;
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
    if (runSave(command.request, host) != SaveOutcome::Saved) {
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
    picture.panelLength = output.length / shape->columns;
    picture.panelHeight = output.height / shape->rows;
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
        return drawPicture(render->mapPath, render->outputPath, render->picture, render->mapPath);
    }
    return runList(std::get<ListCommand>(command));
}

}  // namespace pw::cli
