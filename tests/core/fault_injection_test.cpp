// Failures while the output is written: whatever breaks, the run reports it, leaves no
// temporary file behind and an earlier file at the output path keeps every byte.

#include <gtest/gtest.h>

#include <filesystem>

#include "core/composer/safe_output.h"
#include "core/composer/save_pipeline.h"
#include "map_builder.h"
#include "test_files.h"

namespace fs = std::filesystem;
using pw::test::MapBuilder;
using pw::test::readFile;

namespace {

// The real safe save, failing like a full disk after `budget` bytes, or at commit.
class FaultyOutput : public pw::OutputFile {
  public:
    FaultyOutput(std::unique_ptr<pw::OutputFile> inner, std::size_t budget, bool failCommit)
        : inner_(std::move(inner)), budget_(budget), failCommit_(failCommit) {}

    bool write(const char* data, std::size_t size) override {
        const std::size_t accepted = std::min(size, budget_);
        budget_ -= accepted;
        return inner_->write(data, accepted) && accepted == size;
    }
    bool commit() override { return !failCommit_ && inner_->commit(); }
    std::string errorString() const override { return "No space left on device"; }

  private:
    std::unique_ptr<pw::OutputFile> inner_;
    std::size_t budget_;
    bool failCommit_;
};

class Host : public pw::PipelineHost {
  public:
    explicit Host(std::string answer) : answer_(std::move(answer)) {}
    std::vector<std::string> errors;
    bool succeeded = false;

    void showError(const std::string& message) override { errors.push_back(message); }
    std::string rememberedPath() override { return ""; }
    void storeRememberedPath(const std::string&) override {}
    std::optional<std::string> askOutputPath(const std::string&) override { return answer_; }
    void reportSuccess(const std::string&) override { succeeded = true; }

  private:
    std::string answer_;
};

class FaultInjection : public testing::Test {
  protected:
    void SetUp() override {
        MapBuilder map{.length = 120, .height = 90, .layers = "abcd"};
        map.labels.assign(500, "3.5 2 Label");
        pw::test::writeFile(folder_.path() / "A.map", map.text());
        pw::test::writeFile(folder_.path() / "out.map", "earlier map\r\n");
    }

    pw::MergeRequest request(pw::Layout layout, int count) const {
        pw::MergeRequest merge;
        merge.layout = layout;
        for (int i = 0; i < count; ++i) {
            merge.slots.push_back({"A.map", folder_.file("A.map"), i % 2 == 0 ? 'L' : 'R'});
        }
        return merge;
    }

    void expectFolderUntouched() const {
        EXPECT_TRUE(readFile(folder_.path() / "out.map") == "earlier map\r\n");
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_.path())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, std::vector<std::string>({"A.map", "out.map"}));
    }

    pw::test::TempFolder folder_;
};

TEST_F(FaultInjection, DiskFullAtAnyPointLeavesTheOldOutput) {
    const std::string target = folder_.file("out.map");
    for (pw::Layout layout :
         {pw::Layout::TopToBottom, pw::Layout::EndToEnd, pw::Layout::Composite}) {
        for (std::size_t budget : {0UL, 1UL, 4096UL, 60000UL}) {
            Host host(target);
            const auto faulty = [budget](const std::string& path) {
                return pw::OpenedOutput{
                    std::make_unique<FaultyOutput>(pw::openSafeOutput(path).file, budget, false), ""};
            };
            const int count = layout == pw::Layout::Composite ? 4 : 2;
            EXPECT_EQ(pw::runSave(request(layout, count), host, faulty),
                      pw::SaveOutcome::WriteFailed);
            EXPECT_EQ(host.errors,
                      std::vector<std::string>(
                          {"ERROR: unable to write file " + target + ": No space left on device"}));
            EXPECT_FALSE(host.succeeded);
            expectFolderUntouched();
        }
    }
}

TEST_F(FaultInjection, FailedCommitLeavesTheOldOutput) {
    const std::string target = folder_.file("out.map");
    Host host(target);
    const auto failingCommit = [](const std::string& path) {
        return pw::OpenedOutput{
            std::make_unique<FaultyOutput>(pw::openSafeOutput(path).file, SIZE_MAX, true), ""};
    };
    EXPECT_EQ(pw::runSave(request(pw::Layout::Composite, 8), host, failingCommit),
              pw::SaveOutcome::WriteFailed);
    EXPECT_EQ(host.errors, std::vector<std::string>(
                          {"ERROR: unable to write file " + target + ": No space left on device"}));
    expectFolderUntouched();
}

TEST_F(FaultInjection, WholeWriteSucceedsWithoutInjection) {
    // The same runs as above, unbroken, do replace the output: the faults are what failed.
    Host host(folder_.file("out.map"));
    EXPECT_EQ(pw::runSave(request(pw::Layout::EndToEnd, 3), host), pw::SaveOutcome::Saved);
    EXPECT_TRUE(host.succeeded);
    EXPECT_TRUE(readFile(folder_.path() / "out.map") != "earlier map\r\n");
}

}  // namespace
