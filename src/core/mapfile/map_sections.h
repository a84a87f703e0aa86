// SPDX-License-Identifier: GPL-3.0-or-later
// The one walk through a map's grids, layer blocks and labels.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/mapfile/line_reader.h"
#include "core/mapfile/map_format.h"

namespace pw {

// What the line after the second grid, or after a layer block's rows, says.
struct LetterLine {
    enum class Kind {
        Layer,        // the next block in table order: its rows follow
        EndOfLayers,  // "x": the labels follow
        OutOfOrder,   // any other first character (an empty line reads as NUL)
        EndOfFile,    // the map ended before the line
    };
    Kind kind = Kind::EndOfFile;
    char letter = '\0';
};

// What a walk found wrong with a map: the first damage ends its rows.
enum class MapDamage {
    EndsEarly,          // the map ended before a row or a letter line (or its reading failed)
    LettersOutOfOrder,  // a letter line that is neither the next layer nor "x"
    RowTooLong,         // a row holds more than blanks past the map's length
};

// Where a label of a parsed label section stands; its text follows on the same line.
struct LabelPosition {
    float x = 0;
    float y = 0;
};

// The one walk through a map's sections after its four header lines: the first grid, the
// second grid, the layer blocks in table order (a letter line and `height` rows each) and
// the label section. The merge, the pictures, the cell index and the seam check all read
// a map through it. It walks a reader standing at the first grid, a file streamed or a
// map in memory alike, and hands out rows and texts as views of the reader's buffer,
// valid until the next read: no line is ever held whole (nextRowCells keeps one row, at
// most `length` cells). A row holds at most `length` cells: blanks past them are dropped,
// and anything else there damages the map, found without reading the rest of the row.
// Several maps can be walked in step, a row of each at a time; a single section can be
// gone to directly. The reader is the caller's and must outlive the walk.
class MapSections {
  public:
    MapSections(LineReader& reader, int length, int height)
        : reader_(&reader),
          length_(static_cast<std::size_t>(std::max(length, 0))),
          height_(height) {}

    // The next row of a grid or layer block, handed to `sink` (a callable taking
    // std::string_view) in pieces; its size, nullopt when the map is damaged there (see
    // damage()) or was before.
    template <class Sink>
    std::optional<std::size_t> nextRow(Sink&& sink) {
        if (damage_) {
            return std::nullopt;
        }
        const LimitedLine row = reader_->streamLineWithin(length_, std::forward<Sink>(sink));
        switch (row.kind) {
            case LimitedLine::Kind::Line:
                return row.size;
            case LimitedLine::Kind::EndOfFile:
                damage_ = MapDamage::EndsEarly;
                break;
            case LimitedLine::Kind::TooLong:
                damage_ = MapDamage::RowTooLong;
                break;
        }
        return std::nullopt;
    }
    // The cells of the next row, valid until the next read; nullopt as for nextRow.
    std::optional<std::string_view> nextRowCells();

    // The first damage the walk met, if any; the message that names it for `name`
    // (a failed read is told as such).
    std::optional<MapDamage> damage() const { return damage_; }
    std::string damageMessage(const std::string& name) const;

    // Reads the letter line that follows the second grid or a block's rows.
    LetterLine nextLetter();
    // The block whose rows are read now: NUL before the first, "x" once the layers are over.
    char letter() const { return letter_; }

    // From the first grid: to the second grid's rows. The rows passed over are read as
    // rows: false when the map is damaged on the way.
    bool seekSecondGrid();
    // From the first grid: to the rows of layer `wanted` (true), or past the last layer
    // block to the labels when the map has no such layer or is damaged on the way (false).
    bool seekLayer(char wanted);
    // From the first grid: past every row and letter line to the labels, as a merge reads
    // them; false when the map is damaged on the way.
    bool seekLabels();

    // The label section read whole: the next line that is not empty, handed to `sink` in
    // pieces; false at the end of the map.
    template <class Sink>
    bool nextLabelLine(Sink&& sink);
    // The label section parsed: the numbers of the next label with a text, the reader left
    // at its text (take it with labelText or labelTextHead); nullopt at the end of the map.
    // Leading white space, line ends included, is passed over before each number; a line
    // that does not begin with two numbers is passed over, and so is a label with no text.
    std::optional<LabelPosition> nextLabel();
    // The rest of the label's line, the blank after its numbers included, in pieces.
    template <class Sink>
    void labelText(Sink&& sink) {
        reader_->streamLine(std::forward<Sink>(sink));
    }
    // Its first `limit` characters; the rest is passed over.
    std::string_view labelTextHead(std::size_t limit) {
        return reader_->readLineHead(limit).value_or(std::string_view());
    }

    // How many bytes of the map lie before the next read.
    std::uint64_t position() const { return reader_->position(); }

  private:
    bool skipRows(int count);

    LineReader* reader_;
    std::size_t length_;
    int height_;
    char letter_ = '\0';
    std::optional<MapDamage> damage_;
    std::string row_;  // the row nextRowCells() hands out
};

template <class Sink>
bool MapSections::nextLabelLine(Sink&& sink) {
    while (!reader_->atEnd()) {
        if (reader_->atEmptyLine()) {
            reader_->skipLine();
            continue;
        }
        reader_->streamLine(sink);
        return true;
    }
    return false;
}

}  // namespace pw
