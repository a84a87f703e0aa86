// SPDX-License-Identifier: GPL-3.0-or-later
// The writer that streams the joined map from its sources, section by section.
#include "core/assembly/map_writer.h"

#include <algorithm>

#include "core/assembly/junction.h"
#include "core/mapfile/line_writer.h"
#include "core/mapfile/map_format.h"
#include "core/mapfile/number_format.h"

namespace pw {

MapWriter::MapWriter(const LayoutShape& shape, std::vector<SourceMap>& sources, int length,
                     int height, LineWriter& out)
    : shape_(shape),
      sources_(sources),
      length_(length),
      height_(height),
      out_(out),
      blank_(static_cast<std::size_t>(length), ' ') {
    maps_.reserve(sources.size());
    for (SourceMap& source : sources) {
        maps_.push_back(source.reader ? std::optional<MapSections>(std::in_place, *source.reader,
                                                                   length, height)
                                      : std::nullopt);
    }
}

char MapWriter::markAt(int slotRow, int column) const {
    if (slotRow < 0 || slotRow >= shape_.rows) {
        return ' ';  // the outer edge: no source there
    }
    return sources_[static_cast<std::size_t>(slotRow * shape_.columns + column)].mark;
}

std::optional<Problem> MapWriter::write(const OutputHeader& header) {
    writeHeader(header);
    std::optional<Problem> problem = copyGrid();  // first grid
    if (!problem) {
        problem = copyGrid();  // second grid
    }
    for (int slot = 0; !problem && slot < shape_.slotCount(); ++slot) {
        problem = readLetter(slot);
    }
    if (!problem) {
        problem = writeLayerBlocks();
    }
    if (!problem) {
        writeLabels();
    }
    return problem;
}

void MapWriter::writeHeader(const OutputHeader& header) {
    out_.writeInt(header.version);
    out_.endLine();
    out_.writeInt(shape_.columns * length_);
    out_.write(" ");
    out_.writeInt(shape_.rows * height_);
    out_.write(" ");
    out_.writeInt(header.tally);
    out_.endLine();
    out_.writeLine(kValueListLine);
    out_.writeInt(header.direction);
    out_.writeLine(" 4");
}

std::optional<Problem> MapWriter::copyGrid() {
    for (int slotRow = 0; slotRow < shape_.rows; ++slotRow) {
        for (int row = 0; row < height_; ++row) {
            for (int column = 0; column < shape_.columns; ++column) {
                if (auto problem = copyRow(slotRow * shape_.columns + column, '\0', row)) {
                    return problem;
                }
            }
            out_.endLine();
        }
    }
    return std::nullopt;
}

std::optional<Problem> MapWriter::writeLayerBlocks() {
    for (char letter : kLayerLetters) {
        if (std::none_of(maps_.begin(), maps_.end(),
                         [letter](const auto& map) { return map && map->letter() == letter; })) {
            continue;
        }
        out_.writeLine(std::string_view(&letter, 1));
        for (int slotRow = 0; slotRow < shape_.rows; ++slotRow) {
            for (int row = 0; row < height_; ++row) {
                for (int column = 0; column < shape_.columns; ++column) {
                    if (auto problem = copyRow(slotRow * shape_.columns + column, letter, row)) {
                        return problem;
                    }
                }
                out_.endLine();
            }
        }
        for (int slot = 0; slot < shape_.slotCount(); ++slot) {
            const std::optional<MapSections>& map = maps_[static_cast<std::size_t>(slot)];
            if (map && map->letter() == letter) {
                if (auto problem = readLetter(slot)) {
                    return problem;
                }
            }
        }
    }
    return std::nullopt;
}

// One source's part of an output row: its next row of a grid (`letter` NUL) or of layer
// block `letter`, or a blank row where it has no such block. A row that another source's
// row follows on the same line is filled to the panel length, so that every source's
// cells keep their columns.
std::optional<Problem> MapWriter::copyRow(int slot, char letter, int row) {
    std::optional<MapSections>& map = maps_[static_cast<std::size_t>(slot)];
    if (!map || (letter != '\0' && map->letter() != letter)) {
        out_.write(blank_);
        return std::nullopt;
    }
    std::size_t size = 0;
    if (letter == 'b' && (row == 0 || row == height_ - 1)) {
        writeJunctionRow(*map, slot, row, size);
    } else {
        const std::optional<std::size_t> copied =
            map->nextRow([this](std::string_view cells) { out_.write(cells); });
        size = copied.value_or(std::string::npos);
    }
    if (size == std::string::npos) {
        return damaged(slot);
    }
    const bool followed = shape_.columnOf(slot) + 1 < shape_.columns;
    if (followed && size < blank_.size()) {
        out_.write(std::string_view(blank_).substr(size));
    }
    return std::nullopt;
}

// A row of layer "b" next to a junction: its first cells are fixed as read, before it
// is filled, and the rest streams through unchanged.
void MapWriter::writeJunctionRow(MapSections& map, int slot, int row, std::size_t& size) {
    const int slotRow = shape_.rowOf(slot);
    const int column = shape_.columnOf(slot);
    head_.clear();
    const auto fixAndWriteHead = [&] {
        const std::string before = fixedCells_ != nullptr ? head_ : std::string();
        fixJunctionRow(head_, {slotRow, shape_.rows, row, height_, markAt(slotRow - 1, column),
                               markAt(slotRow, column), markAt(slotRow + 1, column)});
        for (std::size_t i = 0; fixedCells_ != nullptr && i < head_.size(); ++i) {
            if (head_[i] != before[i]) {
                fixedCells_->push_back(
                    {column * length_ + static_cast<int>(i), slotRow * height_ + row});
            }
        }
        out_.write(head_);
    };
    const std::optional<std::size_t> copied = map.nextRow([&](std::string_view cells) {
        if (head_.size() < kJunctionSpan) {
            const std::size_t taken = std::min(cells.size(), kJunctionSpan - head_.size());
            head_.append(cells.substr(0, taken));
            cells.remove_prefix(taken);
            if (head_.size() == kJunctionSpan) {
                fixAndWriteHead();
            }
        }
        out_.write(cells);
    });
    if (!copied) {
        size = std::string::npos;
        return;
    }
    if (head_.size() < kJunctionSpan) {
        fixAndWriteHead();  // a short row, fixed within its own length
    }
    size = *copied;
}

// The next layer letter line of a source: a table letter that comes after the source's
// previous block, or "x" after its last.
std::optional<Problem> MapWriter::readLetter(int slot) {
    std::optional<MapSections>& map = maps_[static_cast<std::size_t>(slot)];
    if (!map) {
        return std::nullopt;  // an empty panel has no layers
    }
    map->nextLetter();
    return map->damage() ? damaged(slot) : std::nullopt;
}

std::optional<Problem> MapWriter::damaged(int slot) const {
    const std::optional<MapSections>& map = maps_[static_cast<std::size_t>(slot)];
    return Problem{map->damageMessage(sources_[static_cast<std::size_t>(slot)].name), slot};
}

void MapWriter::writeLabels() {
    out_.writeLine(std::string_view(&kEndOfLayers, 1));
    for (int slot = 0; labels_ && slot < shape_.slotCount(); ++slot) {
        std::optional<MapSections>& map = maps_[static_cast<std::size_t>(slot)];
        if (!map) {
            continue;
        }
        if (slot == 0) {
            copyLabelsWhole(*map);
        } else {
            copyLabelsParsed(*map, slot);
        }
    }
}

// The top-left source's labels stand as they are; empty lines are dropped.
void MapWriter::copyLabelsWhole(MapSections& map) {
    while (map.nextLabelLine([this](std::string_view text) { out_.write(text); })) {
        out_.endLine();
    }
}

// Every other source's labels move by the slots to their left and above them; their
// numbers are printed anew even where that move is 0.
void MapWriter::copyLabelsParsed(MapSections& map, int slot) {
    const bool shiftX = shape_.columns > 1;
    const bool shiftY = shape_.rows > 1;
    const auto xOffset = static_cast<float>(shape_.columnOf(slot) * length_);
    const auto yOffset = static_cast<float>(shape_.rowOf(slot) * height_);
    while (std::optional<LabelPosition> label = map.nextLabel()) {
        if (shiftX) {
            label->x += xOffset;
        }
        if (shiftY) {
            label->y += yOffset;
        }
        out_.write(formatLabelNumber(label->x));
        out_.write(" ");
        out_.write(formatLabelNumber(label->y));
        map.labelText([this](std::string_view text) { out_.write(text); });
        out_.endLine();
    }
}

}  // namespace pw
