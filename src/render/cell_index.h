// SPDX-License-Identifier: GPL-3.0-or-later
// Every section's character at a cell of a map held in memory.
#pragma once

#include <QByteArray>
#include <string>
#include <vector>

namespace pw {

// What one cell of a map holds in every section.
struct CellContents {
    char first = ' ';
    char second = ' ';
    std::string layerLetters;  // the layers present, in file order
    std::string layerCells;    // the cell in each of them, same order
};

// Looks up single cells of a map held in memory (a preview's joined map), for hover
// tooltips. It keeps the bytes (shared, not copied) and the offset of each row, found in
// one scan; cells past a short row or outside the map read as blanks.
class CellIndex {
  public:
    CellIndex() = default;
    explicit CellIndex(const QByteArray& map);

    // False when the map's version or size line cannot be read or holds an impossible size.
    bool isValid() const { return valid_; }
    int length() const { return length_; }
    int height() const { return height_; }
    const std::string& layerLetters() const { return layerLetters_; }

    CellContents at(int column, int row) const;

  private:
    char cell(std::size_t block, int column, int row) const;

    QByteArray bytes_;
    bool valid_ = false;
    int length_ = 0;
    int height_ = 0;
    std::string layerLetters_;
    // Blocks of `height_` rows: first grid, second grid, then each layer. A row of
    // {offset, size}; rows the file lacks are {0, 0}.
    std::vector<std::pair<qsizetype, qsizetype>> rows_;
};

}  // namespace pw
