// panelwright-cli: the merge engine for scripts and batch work.

#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "core/composer/save_pipeline.h"

namespace {

// Messages go where a script can read them; the output path is the one given.
class CommandLineHost : public pw::PipelineHost {
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

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const pw::cli::ParsedCommand parsed = pw::cli::parseCommandLine(arguments);
    if (std::holds_alternative<pw::cli::HelpRequest>(parsed)) {
        std::cout << pw::cli::kUsage;
        return 0;
    }
    if (const auto* error = std::get_if<pw::cli::UsageError>(&parsed)) {
        std::cerr << "panelwright-cli: " << error->message << '\n';
        return 2;
    }
    const auto& command = std::get<pw::cli::MergeCommand>(parsed);
    CommandLineHost host(command.outputPath);
    const pw::SaveOutcome outcome = pw::runSave(command.request, host);
    std::cout.flush();
    std::cerr.flush();
    return outcome == pw::SaveOutcome::Saved ? 0 : 1;
}
