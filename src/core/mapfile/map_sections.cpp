// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mapfile/map_sections.h"

namespace pw {

LetterLine MapSections::nextLetter() {
    const std::optional<char> read = reader_->readLetterLine();
    LetterLine line;
    if (!read) {
        letter_ = kEndOfLayers;
        return line;
    }
    line.letter = *read;
    if (isNextLayer(*read, letter_)) {
        line.kind = LetterLine::Kind::Layer;
        letter_ = *read;
        return line;
    }
    line.kind =
        *read == kEndOfLayers ? LetterLine::Kind::EndOfLayers : LetterLine::Kind::OutOfOrder;
    letter_ = kEndOfLayers;
    return line;
}

void MapSections::skipRows(int count) {
    for (int row = 0; row < count; ++row) {
        reader_->skipLine();
    }
}

void MapSections::seekSecondGrid() {
    skipRows(height_);
}

bool MapSections::seekLayer(char wanted) {
    skipRows(2 * height_);
    for (LetterLine line = nextLetter(); line.kind == LetterLine::Kind::Layer;
         line = nextLetter()) {
        if (line.letter == wanted) {
            return true;
        }
        skipRows(height_);
    }
    return false;
}

std::optional<LabelPosition> MapSections::nextLabel() {
    for (;;) {
        LabelPosition label;
        if (!reader_->readFloat(label.x) || !reader_->readFloat(label.y)) {
            if (reader_->atEnd()) {
                return std::nullopt;
            }
            reader_->skipLine();
            continue;
        }
        if (reader_->atEmptyLine() || reader_->atEnd()) {
            reader_->skipLine();  // a label without text is dropped
            continue;
        }
        return label;
    }
}

}  // namespace pw
