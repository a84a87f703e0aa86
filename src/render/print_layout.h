// SPDX-License-Identifier: GPL-3.0-or-later
// Papers, print options and the grid of sheets a printed map is split across.
#pragma once

#include <QRect>
#include <QSizeF>
#include <array>
#include <optional>
#include <string_view>

namespace pw {

enum class Paper { A4, A3, Letter };

// The papers a map is printed on, by the names the command line takes.
struct PaperInfo {
    Paper paper;
    std::string_view name;
    QSizeF portraitMm;
};
inline constexpr std::array<PaperInfo, 3> kPapers{{
    {Paper::A4, "a4", {210, 297}},
    {Paper::A3, "a3", {297, 420}},
    {Paper::Letter, "letter", {215.9, 279.4}},
}};
const PaperInfo& paperInfo(Paper paper);

// How a map is printed: the paper, each cell's side on it, and the resolution of the
// overview's picture (the sheets are shapes and text).
struct PrintOptions {
    Paper paper = Paper::A4;
    double cellMm = 5;
    int dpi = 200;
};
inline constexpr double kMinCellMm = 1;
inline constexpr double kMaxCellMm = 50;
// The white border of every sheet: it holds the crop marks and the sheet's place.
inline constexpr double kMarginMm = 12;
// The most sheets a PDF holds, the overview included: more is a mistake, not a print.
inline constexpr int kMostSheets = 500;
// Neighbouring sheets share about this much of the map, to glue them over each other.
inline constexpr double kOverlapMm = 6;

// A map split across sheets: the orientation that needs fewer sheets (portrait on a tie),
// each sheet as many whole cells as fit inside the margins, neighbouring sheets sharing
// `overlap` cells. The overview sheet comes before these.
struct PageGrid {
    bool landscape = false;
    QSizeF paperMm;       // as the sheet lies
    int cellsAcross = 1;  // on a full sheet
    int cellsDown = 1;
    int overlap = 1;
    int columns = 1;  // sheets across the map
    int rows = 1;

    // The cells that sheet (row, column) shows, in map cells.
    QRect cellsOf(int row, int column, int length, int height) const;
    int sheetCount() const { return rows * columns; }
};

// nullopt when a cell is too large for a sheet of that paper to hold more than the overlap.
std::optional<PageGrid> layoutPages(int length, int height, const PrintOptions& options);
// The same on any paper, `portraitMm` large when it stands upright.
std::optional<PageGrid> layoutOnPaper(int length, int height, QSizeF portraitMm, double cellMm);
// On a sheet of `sheetMm` as it lies (a printer's paper, turned as the user chose).
std::optional<PageGrid> layoutOnSheet(int length, int height, QSizeF sheetMm, double cellMm);

}  // namespace pw
