#include "core/composer/joined_map.h"

#include "core/composer/save_pipeline.h"

namespace pw {
namespace {

// Collects the output in memory; refuses more bytes once the caller cancels.
class MemoryOutput final : public OutputFile {
  public:
    MemoryOutput(QByteArray& bytes, const std::atomic<bool>* cancel)
        : bytes_(bytes), cancel_(cancel) {}
    bool write(const char* data, std::size_t size) override {
        if (cancel_ != nullptr && cancel_->load(std::memory_order_relaxed)) {
            return false;
        }
        bytes_.append(data, static_cast<qsizetype>(size));
        return true;
    }
    bool commit() override { return true; }

  private:
    QByteArray& bytes_;
    const std::atomic<bool>* cancel_;
};

// Keeps the messages and answers the prompt at once.
class QuietHost final : public PipelineHost {
  public:
    std::vector<std::string> messages;
    void showError(const std::string& message) override { messages.push_back(message); }
    std::string rememberedPath() override { return {}; }
    void storeRememberedPath(const std::string&) override {}
    std::optional<std::string> askOutputPath(const std::string&) override { return "memory"; }
    void reportSuccess(const std::string&) override {}
};

}  // namespace

// First cut: the whole request joined as Save Map joins it; failing slots are not yet
// replaced by empty panels, and problems are not yet told per slot.
JoinedMap joinInMemory(const MergeRequest& request, const std::atomic<bool>* cancel) {
    JoinedMap joined;
    joined.slotProblems.resize(request.slots.size());
    if (const auto shape = shapeFor(request.layout, static_cast<int>(request.slots.size()))) {
        joined.shape = *shape;
    } else {
        return joined;
    }
    QuietHost host;
    const SaveOutcome outcome =
        runSave(request, host, [&](const std::string&) -> std::unique_ptr<OutputFile> {
            return std::make_unique<MemoryOutput>(joined.bytes, cancel);
        });
    if (outcome != SaveOutcome::Saved) {
        joined.cancelled = cancel != nullptr && cancel->load();
        joined.bytes.clear();
        if (!host.messages.empty() && !joined.slotProblems.empty()) {
            joined.slotProblems.front() = host.messages.front();
        }
    }
    return joined;
}

}  // namespace pw
