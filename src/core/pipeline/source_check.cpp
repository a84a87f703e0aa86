#include "core/pipeline/source_check.h"

#include "core/assembly/merge_job.h"
#include "core/common/messages.h"
#include "core/mapfile/line_writer.h"
#include "core/mapfile/output_file.h"

namespace pw {
namespace {

// Takes every byte and keeps none.
class DiscardedOutput final : public OutputFile {
  public:
    bool write(const char*, std::size_t) override { return true; }
    bool commit() override { return true; }
    std::string errorString() const override { return {}; }
};

}  // namespace

std::string checkSourceWhole(const std::string& path, const std::string& name) {
    MergeRequest request;
    request.slots.push_back({name, path, ' '});
    // A join of the one source alone: the same job, the same reading, as Save Map's; it
    // meets no other source, so no mark is consulted.
    MergeJob job(request, LayoutShape{Layout::EndToEnd, 1, 1});
    using Step = StepResult (MergeJob::*)();
    for (const Step step :
         {&MergeJob::openSources, &MergeJob::checkVersions, &MergeJob::checkSizes}) {
        const StepResult result = (job.*step)();
        if (!result.ok()) {
            return result.problems.front().message;
        }
    }
    job.skipTwoLines();
    DiscardedOutput nowhere;
    LineWriter writer(nowhere);
    if (const std::optional<Problem> damage = job.writeMap(writer)) {
        return damage->message;
    }
    if (const std::optional<std::string> broken = job.failedSource()) {
        return messages::unableToRead(*broken);
    }
    return {};
}

}  // namespace pw
