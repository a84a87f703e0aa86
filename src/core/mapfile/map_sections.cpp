// SPDX-License-Identifier: GPL-3.0-or-later
// The one walk through a map's grids, layer blocks and labels.
#include "core/mapfile/map_sections.h"

#include "core/common/messages.h"

namespace pw {

std::optional<std::string_view> MapSections::nextRowCells() {
    row_.clear();
    if (!nextRow([this](std::string_view cells) { row_ += cells; })) {
        return std::nullopt;
    }
    return std::string_view(row_);
}

std::string MapSections::damageMessage(const std::string& name) const {
    if (reader_->hadError()) {
        return messages::unableToRead(name);
    }
    switch (damage_.value_or(MapDamage::EndsEarly)) {
        case MapDamage::LettersOutOfOrder:
            return messages::lettersOutOfOrder(name);
        case MapDamage::RowTooLong:
            return messages::rowTooLong(name);
        case MapDamage::EndsEarly:
            break;
    }
    return messages::endsEarly(name);
}

LetterLine MapSections::nextLetter() {
    // After damage the reader may stand within a row: no letter line is read there.
    const std::optional<char> read = damage_ ? std::nullopt : reader_->readLetterLine();
    LetterLine line;
    if (!read) {
        damage_ = damage_.value_or(MapDamage::EndsEarly);
        letter_ = kEndOfLayers;
        return line;
    }
    line.letter = *read;
    if (isNextLayer(*read, letter_)) {
        line.kind = LetterLine::Kind::Layer;
        letter_ = *read;
        return line;
    }
    if (*read == kEndOfLayers) {
        line.kind = LetterLine::Kind::EndOfLayers;
    } else {
        line.kind = LetterLine::Kind::OutOfOrder;
        damage_ = MapDamage::LettersOutOfOrder;
    }
    letter_ = kEndOfLayers;
    return line;
}

bool MapSections::skipRows(int count) {
    for (int row = 0; row < count; ++row) {
        if (!nextRow([](std::string_view) {})) {
            return false;
        }
    }
    return true;
}

bool MapSections::seekSecondGrid() {
    return skipRows(height_);
}

bool MapSections::seekLayer(char wanted) {
    if (!skipRows(2 * height_)) {
        return false;
    }
    for (LetterLine line = nextLetter(); line.kind == LetterLine::Kind::Layer;
         line = nextLetter()) {
        if (line.letter == wanted) {
            return true;
        }
        if (!skipRows(height_)) {
            return false;
        }
    }
    return false;
}

bool MapSections::seekLabels() {
    seekLayer('\0');
    return !damage_;
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
