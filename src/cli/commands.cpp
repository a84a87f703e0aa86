#include "cli/commands.h"

#include <QCoreApplication>
#include <iostream>

#include "core/composer/map_summary.h"
#include "core/composer/save_pipeline.h"
#include "core/mapfile/map_file_name.h"
#include "core/mapfile/map_listing.h"

namespace pw::cli {
namespace {

// Messages go where a script can read them; the output path is the one given.
class CommandLineHost : public PipelineHost {
  public:
    explicit CommandLineHost(std::string outputPath) : outputPath_(std::move(outputPath)) {}

    void showError(const std::string& message) override { std::cerr << message << '\n'; }
    std::string rememberedPath() override { return outputPath_; }
    void storeRememberedPath(const std::string&) override {}
    std::optional<std::string> askOutputPath(const std::string&) override { return outputPath_; }
    void reportSuccess(const std::string& message) override { std::cout << message << '\n'; }

  private:
    std::string outputPath_;
};

int runMerge(const MergeCommand& command) {
    CommandLineHost host(command.outputPath);
    return runSave(command.request, host) == SaveOutcome::Saved ? 0 : 1;
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
        const ParsedMapFileName parsed = ParseMapFileName(map.name);
        const MapSummary summary = summarizeMap(map.path, map.name);
        std::cout << map.name << '\t' << (parsed.mark == ' ' ? '-' : parsed.mark) << '\t'
                  << (parsed.numberLabel && !parsed.numberLabel->empty() ? *parsed.numberLabel
                                                                         : "-")
                  << '\t'
                  << (summary.problem.empty() ? std::to_string(summary.length) + "x" +
                                                    std::to_string(summary.height)
                                              : summary.problem)
                  << '\t' << map.folder << '\n';
    }
    return 0;
}

}  // namespace

int runCommand(const ParsedCommand& command, int& argc, char** argv) {
    const QCoreApplication application(argc, argv);
    if (const auto* merge = std::get_if<MergeCommand>(&command)) {
        return runMerge(*merge);
    }
    if (const auto* list = std::get_if<ListCommand>(&command)) {
        return runList(*list);
    }
    std::cerr << "ERROR: this build cannot draw maps\n";
    return 1;
}

}  // namespace pw::cli
