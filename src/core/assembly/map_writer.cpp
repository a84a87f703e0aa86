// The writing steps of a merge: the output map, streamed line by line.

#include "core/assembly/junction.h"
#include "core/assembly/merge_job.h"
#include "core/mapfile/line_writer.h"
#include "core/mapfile/number_format.h"

namespace pw {
namespace {

constexpr std::string_view kLayerLetters = "abcdefghijklmnopqrstuvw";
constexpr std::string_view kValueListLine = "0 10 20 30 40 50 60 70 80 90 100 110 120 130 -1";

// Layer letters compare as signed 8-bit codes: a byte above 127 sorts below "a".
int letterOrder(char letter) {
    return static_cast<signed char>(letter);
}

}  // namespace

SourceMap& MergeJob::sourceAt(int slotRow, int column) {
    return sources_[static_cast<std::size_t>(slotRow * shape_.columns + column)];
}

char MergeJob::markAt(int slotRow, int column) const {
    return sources_[static_cast<std::size_t>(slotRow * shape_.columns + column)].mark;
}

void MergeJob::writeMap(LineWriter& out) {
    writeHeader(out);
    copyGrid(out);  // first grid
    copyGrid(out);  // second grid
    for (SourceMap& source : sources_) {
        source.letter = source.reader->readLetterLine();
    }
    writeLayerBlocks(out);
    writeLabels(out);
}

void MergeJob::writeHeader(LineWriter& out) {
    std::uint32_t tally = tally_;
    if (shape_.layout == Layout::Composite) {
        tally += static_cast<std::uint32_t>(shape_.rows * height_ + 2 * length_);
    }
    for (int column = 0; column < shape_.columns; ++column) {
        for (int slotRow = 1; slotRow < shape_.rows; ++slotRow) {
            tally += static_cast<std::uint32_t>(
                junctionTallyAdjustment(markAt(slotRow - 1, column), markAt(slotRow, column)));
        }
    }
    out.writeInt(version_);
    out.endLine();
    out.writeInt(shape_.columns * length_);
    out.write(" ");
    out.writeInt(shape_.rows * height_);
    out.write(" ");
    out.writeInt(static_cast<std::int32_t>(tally));
    out.endLine();
    out.writeLine(kValueListLine);
    out.writeInt(request_.direction);
    out.writeLine(" 4");
}

void MergeJob::copyGrid(LineWriter& out) {
    for (int slotRow = 0; slotRow < shape_.rows; ++slotRow) {
        for (int row = 0; row < height_; ++row) {
            for (int column = 0; column < shape_.columns; ++column) {
                SourceMap& source = sourceAt(slotRow, column);
                std::string_view cells;
                source.reader->readLineView(cells);
                out.write(cells);
            }
            out.endLine();
        }
    }
}

void MergeJob::writeLayerBlocks(LineWriter& out) {
    blank_.assign(static_cast<std::size_t>(length_), ' ');
    for (char letter : kLayerLetters) {
        bool present = false;
        for (const SourceMap& source : sources_) {
            present = present || source.letter == letter;
        }
        if (!present) {
            continue;
        }
        out.writeLine(std::string_view(&letter, 1));
        for (int slotRow = 0; slotRow < shape_.rows; ++slotRow) {
            for (int row = 0; row < height_; ++row) {
                writeLayerRow(out, letter, slotRow, row);
            }
        }
        for (SourceMap& source : sources_) {
            if (source.letter == letter) {
                source.letter = source.reader->readLetterLine();
            }
        }
    }
}

void MergeJob::writeLayerRow(LineWriter& out, char letter, int slotRow, int row) {
    const bool junctionRow = letter == 'b' && (row == 0 || row == height_ - 1);
    bool wroteAny = false;
    for (int column = 0; column < shape_.columns; ++column) {
        SourceMap& source = sourceAt(slotRow, column);
        if (letterOrder(source.letter) > letterOrder(letter)) {
            // The source has no such block; its next one comes later.
            out.write(blank_);
            wroteAny = true;
        } else if (source.letter == letter) {
            std::string_view cells;
            source.reader->readLineView(cells);
            if (junctionRow) {
                row_.assign(cells);  // fixed on a copy of its own
                fixJunctionRow(row_,
                               {slotRow, shape_.rows, row, height_,
                                slotRow > 0 ? markAt(slotRow - 1, column) : ' ', source.mark,
                                slotRow + 1 < shape_.rows ? markAt(slotRow + 1, column) : ' '});
                cells = row_;
            }
            out.write(cells);
            wroteAny = true;
        }
        // A source whose letter sorts below the block's gives nothing for it.
    }
    // Stacked sources write whole lines of their own, so a source with nothing to give
    // leaves no line at all; side-by-side sources share the line, which always ends.
    if (wroteAny || shape_.layout != Layout::TopToBottom) {
        out.endLine();
    }
}

void MergeJob::writeLabels(LineWriter& out) {
    out.writeLine("x");
    for (int slot = 0; slot < shape_.slotCount(); ++slot) {
        SourceMap& source = sources_[static_cast<std::size_t>(slot)];
        if (isTopLeft(slot)) {
            copyLabelsWhole(source, out);
        } else {
            copyLabelsParsed(source, slot, out);
        }
    }
}

void MergeJob::copyLabelsWhole(SourceMap& source, LineWriter& out) {
    std::string_view line;
    while (source.reader->readLineView(line)) {
        if (!line.empty()) {
            out.writeLine(line);
        }
    }
}

void MergeJob::copyLabelsParsed(SourceMap& source, int slot, LineWriter& out) {
    // Stacking moves labels down, laying side by side moves them right; Composite does
    // both and re-adds even an offset of 0.
    const bool shiftX = shape_.layout != Layout::TopToBottom;
    const bool shiftY = shape_.layout != Layout::EndToEnd;
    const auto xOffset = static_cast<float>(shape_.columnOf(slot) * length_);
    const auto yOffset = static_cast<float>(shape_.rowOf(slot) * height_);
    LineReader& reader = *source.reader;
    for (;;) {
        float x = 0.0F;
        float y = 0.0F;
        if (!reader.readFloat(x) || !reader.readFloat(y)) {
            // A line that does not begin with two numbers is passed over.
            if (reader.atEnd()) {
                return;
            }
            reader.skipLine();
            continue;
        }
        std::string_view text;
        reader.readLineView(text);
        if (shiftX) {
            x += xOffset;
        }
        if (shiftY) {
            y += yOffset;
        }
        if (text.empty()) {
            continue;
        }
        out.write(formatLabelNumber(x));
        out.write(" ");
        out.write(formatLabelNumber(y));
        out.writeLine(text);
    }
}

}  // namespace pw
