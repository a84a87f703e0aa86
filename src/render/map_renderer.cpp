#include "render/map_renderer.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "core/common/file_path.h"
#include "core/common/messages.h"
#include "core/mapfile/direction.h"
#include "render/cell_rows.h"
#include "render/map_overlays.h"
#include "render/palette.h"

namespace pw {
namespace {

// 256 MiB of pixels at most, whatever the scale asks for.
constexpr qint64 kMaxPixels = qint64{1} << 26;
// Labels beyond this many are read past but not drawn.
constexpr std::size_t kMaxLabels = 10000;

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

class MapStream {
  public:
    MapStream(LineReader& reader, int length) : reader_(reader), length_(length) {}

    // Reads `rows` rows into `cells`, or skips them unread when `cells` is null.
    void block(int rows, CellRows* cells, CellBlend blend) {
        for (int row = 0; row < rows; ++row) {
            if (cells == nullptr) {
                reader_.skipLine();
                continue;
            }
            const std::optional<std::string_view> line =
                reader_.readLineHead(static_cast<std::size_t>(length_));
            if (!line) {
                return;  // a map that ends early leaves its remaining rows blank
            }
            cells->draw(row, *line, blend);
        }
    }

    // Goes through the layer blocks, drawing `shown` (0 for none) over what is there;
    // stops after `shown` when `stopAfterShown`. A letter out of table order ends the
    // layers the way it ends them for a merge: the labels follow.
    bool layers(int rows, char shown, CellRows& cells, bool stopAfterShown) {
        char previous = 0;
        while (const std::optional<char> read = reader_.readLetterLine()) {
            const char letter = *read;
            if (!isNextLayer(letter, previous)) {
                return true;
            }
            previous = letter;
            block(rows, letter == shown ? &cells : nullptr, CellBlend::Overlay);
            if (letter == shown && stopAfterShown) {
                return false;
            }
        }
        return true;
    }

    std::vector<MapLabel> labels() {
        std::vector<MapLabel> labels;
        // Merges copy label lines whole, so a small map may hold long ones; more than a
        // picture can show of a label is passed over.
        constexpr std::size_t limit = 1024;
        while (const std::optional<std::string_view> line = reader_.readLineHead(limit)) {
            if (labels.size() < kMaxLabels) {
                if (std::optional<MapLabel> label = parseLabel(*line)) {
                    labels.push_back(std::move(*label));
                }
            }
        }
        return labels;
    }

  private:
    LineReader& reader_;
    int length_;
};

}  // namespace

RenderResult renderMap(LineReader& reader, const RenderOptions& options, const std::string& name) {
    RenderResult result;
    const HeaderRead read = readHeader(reader, name, kRenderedMapRules);
    if (read.problem) {
        result.problem = read.problem;
        return result;
    }
    const int length = read.header.length;
    const int height = read.header.height;
    result.length = length;
    result.height = height;
    const int cellSize = std::clamp(options.cellSize, 1, kMaxCellSize);
    const qint64 width = qint64{std::max(length, 1)} * cellSize;
    const qint64 tall = qint64{std::max(height, 1)} * cellSize;
    if (width * tall > kMaxPixels) {
        result.problem = Problem{messages::tooLargeToDraw(name, cellSize)};
        return result;
    }
    reader.skipLine();  // the value list line
    // The direction line holds at most 79 characters.
    result.direction = parseDirection(reader.readLineHead(79).value_or(std::string_view()));

    QImage image(static_cast<int>(width), static_cast<int>(tall), QImage::Format_RGB32);
    if (image.isNull()) {
        result.problem = Problem{messages::notEnoughMemoryToDraw(name)};
        return result;
    }
    image.fill(kBackgroundColour);
    const std::array<QRgb, 256> colours =
        options.legend ? options.legend->colourTable() : builtInPalette();
    CellRows cells(image, colours, length, cellSize);
    MapStream stream(reader, length);

    const RenderSection section = options.section;
    stream.block(height, section == RenderSection::SecondGrid ? nullptr : &cells,
                 section == RenderSection::Layer ? CellBlend::Dim : CellBlend::Paint);
    if (section == RenderSection::SecondGrid || options.labels || section == RenderSection::Layer) {
        stream.block(height, section == RenderSection::SecondGrid ? &cells : nullptr,
                     CellBlend::Paint);
    }
    std::vector<MapLabel> labels;
    if (options.labels || section == RenderSection::Layer) {
        const char shown = section == RenderSection::Layer ? options.layer : '\0';
        if (stream.layers(height, shown, cells, !options.labels) && options.labels) {
            labels = stream.labels();
        }
    }

    if (reader.hadError()) {
        result.problem = Problem{messages::unableToRead(name)};
        return result;
    }
    drawSeams(image, options.panelLength, options.panelHeight, cellSize);
    drawHighlights(image, options.highlights, cellSize);
    if (options.labelsOnImage) {
        drawLabels(image, labels, cellSize, options.labelOverlap);
    }
    if (options.compass) {
        drawCompass(image, result.direction);
    }
    result.image = std::move(image);
    result.labels = std::move(labels);
    return result;
}

RenderResult renderMapFile(const std::string& path, const RenderOptions& options) {
    const std::string name = escapedName(path);
    OpenFailure failure = OpenFailure::None;
    std::optional<LineReader> reader = LineReader::open(path, &failure);
    if (!reader) {
        RenderResult result;
        result.problem = Problem{failure == OpenFailure::NameNotUtf8 ? messages::nameNotUtf8(name)
                                                                     : messages::unableToOpen(name)};
        return result;
    }
    return renderMap(*reader, options, name);
}

}  // namespace pw
