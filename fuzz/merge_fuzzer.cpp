// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: one whole Save Map run on map panels made of the fuzzer's bytes.
//
// Input (fuzz/make_corpus.sh writes seeds so): byte 0 the layout (b % 3: Top-to-Bottom,
// End-to-End, Composite) and the (b / 3)-th of its counts; byte 1 bits 0-2 the direction,
// bit 3 the map set, bit 4 an output file exists before the run, bit 5 the prompt is
// cancelled, bit 6 the output lies in a missing folder, bit 7 it is a folder; bytes 2-3 two
// bits a slot, its mark (1 'L', 2 'R'); byte 4 a bit a slot, the slot is special; bytes 5-6
// a bit each a slot, the kind: 0 nothing chosen, 1 a missing file, 2 a folder, 3 the output.
// The rest: files separated by "\n=====\n", slot i taking file i modulo their number; an
// earlier output holds the last. The run ends in "ERROR" messages with nothing changed on
// disk, or in a well-formed output that merges again with itself, no row of it longer than
// its length (a source's row holding more than blanks past the length is refused); made of
// well-formed panels, its cells are theirs (or blanks for a layer a panel lacks), the rows
// of layer "b" at a junction as the junction fix-up (tested on its own) makes them.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <regex>
#include <sstream>

#include "core/assembly/junction.h"
#include "core/mapfile/map_format.h"
#include "core/pipeline/save_pipeline.h"
#include "test_support.h"

namespace fs = std::filesystem;
using pw::test::readFile;

namespace {

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "merge_fuzzer: broken invariant: %s\n", what);
        std::abort();
    }
}

// A well-formed map: its lines as the reader splits them (at LF, a CR before the LF being
// part of the line end) and its blocks: 0 and 1 the two grids, then the layers by letter.
struct MapText {
    std::int32_t version = 0, length = 0, height = 0;
    std::vector<std::string> lines;
    std::map<char, std::vector<std::string>> blocks;
};

// The header lines hold their numbers alone, a letter line its letter. A source's rows hold
// `length` cells each, the output's at most so many; the output's lines end with CR LF,
// and no label is empty.
std::optional<MapText> parseMap(std::string_view bytes, bool source) {
    MapText map;
    for (std::size_t start = 0, end; start < bytes.size(); start = end + 1) {
        end = std::min(bytes.find('\n', start), bytes.size());
        std::string line(bytes.substr(start, end - start));
        if (end < bytes.size() && line.ends_with('\r')) {
            line.pop_back();
        } else if (!source) {
            return std::nullopt;  // every output line ends with CR LF
        }
        map.lines.push_back(std::move(line));
    }
    const auto& lines = map.lines;
    std::int32_t tally = 0;
    std::istringstream head(lines.size() < 5 ? "" : lines[0] + "\n" + lines[1]);
    if (!(head >> map.version >> map.length >> map.height >> tally) || map.length < 0 ||
        map.height < 0 || map.length > pw::mostColumns() * pw::kMaxSide ||
        map.height > pw::mostRows() * pw::kMaxSide ||
        lines[0] + "\n" + lines[1] !=
            std::to_string(map.version) + "\n" + std::to_string(map.length) + " " +
                std::to_string(map.height) + " " + std::to_string(tally)) {
        return std::nullopt;
    }
    std::size_t at = 4;
    const auto block = [&](char key) {
        for (int i = 0; i < map.height; ++i, ++at) {
            if (at >= lines.size() || std::ssize(lines[at]) > map.length ||
                (source && std::ssize(lines[at]) != map.length)) {
                return false;
            }
            map.blocks[key].push_back(lines[at]);
        }
        return true;
    };
    if (!block(0) || !block(1)) {
        return std::nullopt;
    }
    for (char last = 1; at < lines.size() && lines[at] != std::string(1, pw::kEndOfLayers);) {
        const char letter = lines[at].size() == 1 ? lines[at++][0] : '?';
        if (!pw::isNextLayer(letter, last) || !block(letter)) {
            return std::nullopt;
        }
        last = letter;
    }
    const bool emptyLabel = std::any_of(lines.begin() + std::min(at + 1, lines.size()), lines.end(),
                                        [](const auto& line) { return line.empty(); });
    return at < lines.size() && (source || !emptyLabel) ? std::optional(std::move(map))
                                                        : std::nullopt;
}

// The output is its panels tiled by the layout: each block's rows are the panels' rows
// side by side, a blank row for a panel without the block, the rows of layer "b" that face
// a junction fixed by the slots' marks.
void checkTiling(const MapText& out, const std::vector<MapText>& panels,
                 const pw::MergeRequest& request, const pw::LayoutShape& shape) {
    const auto mark = [&](int slotRow, int column) {
        return slotRow < 0 || slotRow >= shape.rows
                   ? std::optional<pw::Mark>()
                   : request.slots[static_cast<std::size_t>(slotRow * shape.columns + column)].mark;
    };
    const auto length = static_cast<std::size_t>(panels[0].length);
    const auto height = static_cast<std::size_t>(panels[0].height);
    std::map<char, std::vector<std::string>> tiled;
    for (const MapText& panel : panels) {
        for (const auto& block : panel.blocks) {
            tiled[block.first].resize(static_cast<std::size_t>(shape.rows) * height);
        }
    }
    for (auto& [key, rows] : tiled) {
        for (std::size_t slot = 0; slot < panels.size(); ++slot) {
            const auto found = panels[slot].blocks.find(key);
            const int slotRow = shape.rowOf(static_cast<int>(slot));
            const int column = shape.columnOf(static_cast<int>(slot));
            for (std::size_t y = 0; y < height; ++y) {
                const bool present = found != panels[slot].blocks.end();
                std::string cells = present ? found->second[y] : std::string(length, ' ');
                if (key == 'b' && present) {
                    pw::fixJunctionRow(cells, {slotRow, shape.rows, static_cast<int>(y),
                                               static_cast<int>(height), mark(slotRow - 1, column),
                                               mark(slotRow, column), mark(slotRow + 1, column)});
                }
                rows[static_cast<std::size_t>(slotRow) * height + y] += cells;
            }
        }
    }
    int version = 0;
    for (const MapText& panel : panels) {
        version = std::max(version, panel.version);
    }
    require(out.version == version && std::size_t(out.length) == shape.columns * length &&
                out.blocks == tiled,
            "the output is not its panels tiled, or not of their largest version");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const pw::test::TempFolder work;
    const fs::path& folder = work.path();
    if (size < 7) {
        return -1;
    }
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        fs::remove_all(entry.path());
    }
    const auto layout = static_cast<pw::Layout>(data[0] % 3);
    const pw::CountRange counts = pw::countRange(layout);
    const int count =
        counts.first +
        counts.step * (data[0] / 3 % ((counts.last - counts.first) / counts.step + 1));
    const pw::LayoutShape shape = *pw::shapeFor(layout, count);
    const pw::Direction direction = *pw::directionFromIndex(data[1] & 7);
    const auto mapSet = static_cast<pw::MapSet>(data[1] >> 3 & 1);
    const bool existingOutput = data[1] & 0x10, cancel = data[1] & 0x20;
    const bool missingFolder = data[1] & 0x40, outputIsFolder = !missingFolder && data[1] & 0x80;

    std::vector<std::string> chunks;
    std::string_view rest(reinterpret_cast<const char*>(data) + 7, size - 7);
    for (std::size_t at; (at = rest.find("\n=====\n")) != std::string_view::npos;
         rest.remove_prefix(at + 7)) {
        chunks.emplace_back(rest.substr(0, at));
    }
    chunks.emplace_back(rest);
    // Larger maps are passed over, so that every run stays fast: the output has at most 25
    // blocks of rows as long as the longest source's.
    std::vector<fs::path> files;
    for (const std::string& chunk : chunks) {
        std::istringstream head(chunk);
        std::int32_t version = 0, length = 0, height = 0;
        head >> version >> length >> height;
        if (length > 0 && height > 0 && length <= pw::kMaxSide && height <= pw::kMaxSide &&
            std::uint64_t(height) * (length + 2U) * 25U * std::uint64_t(count) > (8U << 20)) {
            return -1;
        }
        files.push_back(folder / ("src" + std::to_string(files.size()) + ".map"));
        pw::test::writeFile(files.back(), chunk);
    }

    const fs::path plainOutput = folder / "out.map", subfolder = folder / "dir.map";
    fs::create_directory(subfolder);
    const fs::path output = missingFolder    ? folder / "nowhere" / "out.map"
                            : outputIsFolder ? subfolder
                                             : plainOutput;
    if (existingOutput) {
        pw::test::writeFile(plainOutput, chunks.back());
    }
    pw::MergeRequest request{layout, mapSet, direction, {}};
    std::vector<MapText> panels;  // while every slot is a well-formed panel
    for (int slot = 0; slot < count; ++slot) {
        const std::size_t chunk = static_cast<std::size_t>(slot) % chunks.size();
        fs::path path = files[chunk];
        if (data[4] >> slot & 1) {
            const unsigned kind = (data[5] >> slot & 1) | (data[6] >> slot & 1) << 1;
            path = kind == 0   ? fs::path()
                   : kind == 1 ? folder / "missing.map"
                   : kind == 2 ? subfolder
                               : plainOutput;
        }
        const unsigned marks = data[2] | unsigned{data[3]} << 8;
        request.slots.push_back({path.filename().string(), path.string(),
                                 pw::markOfLetter(" LR "[marks >> (2 * slot) & 3])});
        const std::string* text = path == files[chunk]                    ? &chunks[chunk]
                                  : path == plainOutput && existingOutput ? &chunks.back()
                                                                          : nullptr;
        if (auto panel = text ? parseMap(*text, true) : std::nullopt;
            panel && (panels.empty() ||
                      (panel->length == panels[0].length && panel->height == panels[0].height))) {
            panels.push_back(std::move(*panel));
        }
    }

    pw::test::RecordingHost host;
    host.answer = cancel ? std::nullopt : std::optional(output.string());
    const pw::SaveOutcome outcome = pw::runSave(request, host);
    const bool saved = outcome == pw::SaveOutcome::Saved;
    // The run's story, one letter an event: E an error, a the prompt, s the chosen path
    // stored, S success; each outcome tells one story.
    const std::string starts[] = {"ERROR", "ask ", "store " + output.string(),
                                  "New map file created successfully"};
    std::string story;
    for (const std::string& event : host.events) {
        story +=
            "EasS?"[std::find_if(std::begin(starts), std::end(starts),
                                 [&event](const auto& start) { return event.starts_with(start); }) -
                    std::begin(starts)];
    }
    const char* const stories[] = {"asS", "E+", "a", "asE"};  // in the order of SaveOutcome
    require(std::regex_match(story, std::regex(stories[static_cast<int>(outcome)])) &&
                (outcome == pw::SaveOutcome::Cancelled) == (cancel && story == "a"),
            "the outcome disagrees with the messages");
    for (std::size_t i = 0; i < chunks.size(); ++i) {
        require(readFile(files[i]) == chunks[i], "a source file changed");
    }
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        require(!entry.path().filename().string().starts_with('.'),
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
    const std::optional<MapText> out = parseMap(bytes, false);
    require(out.has_value(), "the output is not a well-formed map");
    if (std::ssize(panels) == count) {
        checkTiling(*out, panels, request, shape);
    }
    if (out->version != 0 && out->length <= pw::kMaxSide && out->height <= pw::kMaxSide &&
        bytes.size() <= (1U << 20)) {
        pw::MergeRequest again{pw::Layout::TopToBottom, mapSet, pw::Direction::N, {}};
        again.slots.assign(2, {"out.map", plainOutput.string(), std::nullopt});
        pw::test::RecordingHost second;
        second.answer = (folder / "again.map").string();
        require(pw::runSave(again, second) == pw::SaveOutcome::Saved,
                "a saved output is no source");
        require(readFile(plainOutput) == bytes, "a source of the re-merge changed");
    }
    return 0;
}
