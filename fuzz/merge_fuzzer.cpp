// libFuzzer target: one whole Save Map run on map panels made of the fuzzer's bytes.
//
// Input layout (see fuzz/make_corpus.sh, which writes seeds in this form):
//   byte 0   layout and count: layout = b % 3 (Top-to-Bottom, End-to-End, Composite),
//            count = the (b / 3)-th of that layout's counts, wrapping
//   byte 1   bits 0-2 top-edge direction, bit 3 map set, bit 4 an output file exists
//            before the run, bit 5 the save prompt is cancelled, bit 6 the output path
//            lies in a folder that does not exist, bit 7 the output path is a folder
//   byte 2-3 L/R marks, two bits per slot (little endian): 0 and 3 blank, 1 'L', 2 'R'
//   byte 4   one bit per slot: the slot is special instead of naming a source file
//   byte 5-6 one bit each per slot, the special kind: 0 nothing chosen, 1 a missing
//            file, 2 a folder, 3 the output path itself
//   rest     the source files, separated by kSeparator; slot i takes file i modulo
//            their number. The file existing at the output path before the run, if
//            any, holds the last of them.
//
// Whatever the bytes, the run must end in a complete output or in "ERROR" messages with
// nothing changed on disk.

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/composer/save_pipeline.h"
#include "core/mapfile/line_reader.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kSeparator = "\n=====\n";
constexpr std::size_t kHeaderSize = 7;
// The most bytes one run may make its output write; larger declared maps are passed over
// so that every run stays fast.
constexpr std::uint64_t kOutputBudget = 8u << 20;
// The output is merged with itself once more only when it is at most this large.
constexpr std::uintmax_t kRemergeLimit = 1u << 20;
constexpr std::string_view kLayerLetters = "abcdefghijklmnopqrstuvw";

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "merge_fuzzer: broken invariant: %s\n", what);
    std::fflush(stderr);
    std::abort();
}

void require(bool condition, const char* what) {
    if (!condition) {
        fail(what);
    }
}

const fs::path& workFolder() {
    static const fs::path folder = [] {
        std::string pattern = (fs::temp_directory_path() / "pw-merge-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            fail("cannot make the work folder");
        }
        std::atexit([] {
            std::error_code ignored;
            fs::remove_all(workFolder(), ignored);
        });
        return fs::path(pattern);
    }();
    return folder;
}

void clearFolder(const fs::path& folder) {
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        fs::remove_all(entry.path());
    }
}

void writeFile(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    require(static_cast<bool>(out), "cannot write an input file");
}

std::optional<std::string> readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string_view> splitSources(std::string_view rest) {
    std::vector<std::string_view> chunks;
    for (;;) {
        const std::size_t at = rest.find(kSeparator);
        if (at == std::string_view::npos) {
            chunks.push_back(rest);
            return chunks;
        }
        chunks.push_back(rest.substr(0, at));
        rest.remove_prefix(at + kSeparator.size());
    }
}

struct Shape {
    pw::Layout layout;
    int rows;
    int columns;
};

Shape shapeOf(std::uint8_t selector) {
    static constexpr std::array<int, 3> topToBottom{2, 3, 4};
    static constexpr std::array<int, 2> endToEnd{2, 3};
    static constexpr std::array<int, 3> composite{4, 6, 8};
    const int which = selector / 3;
    switch (selector % 3) {
        case 0:
            return {pw::Layout::TopToBottom, topToBottom[which % 3], 1};
        case 1:
            return {pw::Layout::EndToEnd, 1, endToEnd[which % 2]};
        default:
            return {pw::Layout::Composite, composite[which % 3] / 2, 2};
    }
}

char markOf(unsigned bits) {
    switch (bits & 3u) {
        case 1:
            return 'L';
        case 2:
            return 'R';
        default:
            return ' ';
    }
}

// Version, length and height at the head of a map file, as the pipeline reads them.
struct Head {
    std::int32_t version = 0;
    std::int32_t length = 0;
    std::int32_t height = 0;
};

std::optional<Head> readHead(const fs::path& path) {
    std::optional<pw::LineReader> reader = pw::LineReader::open(path.string());
    Head head;
    if (!reader || !reader->readInt(head.version) || !reader->readInt(head.length) ||
        !reader->readInt(head.height)) {
        return std::nullopt;
    }
    return head;
}

// An upper bound of the bytes a merge of these sources may write: every layer letter
// that starts some line may become a layer block of blank rows.
std::uint64_t outputEstimate(const std::vector<std::string_view>& chunks,
                             const std::vector<fs::path>& files, int slots) {
    std::array<bool, 256> starts{};
    std::uint64_t inputBytes = 0;
    for (std::string_view chunk : chunks) {
        inputBytes += chunk.size();
        bool lineStart = true;
        for (char c : chunk) {
            if (lineStart) {
                starts[static_cast<unsigned char>(c)] = true;
            }
            lineStart = c == '\n';
        }
    }
    std::uint64_t letters = 0;
    for (char letter : kLayerLetters) {
        letters += starts[static_cast<unsigned char>(letter)] ? 1 : 0;
    }
    std::uint64_t largest = 0;
    for (const fs::path& file : files) {
        const std::optional<Head> head = readHead(file);
        if (head && head->length >= 0 && head->length <= 999 && head->height >= 0 &&
            head->height <= 999) {
            const auto length = static_cast<std::uint64_t>(head->length);
            const auto height = static_cast<std::uint64_t>(head->height);
            const std::uint64_t bytes =
                static_cast<std::uint64_t>(slots) * height * ((length + 2) * letters + 4);
            largest = std::max(largest, bytes);
        }
    }
    return largest + 4 * inputBytes + 4096;
}

class FuzzHost final : public pw::PipelineHost {
  public:
    FuzzHost(std::string outputPath, bool cancel)
        : outputPath_(std::move(outputPath)), cancel_(cancel) {}

    void showError(const std::string& message) override {
        require(message.rfind("ERROR", 0) == 0, "an error message does not begin with ERROR");
        errors.push_back(message);
    }
    std::string rememberedPath() override { return remembered_; }
    void storeRememberedPath(const std::string& path) override {
        require(path == outputPath_, "the remembered path is not the chosen one");
        remembered_ = path;
    }
    std::optional<std::string> askOutputPath(const std::string& /*remembered*/) override {
        ++asks;
        if (cancel_) {
            return std::nullopt;
        }
        return outputPath_;
    }
    void reportSuccess(const std::string& message) override {
        require(message == "New map file created successfully", "wrong success message");
        ++successes;
    }

    std::vector<std::string> errors;
    int asks = 0;
    int successes = 0;

  private:
    std::string outputPath_;
    bool cancel_;
    std::string remembered_;
};

bool hasHiddenEntry(const fs::path& folder) {
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.path().filename().string().front() == '.') {
            return true;
        }
    }
    return false;
}

// The junction fix-ups of layer "b" add 1, 8 or 31 to a cell's byte; a tab, 0x02 or 0xEB
// in the source so becomes a line feed inside a row, as the byte arithmetic has it.
bool fixUpMayMakeLineFeed(const std::vector<std::string_view>& sources) {
    for (std::string_view source : sources) {
        if (source.find_first_of(std::string_view("\x09\x02\xEB", 3)) != std::string_view::npos) {
            return true;
        }
    }
    return false;
}

// Every line the writer ends, ends with CR LF: no LF stands alone in the output.
bool everyLineEndIsCrLf(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) {
            return false;
        }
    }
    return bytes.size() >= 2 && bytes.substr(bytes.size() - 2) == "\r\n";
}

// The header lines the output must carry.
void checkOutputHeader(const fs::path& output, const Head& source, const Shape& shape,
                       int direction, Head& written) {
    std::optional<pw::LineReader> reader = pw::LineReader::open(output.string());
    require(reader.has_value(), "the saved output cannot be opened");
    std::int32_t tally = 0;
    require(reader->readInt(written.version) && reader->readInt(written.length) &&
                reader->readInt(written.height) && reader->readInt(tally),
            "the saved output does not begin with its version and size");
    require(written.length == shape.columns * source.length &&
                written.height == shape.rows * source.height,
            "the saved output's size is not the tiled size of its sources");
    std::string line;
    require(reader->readLine(line) && line.empty(), "text after the output's size");
    require(reader->readLine(line) && line == "0 10 20 30 40 50 60 70 80 90 100 110 120 130 -1",
            "the output's value list line");
    require(reader->readLine(line) && line == std::to_string(direction) + " 4",
            "the output's direction line");
}

// The output of a merge is itself a map that the pipeline takes as a source.
void remergeOutput(const fs::path& folder, const fs::path& output, int mapSet) {
    const fs::path again = folder / "again.map";
    const std::optional<std::string> before = readFile(output);
    pw::MergeRequest request;
    request.layout = pw::Layout::TopToBottom;
    request.mapSetIndex = mapSet;
    request.direction = 0;
    for (int i = 0; i < 2; ++i) {
        request.slots.push_back({"out.map", output.string(), ' '});
    }
    FuzzHost host(again.string(), false);
    const pw::SaveOutcome outcome = pw::runSave(request, host);
    if (outcome != pw::SaveOutcome::Saved || !host.errors.empty()) {
        for (const std::string& message : host.errors) {
            std::fprintf(stderr, "%s\n", message.c_str());
        }
        fail("a saved output is not accepted as a source of a Top-to-Bottom merge");
    }
    require(fs::is_regular_file(again), "the re-merged output is missing");
    require(readFile(output) == before, "a source of the re-merge changed");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < kHeaderSize) {
        return -1;
    }
    const fs::path& folder = workFolder();
    clearFolder(folder);

    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const Shape shape = shapeOf(data[0]);
    const int slots = shape.rows * shape.columns;
    const int direction = data[1] & 7;
    const int mapSet = (data[1] >> 3) & 1;
    const bool existingOutput = (data[1] & 0x10) != 0;
    const bool cancel = (data[1] & 0x20) != 0;
    const bool outputInMissingFolder = (data[1] & 0x40) != 0;
    const bool outputIsFolder = !outputInMissingFolder && (data[1] & 0x80) != 0;
    const unsigned marks = data[2] | (unsigned{data[3]} << 8);
    const unsigned special = data[4];
    const unsigned kindLow = data[5];
    const unsigned kindHigh = data[6];

    const std::vector<std::string_view> chunks = splitSources(bytes.substr(kHeaderSize));
    std::vector<fs::path> files;
    for (std::size_t i = 0; i < chunks.size(); ++i) {
        files.push_back(folder / ("src" + std::to_string(i) + ".map"));
        writeFile(files.back(), chunks[i]);
    }
    if (outputEstimate(chunks, files, slots) > kOutputBudget) {
        return -1;  // a legal map, but too large to write in every run
    }

    const fs::path plainOutput = folder / "out.map";
    const fs::path subfolder = folder / "dir.map";
    fs::create_directory(subfolder);
    fs::path output = plainOutput;
    if (outputInMissingFolder) {
        output = folder / "nowhere" / "out.map";
    } else if (outputIsFolder) {
        output = subfolder;
    }
    const std::string_view previous = chunks.back();
    if (existingOutput) {
        writeFile(plainOutput, previous);
    }

    pw::MergeRequest request;
    request.layout = shape.layout;
    request.mapSetIndex = mapSet;
    request.direction = direction;
    std::optional<Head> firstHead;
    for (int slot = 0; slot < slots; ++slot) {
        pw::SourceSlot source;
        source.mark = markOf(marks >> (2 * slot));
        const auto chunk = static_cast<std::size_t>(slot) % chunks.size();
        if ((special >> slot & 1u) == 0) {
            source.name = files[chunk].filename().string();
            source.path = files[chunk].string();
        } else {
            switch ((kindLow >> slot & 1u) | (kindHigh >> slot & 1u) << 1) {
                case 0:  // nothing chosen
                    break;
                case 1:
                    source.name = "missing" + std::to_string(slot) + ".map";
                    source.path = (folder / source.name).string();
                    break;
                case 2:
                    source.name = subfolder.filename().string();
                    source.path = subfolder.string();
                    break;
                default:
                    source.name = plainOutput.filename().string();
                    source.path = plainOutput.string();
                    break;
            }
        }
        if (slot == 0 && !source.path.empty()) {
            firstHead = readHead(source.path);
        }
        request.slots.push_back(std::move(source));
    }

    FuzzHost host(output.string(), cancel);
    const pw::SaveOutcome outcome = pw::runSave(request, host);

    switch (outcome) {
        case pw::SaveOutcome::Saved:
            require(host.errors.empty() && host.successes == 1 && host.asks == 1,
                    "Saved with an error shown, or without one success report");
            break;
        case pw::SaveOutcome::Cancelled:
            require(cancel && host.errors.empty() && host.successes == 0 && host.asks == 1,
                    "Cancelled without a cancelled prompt, or with a message");
            break;
        case pw::SaveOutcome::CheckFailed:
            require(!host.errors.empty() && host.successes == 0 && host.asks == 0,
                    "CheckFailed without an error, or after asking for the output");
            break;
        case pw::SaveOutcome::WriteFailed:
            require(!host.errors.empty() && host.successes == 0 && host.asks == 1,
                    "WriteFailed without an error");
            break;
    }

    for (std::size_t i = 0; i < chunks.size(); ++i) {
        require(readFile(files[i]) == std::string(chunks[i]), "a source file changed");
    }
    require(!hasHiddenEntry(folder), "a temporary file was left behind");
    require(!fs::exists(folder / "nowhere"), "a missing output folder was made");
    require(fs::is_directory(subfolder) && fs::is_empty(subfolder), "the folder changed");

    const bool saved = outcome == pw::SaveOutcome::Saved;
    if (output == plainOutput) {
        if (!saved) {
            if (existingOutput) {
                require(readFile(plainOutput) == std::string(previous),
                        "a failed run changed the existing output file");
            } else {
                require(!fs::exists(plainOutput), "a failed run left an output file");
            }
        }
    } else {
        require(!saved, "a save into a folder or a missing folder succeeded");
        require(existingOutput == fs::exists(plainOutput), "an output appeared elsewhere");
    }

    if (!saved) {
        return 0;
    }
    require(fs::is_regular_file(plainOutput), "Saved without an output file");
    require(firstHead.has_value(), "Saved although the first source has no size");
    Head written;
    checkOutputHeader(plainOutput, *firstHead, shape, direction, written);
    const std::uintmax_t outputSize = fs::file_size(plainOutput);
    if (outputSize <= kOutputBudget && !fixUpMayMakeLineFeed(chunks)) {
        const std::optional<std::string> content = readFile(plainOutput);
        require(content && everyLineEndIsCrLf(*content), "an output line does not end in CR LF");
    }
    if (written.version != 0 && written.length <= 999 && written.height <= 999 &&
        outputSize <= kRemergeLimit) {
        remergeOutput(folder, plainOutput, mapSet);
    }
    return 0;
}
