// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the core and command-line tests share: temporary folders, whole files, map files
// made in memory and the one stand-in for whoever runs the save pipeline.

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/output/output_file.h"
#include "core/pipeline/pipeline_host.h"

namespace pw::test {

// A fresh folder below the system's temporary folder, removed with all it holds.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

std::string readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const std::string& bytes);

// One case of a table file: its fields and the line it stands on.
struct TableRow : std::vector<std::string> {
    int line = 0;
};
// The cases of a table file, one a line, its fields separated by tabs; a line that starts
// with # is none. In a field \r \n \t \0 \\ and \xHH stand for their bytes, {N*c} for N
// copies of c.
std::vector<TableRow> readRows(const std::filesystem::path& path);
// The same cases as plain fields.
std::vector<std::vector<std::string>> readTable(const std::filesystem::path& path);
// A parameterised test's name for a row: "line12".
std::string rowName(const TableRow& row);
// Names a parameterised test's rows by rowName(), as INSTANTIATE_TEST_SUITE_P's last part.
struct RowNamer {
    template <class ParamInfo>
    std::string operator()(const ParamInfo& info) const {
        return rowName(info.param);
    }
};
// How a failing row shows: its line and fields, each byte printable.
void PrintTo(const TableRow& row, std::ostream* out);
// Where two texts first differ, told briefly; empty when they are equal.
std::string firstDifference(const std::string& got, const std::string& expected);
// The words of a table field, split at blanks; '' is an empty word.
std::vector<std::string> words(const std::string& field);

// The text of a well-formed map file of version 1 with CR LF line ends: grids of `fill`,
// one block per layer letter with rows of that letter.
struct MapBuilder {
    int length = 4;
    int height = 2;
    int tally = 100;
    char fill = '.';
    std::string layers = "b";
    std::vector<std::string> labels = {"1.50 1 Hill"};

    std::string text() const;
};

// Records every call in order ("ask <start>", "store <path>", messages as shown) and
// answers the prompt with `answer` (and `picture`, where a companion draws one); nullopt
// cancels it.
class RecordingHost : public PipelineHost {
  public:
    std::vector<std::string> events;
    std::string remembered;
    std::optional<std::string> answer;
    std::string picture;

    void showError(const std::string& message) override { events.push_back(message); }
    std::string rememberedPath() override { return remembered; }
    void storeRememberedPath(const std::string& path) override {
        events.push_back("store " + path);
        remembered = path;
    }
    std::optional<SaveTarget> askTarget(const std::string& start) override {
        events.push_back("ask " + start);
        return answer ? std::optional(SaveTarget{*answer, picture}) : std::nullopt;
    }
    void reportSuccess(const std::string& message) override { events.push_back(message); }
};

// Collects what is written in memory; refuses bytes past `budget`, like a full disk.
struct MemoryOutput : OutputFile {
    explicit MemoryOutput(std::size_t limit = SIZE_MAX) : budget(limit) {}
    bool write(const char* data, std::size_t size) override {
        const bool fits = size <= budget - std::min(budget, bytes.size());
        bytes.append(data, fits ? size : 0);
        return fits;
    }
    bool commit() override { return true; }
    std::string errorString() const override { return "No space left on device"; }

    std::string bytes;
    std::size_t budget;
};

// A real output failing like a full disk after `budget` bytes, or at commit (or sync).
struct FaultyOutput : OutputFile {
    FaultyOutput(std::unique_ptr<OutputFile> file, std::size_t bytes, bool commitFails,
                 bool syncFails = false)
        : inner(std::move(file)), budget(bytes), failCommit(commitFails), failSync(syncFails) {}
    bool write(const char* data, std::size_t size) override {
        const std::size_t accepted = std::min(size, budget);
        budget -= accepted;
        return inner->write(data, accepted) && accepted == size;
    }
    bool sync() override { return !failSync && inner->sync(); }
    bool commit() override { return !failCommit && inner->commit(); }
    std::string errorString() const override { return "No space left on device"; }
    std::string writtenPath() const override { return inner->writtenPath(); }

    std::unique_ptr<OutputFile> inner;
    std::size_t budget;
    bool failCommit;
    bool failSync;
};

// "pages N\nsize WxH\n" of a PDF's bytes (its page tree and first page, in points).
std::string pdfSummary(const std::string& bytes);
// The summary, the pictures on each page ("pictures 1 0 0") and a digest of every byte but
// the time the PDF was made: whatever a sheet draws differently changes it.
std::string pdfFingerprint(const std::string& bytes);

}  // namespace pw::test
