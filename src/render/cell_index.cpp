// SPDX-License-Identifier: GPL-3.0-or-later
// The offset of each row of a map in memory, found in one scan, and its cells looked up.
#include "render/cell_index.h"

#include "core/mapfile/line_reader.h"
#include "core/mapfile/map_sections.h"
#include "render/map_outline.h"

namespace pw {

CellIndex::CellIndex(const QByteArray& map) : bytes_(map) {
    LineReader reader = LineReader::fromBytes(bytes_);
    const MapOutline outline = readOutlineHeader(reader, {});
    if (outline.problem) {
        return;
    }
    valid_ = true;
    length_ = outline.length;
    height_ = outline.height;
    MapSections sections(reader, length_, height_);
    const auto addBlock = [&] {
        for (int row = 0; row < height_; ++row) {
            const auto offset = static_cast<qsizetype>(sections.position());
            const std::optional<std::size_t> size = sections.nextRow([](std::string_view) {});
            rows_.emplace_back(size ? offset : 0, static_cast<qsizetype>(size.value_or(0)));
        }
    };
    addBlock();
    addBlock();
    // Layer blocks up to the "x" line or anything out of order, as the renderer reads them.
    for (LetterLine line = sections.nextLetter(); line.kind == LetterLine::Kind::Layer;
         line = sections.nextLetter()) {
        layerLetters_.push_back(line.letter);
        addBlock();
    }
}

char CellIndex::cell(std::size_t block, int column, int row) const {
    const std::size_t at =
        block * static_cast<std::size_t>(height_) + static_cast<std::size_t>(row);
    const auto [offset, size] = rows_[at];
    return column < size ? bytes_[offset + column] : ' ';
}

CellContents CellIndex::at(int column, int row) const {
    CellContents contents;
    if (!valid_ || column < 0 || row < 0 || column >= length_ || row >= height_) {
        return contents;
    }
    contents.first = cell(0, column, row);
    contents.second = cell(1, column, row);
    contents.layerLetters = layerLetters_;
    for (std::size_t layer = 0; layer < layerLetters_.size(); ++layer) {
        contents.layerCells.push_back(cell(2 + layer, column, row));
    }
    return contents;
}

}  // namespace pw
