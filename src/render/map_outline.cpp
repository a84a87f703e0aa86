// SPDX-License-Identifier: GPL-3.0-or-later
// A picture's map read through once: the header, the shown rows' characters, the labels.
#include "render/map_outline.h"

#include <QPoint>
#include <algorithm>
#include <array>
#include <charconv>

#include "core/common/messages.h"
#include "core/common/path_bytes.h"
#include "core/mapfile/direction.h"
#include "core/mapfile/map_format.h"
#include "core/mapfile/map_sections.h"

namespace pw {
namespace {

// Labels beyond this many are neither read nor drawn.
constexpr std::size_t kMaxLabels = 10000;
// Merges copy label lines whole, so a small map may hold long ones; more than a picture
// can show of a label is passed over.
constexpr std::size_t kLabelLimit = 1024;
// The direction line holds at most 79 characters.
constexpr std::size_t kDirectionLimit = 79;

// The direction line starts with the index of the top edge's compass point.
std::optional<Direction> parseDirection(std::string_view line) {
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) {
        line.remove_prefix(1);
    }
    int value = -1;
    const auto [end, ec] = std::from_chars(line.data(), line.data() + line.size(), value);
    return ec == std::errc() ? directionFromIndex(value) : std::nullopt;
}

// The cells of `points` that a picture of `outline` shows (the one cell of a map of none),
// sorted by row, then column.
std::vector<QPoint> shownCellsOf(std::vector<QPoint> points, const MapOutline& outline) {
    const int columns = std::max(outline.length, 1);
    const int rows = std::max(outline.height, 1);
    std::erase_if(points, [&](QPoint cell) {
        return cell.x() < 0 || cell.y() < 0 || cell.x() >= columns || cell.y() >= rows;
    });
    std::sort(points.begin(), points.end(),
              [](QPoint a, QPoint b) { return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x(); });
    return points;
}

// Some cells of the shown rows, met in order as the rows are read, and what they hold.
class CellsMet {
  public:
    CellsMet(std::vector<QPoint> cells, ShownCells& into) : cells_(std::move(cells)), into_(into) {}

    // From the start of a block.
    void restart() { next_ = 0; }
    // The piece of row `row` from `column` on.
    void piece(int row, std::size_t column, std::string_view cells,
               std::bitset<256> ShownCells::*section) {
        for (; next_ < cells_.size() && cells_[next_].y() == row; ++next_) {
            const auto at = static_cast<std::size_t>(cells_[next_].x()) - column;
            if (at >= cells.size()) {
                return;
            }
            (into_.*section)[static_cast<unsigned char>(cells[at])] = true;
        }
    }
    // Row `row` ended after `size` cells: the grid's cells past it are blank.
    void rowEnded(int row, bool grid) {
        for (; next_ < cells_.size() && cells_[next_].y() <= row; ++next_) {
            into_.blankGrid = into_.blankGrid || grid;
        }
    }
    // The cells no row was read for (a map of no rows) are blank.
    void blockEnded() {
        if (next_ < cells_.size()) {
            into_.blankGrid = true;
        }
    }

  private:
    std::vector<QPoint> cells_;
    ShownCells& into_;
    std::size_t next_ = 0;
};

// The walk from the first grid to the labels, as MapSections::seekLabels goes, noting
// where the shown blocks begin and gathering what their rows hold.
class ShownRowsWalk {
  public:
    ShownRowsWalk(MapSections& map, const RenderOptions& options, MapOutline& outline)
        : map_(map),
          options_(options),
          outline_(outline),
          highlighted_(shownCellsOf(options.highlights, outline), outline.shown.highlighted),
          marked_(shownCellsOf(options.seamMarks, outline), outline.shown.marked) {}

    // False when the map is damaged on the way.
    bool toLabels() {
        const int shownGrid = options_.section == RenderSection::SecondGrid ? 1 : 0;
        outline_.shown.all.blankGrid = outline_.length == 0 || outline_.height == 0;
        for (int grid = 0; grid < 2; ++grid) {
            if (grid == shownGrid) {
                outline_.gridRows = map_.position();
            }
            if (!rows(grid == shownGrid ? &ShownCells::grid : nullptr)) {
                return false;
            }
        }
        for (LetterLine line = map_.nextLetter(); line.kind == LetterLine::Kind::Layer;
             line = map_.nextLetter()) {
            const bool shown =
                options_.section == RenderSection::Layer && line.letter == options_.layer;
            if (shown) {
                outline_.layerRows = map_.position();
            }
            if (!rows(shown ? &ShownCells::layer : nullptr)) {
                return false;
            }
        }
        return !map_.damage();
    }

  private:
    // One block's rows; `section` of ShownCells gathers them when shown, else none.
    bool rows(std::bitset<256> ShownCells::*section) {
        if (section == nullptr) {
            for (int row = 0; row < outline_.height; ++row) {
                if (!map_.nextRow([](std::string_view) {})) {
                    return false;
                }
            }
            return true;
        }
        const bool grid = section == &ShownCells::grid;
        std::array<bool, 256> met{};
        highlighted_.restart();
        marked_.restart();
        for (int row = 0; row < outline_.height; ++row) {
            std::size_t column = 0;
            const std::optional<std::size_t> size = map_.nextRow([&](std::string_view cells) {
                for (const char cell : cells) {
                    met[static_cast<unsigned char>(cell)] = true;
                }
                highlighted_.piece(row, column, cells, section);
                marked_.piece(row, column, cells, section);
                column += cells.size();
            });
            if (!size) {
                return false;
            }
            highlighted_.rowEnded(row, grid);
            marked_.rowEnded(row, grid);
            if (grid && *size < static_cast<std::size_t>(outline_.length)) {
                outline_.shown.all.blankGrid = true;
            }
        }
        if (grid) {
            highlighted_.blockEnded();
            marked_.blockEnded();
        }
        for (std::size_t code = 0; code < met.size(); ++code) {
            (outline_.shown.all.*section)[code] = met[code];
        }
        return true;
    }

    MapSections& map_;
    const RenderOptions& options_;
    MapOutline& outline_;
    CellsMet highlighted_;
    CellsMet marked_;
};

}  // namespace

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

OpenedMap openMap(const MapSource& source, const RenderOptions& options) {
    OpenedMap opened{source.name, {}, std::nullopt};
    std::optional<LineReader> reader = source.problem ? std::nullopt : source.open();
    MapOutline& outline = opened.outline;
    if (!reader) {
        outline.problem = source.problem.value_or(Problem{messages::unableToOpen(source.name)});
        return opened;
    }
    outline = readOutlineHeader(*reader, source.name);
    if (outline.problem) {
        return opened;
    }
    // The whole map is read through before anything is drawn: a damaged map is refused
    // as a merge refuses it, whatever the picture shows.
    MapSections map(*reader, outline.length, outline.height);
    if (!ShownRowsWalk(map, options, outline).toLabels()) {
        outline.problem = Problem{map.damageMessage(source.name)};
        return opened;
    }
    while (options.labels && outline.labels.size() < kMaxLabels) {
        const std::optional<LabelPosition> label = map.nextLabel();
        if (!label) {
            break;
        }
        const std::string_view text = map.labelTextHead(kLabelLimit);
        QString shown =
            QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())).trimmed();
        if (!shown.isEmpty()) {  // a text of blanks shows nothing
            outline.labels.push_back({label->x, label->y, std::move(shown)});
        }
    }
    opened.reader = std::move(reader);
    return opened;
}

MapOutline readOutline(const MapSource& source, const RenderOptions& options) {
    return openMap(source, options).outline;
}

}  // namespace pw
