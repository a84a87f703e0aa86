// SPDX-License-Identifier: GPL-3.0-or-later
// A merge run through the save pipeline, its picture drawn from the map as written.
#include "cli/merge_and_draw.h"

#include <iostream>

#include "cli/picture_output.h"
#include "cli/standard_output.h"
#include "core/common/path_bytes.h"
#include "core/common/messages.h"
#include "core/pipeline/save_pipeline.h"
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
        std::cerr << refused->message << '\n';
        return false;
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

}  // namespace pw::cli
