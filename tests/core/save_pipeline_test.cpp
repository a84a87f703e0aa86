// The save pipeline through its host interface: what is asked, stored, shown and written.

#include "core/composer/save_pipeline.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "map_builder.h"
#include "test_files.h"

namespace fs = std::filesystem;
using pw::test::MapBuilder;
using pw::test::readFile;
using pw::test::writeFile;

namespace {

// Records every call in order; answers the prompt with `answer` (nullopt: cancel).
class RecordingHost : public pw::PipelineHost {
  public:
    std::vector<std::string> events;
    std::string remembered;
    std::optional<std::string> answer;

    void showError(const std::string& message) override { events.push_back(message); }
    std::string rememberedPath() override { return remembered; }
    void storeRememberedPath(const std::string& path) override {
        events.push_back("store " + path);
        remembered = path;
    }
    std::optional<std::string> askOutputPath(const std::string& start) override {
        events.push_back("ask " + start);
        return answer;
    }
    void reportSuccess(const std::string& message) override { events.push_back(message); }
};

class SavePipeline : public testing::Test {
  protected:
    std::string addSource(const std::string& name, const MapBuilder& map) {
        writeFile(folder_.path() / name, map.text());
        return folder_.file(name);
    }

    pw::MergeRequest request(pw::Layout layout, const std::vector<std::string>& names) {
        pw::MergeRequest merge;
        merge.layout = layout;
        for (const std::string& name : names) {
            merge.slots.push_back({name, name.empty() ? "" : folder_.file(name), ' '});
        }
        return merge;
    }

    std::vector<std::string> folderContents() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_.path())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    pw::test::TempFolder folder_;
    RecordingHost host_;
};

TEST_F(SavePipeline, AsksFromTheRememberedPathStoresThenWritesThenReports) {
    addSource("A.map", MapBuilder{});
    host_.remembered = "/earlier/choice.map";
    host_.answer = folder_.file("out.map");
    EXPECT_EQ(pw::runSave(request(pw::Layout::TopToBottom, {"A.map", "A.map"}), host_),
              pw::SaveOutcome::Saved);
    EXPECT_EQ(host_.events,
              std::vector<std::string>({"ask /earlier/choice.map", "store " + *host_.answer,
                                        "New map file created successfully"}));
    // Two slots with the same file: each reads its own copy.
    const std::string output = readFile(*host_.answer);
    EXPECT_NE(output.find("\r\n4 4 -1055\r\n"), std::string::npos);
    EXPECT_EQ(folderContents(), std::vector<std::string>({"A.map", "out.map"}));
}

TEST_F(SavePipeline, CancelledPromptWritesAndStoresNothing) {
    addSource("A.map", MapBuilder{});
    host_.remembered = "kept.map";
    EXPECT_EQ(pw::runSave(request(pw::Layout::EndToEnd, {"A.map", "A.map"}), host_),
              pw::SaveOutcome::Cancelled);
    EXPECT_EQ(host_.events, std::vector<std::string>({"ask kept.map"}));
    EXPECT_EQ(host_.remembered, "kept.map");
    EXPECT_EQ(folderContents(), std::vector<std::string>({"A.map"}));
}

TEST_F(SavePipeline, FailedCheckNeverAsksAndLeavesAnExistingOutputAlone) {
    addSource("A.map", MapBuilder{});
    addSource("SUB.map", MapBuilder{.version = 0});
    writeFile(folder_.path() / "out.map", "precious");
    host_.answer = folder_.file("out.map");
    EXPECT_EQ(
        pw::runSave(request(pw::Layout::Composite, {"SUB.map", "A.map", "", "SUB.map"}), host_),
        pw::SaveOutcome::CheckFailed);
    EXPECT_EQ(host_.events, std::vector<std::string>({"ERROR: no file selected for Map# 1,0"}));
    host_.events.clear();
    EXPECT_EQ(pw::runSave(request(pw::Layout::Composite, {"SUB.map", "A.map", "A.map", "SUB.map"}),
                          host_),
              pw::SaveOutcome::CheckFailed);
    EXPECT_EQ(host_.events,
              std::vector<std::string>({"ERROR: file SUB.map is a submap! Version# = 0",
                                        "ERROR: file SUB.map is a submap! Version# = 0"}));
    EXPECT_EQ(readFile(folder_.path() / "out.map"), "precious");
    EXPECT_TRUE(host_.remembered.empty());
}

TEST_F(SavePipeline, OutputVersionIsTheLargestAndNeverNegative) {
    addSource("N1.map", MapBuilder{.version = -1});
    addSource("N5.map", MapBuilder{.version = -5});
    addSource("P7.map", MapBuilder{.version = 7});
    host_.answer = folder_.file("out.map");
    ASSERT_EQ(pw::runSave(request(pw::Layout::TopToBottom, {"N1.map", "N5.map"}), host_),
              pw::SaveOutcome::Saved);
    EXPECT_EQ(readFile(*host_.answer).substr(0, 3), "0\r\n");
    ASSERT_EQ(pw::runSave(request(pw::Layout::TopToBottom, {"N1.map", "P7.map", "N5.map"}), host_),
              pw::SaveOutcome::Saved);
    EXPECT_EQ(readFile(*host_.answer).substr(0, 3), "7\r\n");
}

TEST_F(SavePipeline, UncreatableOutputIsReportedAfterThePathWasStored) {
    addSource("A.map", MapBuilder{});
    fs::create_directory(folder_.path() / "taken.map");
    for (const auto& [target, why] :
         std::vector<std::pair<std::string, std::string>>{
             {folder_.file("taken.map"), "Not a regular file"},
             {folder_.file("no-such-folder/out.map"), "No such file or directory"}}) {
        host_.events.clear();
        host_.answer = target;
        const std::string before = host_.remembered;
        EXPECT_EQ(pw::runSave(request(pw::Layout::TopToBottom, {"A.map", "A.map"}), host_),
                  pw::SaveOutcome::WriteFailed);
        EXPECT_EQ(host_.events,
                  std::vector<std::string>({"ask " + before, "store " + target,
                                            "ERROR: unable to create file " + target + ": " + why}));
    }
    EXPECT_TRUE(fs::is_directory(folder_.path() / "taken.map"));
    EXPECT_TRUE(fs::is_empty(folder_.path() / "taken.map"));
    EXPECT_EQ(folderContents(), std::vector<std::string>({"A.map", "taken.map"}));
}

TEST_F(SavePipeline, DeviceAsOutputIsRefusedNotReplaced) {
    addSource("A.map", MapBuilder{});
    host_.answer = "/dev/null";
    EXPECT_EQ(pw::runSave(request(pw::Layout::TopToBottom, {"A.map", "A.map"}), host_),
              pw::SaveOutcome::WriteFailed);
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

// Writing over a source that is still being read must give the same map as writing
// anywhere else, in every layout.
TEST_F(SavePipeline, OutputMayBeOneOfTheSources) {
    const struct {
        pw::Layout layout;
        int count;
    } layouts[] = {
        {pw::Layout::TopToBottom, 4}, {pw::Layout::EndToEnd, 3}, {pw::Layout::Composite, 8}};
    MapBuilder big{.length = 300, .height = 200, .layers = "abcdefg"};
    big.labels.assign(2000, "12.5 3 Label text");
    for (const auto& [layout, count] : layouts) {
        for (int slot : {0, count - 1}) {
            std::vector<std::string> names;
            for (int i = 0; i < count; ++i) {
                names.push_back("S" + std::to_string(i) + ".map");
                addSource(names.back(), big);
            }
            host_.answer = folder_.file("elsewhere.map");
            ASSERT_EQ(pw::runSave(request(layout, names), host_), pw::SaveOutcome::Saved);
            host_.answer = folder_.file(names[static_cast<std::size_t>(slot)]);
            ASSERT_EQ(pw::runSave(request(layout, names), host_), pw::SaveOutcome::Saved);
            EXPECT_EQ(readFile(*host_.answer), readFile(folder_.path() / "elsewhere.map"))
                << pw::layoutName(layout) << " over slot " << slot;
        }
    }
}

TEST_F(SavePipeline, ReplacedOutputKeepsPermissionsAndLinks) {
    addSource("A.map", MapBuilder{});
    const fs::path real = folder_.path() / "real.map";
    writeFile(real, "old");
    ::chmod(real.c_str(), 0640);
    fs::create_symlink("real.map", folder_.path() / "link.map");
    host_.answer = folder_.file("link.map");
    ASSERT_EQ(pw::runSave(request(pw::Layout::TopToBottom, {"A.map", "A.map"}), host_),
              pw::SaveOutcome::Saved);
    EXPECT_TRUE(fs::is_symlink(folder_.path() / "link.map"));
    EXPECT_EQ(readFile(real).substr(0, 3), "1\r\n");
    struct stat info {};
    ASSERT_EQ(::stat(real.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640U);
    EXPECT_EQ(folderContents(), std::vector<std::string>({"A.map", "link.map", "real.map"}));
}

TEST_F(SavePipeline, SizeFailuresStopAtTheFirstOutsideComposite) {
    addSource("A.map", MapBuilder{});
    addSource("TALL.map", MapBuilder{.length = 5, .height = 3});
    addSource("LONG.map", MapBuilder{.length = 5});
    host_.answer = folder_.file("out.map");
    EXPECT_EQ(
        pw::runSave(request(pw::Layout::TopToBottom, {"A.map", "LONG.map", "TALL.map"}), host_),
        pw::SaveOutcome::CheckFailed);
    EXPECT_EQ(host_.events, std::vector<std::string>(
                                {"ERROR: file LONG.map length does not match file A.map; 4 <> 5"}));
    host_.events.clear();
    EXPECT_EQ(pw::runSave(request(pw::Layout::Composite,
                                  {"A.map", "A.map", "TALL.map", "LONG.map", "A.map", "LONG.map"}),
                          host_),
              pw::SaveOutcome::CheckFailed);
    EXPECT_EQ(host_.events, std::vector<std::string>(
                                {"ERROR: file TALL.map height does not match file A.map; 2 <> 3",
                                 "ERROR: file LONG.map length does not match file A.map; 4 <> 5"}));
}

}  // namespace
