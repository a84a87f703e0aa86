#include "render/cell_index.h"

#include <charconv>

#include "render/map_renderer.h"

namespace pw {
namespace {

// Walks a map held in memory line by line, without copying.
class LineScanner {
  public:
    explicit LineScanner(const QByteArray& bytes) : bytes_(bytes) {}

    bool atEnd() const { return at_ >= bytes_.size(); }

    // The next line's offset and size, its line end left out; empty past the end.
    std::pair<qsizetype, qsizetype> next() {
        if (atEnd()) {
            return {0, 0};
        }
        const qsizetype start = at_;
        qsizetype end = bytes_.indexOf('\n', start);
        if (end < 0) {
            end = bytes_.size();
        }
        at_ = end + 1;
        qsizetype size = end - start;
        if (size > 0 && bytes_[end - 1] == '\r') {
            --size;
        }
        return {start, size};
    }

    std::string_view view(std::pair<qsizetype, qsizetype> line) const {
        return {bytes_.constData() + line.first, static_cast<std::size_t>(line.second)};
    }

  private:
    const QByteArray& bytes_;
    qsizetype at_ = 0;
};

bool takeInt(std::string_view& text, int& value) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return ec == std::errc();
}

}  // namespace

CellIndex::CellIndex(const QByteArray& map) : bytes_(map) {
    LineScanner lines(bytes_);
    int version = 0;
    std::string_view header = lines.view(lines.next());
    std::string_view size = lines.view(lines.next());
    if (!takeInt(header, version) || !takeInt(size, length_) || !takeInt(size, height_) ||
        length_ < 0 || length_ > kMaxRenderLength || height_ < 0 || height_ > kMaxRenderHeight) {
        length_ = 0;
        height_ = 0;
        return;
    }
    valid_ = true;
    lines.next();  // the value list line
    lines.next();  // the direction line
    auto addBlock = [&] {
        for (int row = 0; row < height_; ++row) {
            rows_.push_back(lines.next());
        }
    };
    addBlock();
    addBlock();
    // Layer blocks in table order, up to the "x" line or anything out of order.
    char previous = 0;
    while (!lines.atEnd()) {
        const std::string_view line = lines.view(lines.next());
        const char letter = line.empty() ? '\0' : line.front();
        if (letter < 'a' || letter > 'w' || letter <= previous) {
            break;
        }
        previous = letter;
        layerLetters_.push_back(letter);
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
