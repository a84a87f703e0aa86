// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/map_cells.h"

#include <charconv>
#include <cmath>

#include "core/common/file_path.h"
#include "core/common/messages.h"
#include "core/mapfile/direction.h"
#include "core/mapfile/map_format.h"

namespace pw {
namespace {

// Labels beyond this many are read past but not drawn.
constexpr std::size_t kMaxLabels = 10000;
// Merges copy label lines whole, so a small map may hold long ones; more than a picture
// can show of a label is passed over.
constexpr std::size_t kLabelLimit = 1024;
// The direction line holds at most 79 characters.
constexpr std::size_t kDirectionLimit = 79;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view skipBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    return text;
}

std::optional<float> takeNumber(std::string_view& text) {
    text = skipBlanks(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    float value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || !std::isfinite(value)) {
        return std::nullopt;
    }
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return value;
}

// "x y text"; nothing for a line that does not start with two numbers or has no text.
std::optional<MapLabel> parseLabel(std::string_view line) {
    const std::optional<float> x = takeNumber(line);
    const std::optional<float> y = x ? takeNumber(line) : std::nullopt;
    if (!y) {
        return std::nullopt;
    }
    MapLabel label{*x, *y,
                   QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size())).trimmed()};
    if (label.text.isEmpty()) {
        return std::nullopt;
    }
    return label;
}

// The direction line starts with the index of the top edge's compass point.
int parseDirection(std::string_view line) {
    line = skipBlanks(line);
    int value = -1;
    const auto [end, ec] = std::from_chars(line.data(), line.data() + line.size(), value);
    return ec == std::errc() && value >= 0 && value < std::ssize(kDirectionNames) ? value : -1;
}

// Reads the four header lines, leaving `reader` at the first grid.
MapOutline readOutlineHeader(LineReader& reader, const std::string& name) {
    MapOutline outline;
    const HeaderRead read = readHeader(reader, name, kRenderedMapRules);
    if (read.problem) {
        outline.problem = read.problem;
        return outline;
    }
    outline.length = read.header.length;
    outline.height = read.header.height;
    reader.skipLine();  // the value list line
    outline.direction =
        parseDirection(reader.readLineHead(kDirectionLimit).value_or(std::string_view()));
    return outline;
}

void skipLines(LineReader& reader, int count) {
    for (int i = 0; i < count; ++i) {
        reader.skipLine();
    }
}

// Goes through the layer blocks, stopping at the start of `wanted`'s rows (true) or past
// the last layer (false; 0 wants none). A letter out of table order ends the layers the
// way it ends them for a merge: the labels follow.
bool findLayer(LineReader& reader, int height, char wanted) {
    char previous = 0;
    while (const std::optional<char> read = reader.readLetterLine()) {
        const char letter = *read;
        if (!isNextLayer(letter, previous)) {
            return false;
        }
        if (letter == wanted) {
            return true;
        }
        previous = letter;
        skipLines(reader, height);
    }
    return false;
}

std::optional<LineReader> openAtGrids(const MapSource& source, int& height) {
    std::optional<LineReader> reader = source.open();
    if (reader) {
        height = readOutlineHeader(*reader, source.name).height;
    }
    return reader;
}

}  // namespace

MapSource MapSource::file(const std::string& path) {
    MapSource source{escapedName(path), [path] { return LineReader::open(path); }, {}};
    if (!pathRoundTrips(path)) {
        source.problem = Problem{messages::nameNotUtf8(source.name)};
    }
    return source;
}

MapSource MapSource::bytes(const QByteArray& bytes, std::string name) {
    return {std::move(name), [bytes] { return std::optional(LineReader::fromBytes(bytes)); }, {}};
}

MapOutline readOutline(const MapSource& source, const RenderOptions& options) {
    std::optional<LineReader> reader = source.problem ? std::nullopt : source.open();
    if (!reader) {
        MapOutline outline;
        outline.problem = source.problem.value_or(Problem{messages::unableToOpen(source.name)});
        return outline;
    }
    MapOutline outline = readOutlineHeader(*reader, source.name);
    if (outline.problem || !options.labels) {
        return outline;
    }
    skipLines(*reader, 2 * outline.height);
    findLayer(*reader, outline.height, 0);
    while (const std::optional<std::string_view> line = reader->readLineHead(kLabelLimit)) {
        if (outline.labels.size() < kMaxLabels) {
            if (std::optional<MapLabel> label = parseLabel(*line)) {
                outline.labels.push_back(std::move(*label));
            }
        }
    }
    return outline;
}

CellRowStream::CellRowStream(const MapSource& source, const RenderOptions& options, int length)
    : length_(static_cast<std::size_t>(length)) {
    int height = 0;
    base_ = openAtGrids(source, height);
    if (base_ && options.section == RenderSection::SecondGrid) {
        skipLines(*base_, height);
    }
    if (options.section == RenderSection::Layer) {
        overlay_ = openAtGrids(source, height);
        if (overlay_) {
            skipLines(*overlay_, 2 * height);
            if (!findLayer(*overlay_, height, options.layer)) {
                overlay_.reset();  // the map has no such layer: the grid alone
            }
        }
    }
}

void CellRowStream::next(std::string& base, std::string& overlay) {
    // A map that ends early leaves its remaining rows blank.
    const auto take = [this](std::optional<LineReader>& reader, std::string& row) {
        const std::optional<std::string_view> line =
            reader ? reader->readLineHead(length_) : std::nullopt;
        row.assign(line.value_or(std::string_view()));
    };
    take(base_, base);
    take(overlay_, overlay);
}

}  // namespace pw
