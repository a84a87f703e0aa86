// libFuzzer target: one whole Save Map run on map panels made of the fuzzer's bytes.
//
// Input layout (fuzz/make_corpus.sh writes seeds in this form):
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
// Whatever the bytes, the run ends in "ERROR" messages with nothing changed on disk, or
// in a well-formed output: every line ends in CR LF, each grid and layer block holds the
// rows its header announces, the layer letters follow the table and end with "x", and
// the output merges again with itself. When the sources are well-formed panels, every
// cell of the output is the cell of its source (or a blank where a source lacks a layer),
// but for the junction cells of layer "b".

#include <QByteArray>
#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "core/composer/save_pipeline.h"
#include "core/mapfile/line_reader.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kSeparator = "\n=====\n";
constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvw";
constexpr std::uint64_t kOutputBudget = 8u << 20;  // larger declared maps are passed over
constexpr std::uintmax_t kRemergeLimit = 1u << 20;

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "merge_fuzzer: broken invariant: %s\n", what);
        std::abort();
    }
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const fs::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::ssize(bytes));
    require(fs::file_size(path) == bytes.size(), "cannot write an input file");
}

// A map file as its lines say, the way the reader splits them: at LF, a CR before the LF
// being part of the line end.
struct MapText {
    std::int32_t version = 0, length = 0, height = 0;
    std::vector<std::string> lines;
    std::vector<std::string> grids;  // both grids, 2 * height rows
    std::vector<std::pair<char, std::vector<std::string>>> layers;
    std::size_t labels = 0;  // the first line after "x"
};

std::optional<std::int32_t> number(std::string_view text) {
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && !text.empty()
               ? std::optional(value)
               : std::nullopt;
}

// The map when it is well-formed. A source's rows hold `length` cells each, and its size
// line and letter lines may carry more text; the output's lines hold nothing more.
std::optional<MapText> parseMap(std::string_view bytes, bool source) {
    MapText map;
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
        std::string line(bytes.substr(start, end - start));
        if (end < bytes.size() && !line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        map.lines.push_back(std::move(line));
        start = end + 1;
    }
    const auto& lines = map.lines;
    if (lines.size() < 5 || !number(lines[0])) {
        return std::nullopt;
    }
    map.version = *number(lines[0]);
    std::string_view size = lines[1];
    std::int32_t values[3] = {};  // length, height, tally
    for (std::int32_t& value : values) {
        const std::size_t gap = std::min(size.find(' '), size.size());
        const std::optional<std::int32_t> parsed = number(size.substr(0, gap));
        if (!parsed) {
            return std::nullopt;
        }
        value = *parsed;
        size.remove_prefix(std::min(gap + 1, size.size()));
    }
    map.length = values[0];
    map.height = values[1];
    if (map.length < 0 || map.height < 0 || map.length > 2997 || map.height > 3996) {
        return std::nullopt;
    }
    std::size_t at = 4;
    const auto rows = [&](std::vector<std::string>& into, int count) {
        for (int i = 0; i < count; ++i, ++at) {
            if (at >= lines.size() || (source && std::ssize(lines[at]) != map.length)) {
                return false;
            }
            into.push_back(lines[at]);
        }
        return true;
    };
    const auto letterOf = [&](const std::string& line) {
        return line.empty() || (!source && line.size() > 1) ? '?' : line[0];
    };
    if ((!source && !size.empty()) || !rows(map.grids, 2 * map.height)) {
        return std::nullopt;
    }
    for (std::size_t next = 0; at < lines.size() && letterOf(lines[at]) != 'x';) {
        const std::size_t letter = kLetters.find(letterOf(lines[at]));
        if (letter == std::string_view::npos || letter < next) {
            return std::nullopt;
        }
        next = letter + 1;
        map.layers.emplace_back(lines[at++][0], std::vector<std::string>());
        if (!rows(map.layers.back().second, map.height)) {
            return std::nullopt;
        }
    }
    map.labels = at + 1;
    return at < lines.size() ? std::optional(std::move(map)) : std::nullopt;
}

class FuzzHost final : public pw::PipelineHost {
  public:
    FuzzHost(std::string outputPath, bool cancel)
        : outputPath_(std::move(outputPath)), cancel_(cancel) {}
    void showError(const std::string& message) override {
        require(message.rfind("ERROR", 0) == 0, "an error message does not begin with ERROR");
        errors.push_back(message);
    }
    std::string rememberedPath() override { return {}; }
    void storeRememberedPath(const std::string& path) override {
        require(path == outputPath_, "the remembered path is not the chosen one");
    }
    std::optional<std::string> askOutputPath(const std::string&) override {
        ++asks;
        return cancel_ ? std::nullopt : std::optional(outputPath_);
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
};

// The rows a layout tiles its sources into, and the cells each output row is made of.
void checkTiling(const MapText& out, const std::vector<MapText>& sources,
                 const pw::LayoutShape& shape) {
    const int length = sources[0].length, height = sources[0].height;
    const auto sourceRow = [&](int slot, char letter, int row) {
        const MapText& source = sources[static_cast<std::size_t>(slot)];
        if (letter == 0) {
            return source.grids[static_cast<std::size_t>(row)];
        }
        for (const auto& [layer, rows] : source.layers) {
            if (layer == letter) {
                return rows[static_cast<std::size_t>(row)];
            }
        }
        return std::string(static_cast<std::size_t>(length), ' ');
    };
    std::vector<char> blocks = {0, 0};  // both grids, then every letter some source has
    for (char letter : kLetters) {
        for (const MapText& source : sources) {
            for (const auto& layer : source.layers) {
                if (layer.first == letter && blocks.back() != letter) {
                    blocks.push_back(letter);
                }
            }
        }
    }
    require(out.layers.size() + 2 == blocks.size(), "a layer block is missing or added");
    for (std::size_t block = 0; block < blocks.size(); ++block) {
        const char letter = blocks[block];
        require(block < 2 || out.layers[block - 2].first == letter, "a layer block's letter");
        const auto& rows = block < 2 ? out.grids : out.layers[block - 2].second;
        const int first = block == 1 ? shape.rows * height : 0;
        for (int row = 0; row < shape.rows * height; ++row) {
            const std::string& got = rows[static_cast<std::size_t>(first + row)];
            require(std::ssize(got) == shape.columns * length, "an output row's length");
            const int y = row % height + (block == 1 ? height : 0);
            const bool junction = letter == 'b' && (y == 0 || y == height - 1);
            for (int column = 0; column < shape.columns; ++column) {
                const std::string cells =
                    sourceRow(row / height * shape.columns + column, letter, y);
                for (int x = 0; x < length; ++x) {
                    const bool junctionCell = x >= 7 && x <= 24 && (x % 8 == 7 || x % 8 == 0);
                    require(got[static_cast<std::size_t>(column * length + x)] ==
                                    cells[static_cast<std::size_t>(x)] ||
                                (junction && junctionCell),
                            "an output cell is not its source's cell");
                }
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 7) {
        return -1;
    }
    static const fs::path folder = [] {
        std::string pattern = (fs::temp_directory_path() / "pw-merge-fuzz-XXXXXX").string();
        require(::mkdtemp(pattern.data()) != nullptr, "cannot make the work folder");
        std::atexit([] { fs::remove_all(folder); });
        return fs::path(pattern);
    }();
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        fs::remove_all(entry.path());
    }

    const auto layout = static_cast<pw::Layout>(data[0] % 3);
    const pw::CountRange counts = pw::countRange(layout);
    const int count =
        counts.first +
        counts.step * (data[0] / 3 % ((counts.last - counts.first) / counts.step + 1));
    const pw::LayoutShape shape = *pw::shapeFor(layout, count);
    const int direction = data[1] & 7, mapSet = data[1] >> 3 & 1;
    const bool existingOutput = data[1] & 0x10, cancel = data[1] & 0x20;
    const bool missingFolder = data[1] & 0x40, outputIsFolder = !missingFolder && data[1] & 0x80;
    const unsigned marks = data[2] | unsigned{data[3]} << 8;

    std::vector<std::string> chunks;
    std::string_view rest(reinterpret_cast<const char*>(data) + 7, size - 7);
    for (std::size_t at; (at = rest.find(kSeparator)) != std::string_view::npos;
         rest.remove_prefix(at + kSeparator.size())) {
        chunks.emplace_back(rest.substr(0, at));
    }
    chunks.emplace_back(rest);
    // A cheap bound of the output: every layer letter may give a block of blank rows.
    std::uint64_t largest = 0, letters = 0;
    for (char letter : kLetters) {
        letters += std::any_of(chunks.begin(), chunks.end(), [&](const std::string& chunk) {
            return ("\n" + chunk).find(std::string{'\n', letter}) != std::string::npos;
        });
    }
    std::vector<fs::path> files;
    for (std::size_t i = 0; i < chunks.size(); ++i) {
        files.push_back(folder / ("src" + std::to_string(i) + ".map"));
        writeFile(files.back(), chunks[i]);
        pw::LineReader head = pw::LineReader::fromBytes(QByteArray::fromStdString(chunks[i]));
        std::int32_t version = 0, length = 0, height = 0;
        if (head.readInt(version) && head.readInt(length) && head.readInt(height) && length >= 0 &&
            length <= 999 && height >= 0 && height <= 999) {
            largest = std::max<std::uint64_t>(largest,
                                              std::uint64_t(height) * (length + 2) * (letters + 2));
        }
        largest += 4 * chunks[i].size();
    }
    if (largest * std::uint64_t(count) > kOutputBudget) {
        return -1;
    }

    const fs::path plainOutput = folder / "out.map", subfolder = folder / "dir.map";
    fs::create_directory(subfolder);
    const fs::path output = missingFolder    ? folder / "nowhere" / "out.map"
                            : outputIsFolder ? subfolder
                                             : plainOutput;
    if (existingOutput) {
        writeFile(plainOutput, chunks.back());
    }
    pw::MergeRequest request{layout, mapSet, direction, {}};
    std::vector<std::optional<MapText>> panels;
    for (int slot = 0; slot < count; ++slot) {
        const char mark = " LR "[marks >> (2 * slot) & 3];
        const std::size_t chunk = static_cast<std::size_t>(slot) % chunks.size();
        fs::path path = files[chunk];
        if (data[4] >> slot & 1) {
            const unsigned kind = (data[5] >> slot & 1) | (data[6] >> slot & 1) << 1;
            path = kind == 0   ? fs::path()
                   : kind == 1 ? folder / "missing.map"
                   : kind == 2 ? subfolder
                               : plainOutput;
        }
        request.slots.push_back({path.filename().string(), path.string(), mark});
        const bool isChunk = path == files[chunk] || (path == plainOutput && existingOutput);
        panels.push_back(isChunk
                             ? parseMap(path == plainOutput ? chunks.back() : chunks[chunk], true)
                             : std::nullopt);
    }

    FuzzHost host(output.string(), cancel);
    const pw::SaveOutcome outcome = pw::runSave(request, host);
    for (auto& p : panels) std::fprintf(stderr, " %d", p ? 1 : 0);
    std::fprintf(stderr, "\n");
    const bool saved = outcome == pw::SaveOutcome::Saved;
    require(saved == (host.successes == 1) &&
                host.errors.empty() == (saved || outcome == pw::SaveOutcome::Cancelled),
            "the outcome disagrees with the messages");
    require(host.asks == (outcome != pw::SaveOutcome::CheckFailed),
            "asked before the checks were done");
    require(outcome != pw::SaveOutcome::Cancelled || cancel,
            "cancelled without a cancelled prompt");
    for (std::size_t i = 0; i < chunks.size(); ++i) {
        require(readFile(files[i]) == chunks[i], "a source file changed");
    }
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        require(entry.path().filename().string().front() != '.',
                "a temporary file was left behind");
    }
    require(!fs::exists(folder / "nowhere") && fs::is_empty(subfolder), "a folder changed");
    require(!saved || output == plainOutput, "a save into a folder or a missing folder succeeded");
    if (!saved) {
        require(existingOutput ? readFile(plainOutput) == chunks.back() : !fs::exists(plainOutput),
                "a failed run changed the output path");
        return 0;
    }

    const std::string bytes = readFile(plainOutput);
    for (std::size_t at = bytes.find('\n'); at != std::string::npos;
         at = bytes.find('\n', at + 1)) {
        require(at > 0 && bytes[at - 1] == '\r', "a line feed without its carriage return");
    }
    require(bytes.ends_with("\r\n"), "the last line has no line end");
    const std::optional<MapText> out = parseMap(bytes, false);
    require(out.has_value(), "the output is not a well-formed map");
    require(out->lines[2] == "0 10 20 30 40 50 60 70 80 90 100 110 120 130 -1",
            "the value list line");
    require(out->lines[3] == std::to_string(direction) + " 4", "the direction line");
    for (std::size_t label = out->labels; label < out->lines.size(); ++label) {
        require(!out->lines[label].empty(), "an empty label line");
    }
    if (std::all_of(panels.begin(), panels.end(), [&](const auto& panel) {
            return panel && panel->length == panels[0]->length &&
                   panel->height == panels[0]->height;
        })) {
        int version = 0;
        for (const auto& panel : panels) {
            version = std::max(version, panel->version);
        }
        require(out->version == version, "the output's version is not the largest");
        require(out->length == shape.columns * panels[0]->length &&
                    out->height == shape.rows * panels[0]->height,
                "the output's size is not the tiled size of its sources");
        std::vector<MapText> sources;
        for (const auto& panel : panels) {
            sources.push_back(*panel);
        }
        checkTiling(*out, sources, shape);
    }
    if (out->version != 0 && out->length <= 999 && out->height <= 999 &&
        bytes.size() <= kRemergeLimit) {
        pw::MergeRequest again{pw::Layout::TopToBottom, mapSet, 0, {}};
        again.slots.assign(2, {"out.map", plainOutput.string(), ' '});
        FuzzHost second((folder / "again.map").string(), false);
        const pw::SaveOutcome remerged = pw::runSave(again, second);
        for (const std::string& message : second.errors) {
            std::fprintf(stderr, "%s\n", message.c_str());
        }
        require(remerged == pw::SaveOutcome::Saved, "a saved output is no source");
        require(readFile(plainOutput) == bytes, "a source of the re-merge changed");
    }
    return 0;
}
