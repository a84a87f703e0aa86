// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of picture_messages.h, translated and filled.
#include "render/picture_messages.h"

#include <QString>

#include "core/common/translated_text.h"

namespace pw {
namespace {

constexpr char kContext[] = "PictureMessages";

// A whole number or a decimal as the texts show it, never in the locale's digits: a
// decimal keeps its point where the locale writes a comma.
std::string number(int value) {
    return std::to_string(value);
}
std::string decimal(double value) {
    return QString::number(value).toStdString();
}

}  // namespace

std::string PictureMessages::tooLargeToDraw(const std::string& name, int cellSize) {
    return filled(tr("ERROR: file %1 is too large to draw at %2 pixels per cell"),
                  {name, number(cellSize)});
}

std::string PictureMessages::notEnoughMemoryToDraw(const std::string& name) {
    return filled(tr("ERROR: not enough memory to draw file %1"), {name});
}

std::string PictureMessages::outOfMemory() {
    return filled(tr("out of memory"));
}

std::string PictureMessages::colourOutsidePalette() {
    return filled(tr("a colour outside the picture's palette"));
}

std::string PictureMessages::pictureTooLarge(const std::string& name, int width, int height,
                                             int most, int scale) {
    return filled(tr("ERROR: picture %1 would be %2 by %3 pixels, more than %4; the largest "
                     "scale that fits is %5"),
                  {name, number(width), number(height), number(most), number(scale)});
}

std::string PictureMessages::cellTooLargeForPaper(double cellMm, const std::string& paper) {
    return filled(tr("a cell of %1 mm is too large for %2 paper"), {decimal(cellMm), paper});
}

std::string PictureMessages::tooManySheets(int sheets, int most, double cellMm) {
    return filled(tr("the map takes %1 sheets at %2 mm a cell, more than %3: choose smaller "
                     "cells (--cell-mm)"),
                  {number(sheets), decimal(cellMm), number(most)});
}

std::string PictureMessages::printerNotReady() {
    return filled(tr("the printer did not take the sheets"));
}

std::string PictureMessages::overviewCaption(const std::string& name, int length, int height,
                                             int sheets, int across, int down, int overlap) {
    // Two counts in one sentence: each is its own phrase in its language's plural.
    const std::string sheetCount = filled(
        counted(kContext, sheets, "%n sheet", QT_TRANSLATE_N_NOOP("PictureMessages", "%n sheets")));
    const std::string shared = filled(
        counted(kContext, overlap, "%n cell", QT_TRANSLATE_N_NOOP("PictureMessages", "%n cells")));
    return filled(
        tr("%1: %2 by %3 cells on %4 after this one, %5 across and %6 down "
           "(row,column); neighbours share %7"),
        {name, number(length), number(height), sheetCount, number(across), number(down), shared});
}

std::string PictureMessages::sheetCaption(int row, int rows, int column, int columns,
                                          int firstColumn, int lastColumn, int firstRow,
                                          int lastRow) {
    return filled(tr("Sheet %1,%2 (row %1 of %3, column %2 of %4): cells %5 to %6 across, %7 "
                     "to %8 down"),
                  {number(row), number(column), number(rows), number(columns), number(firstColumn),
                   number(lastColumn), number(firstRow), number(lastRow)});
}

std::string PictureMessages::mapNotReadable() {
    return filled(tr("the map just written cannot be read back"));
}

std::string PictureMessages::notAPictureName() {
    return filled(tr("not a .png or .pdf name"));
}

std::string PictureMessages::legendNotRegular(const std::string& path) {
    return filled(tr("%1 is not a regular file; the built-in colours are used instead"), {path});
}

std::string PictureMessages::legendUnreadable(const std::string& path, const std::string& reason) {
    return filled(tr("%1 cannot be read: %2; the built-in colours are used instead"),
                  {path, reason});
}

std::string PictureMessages::legendCut(const std::string& path, int limitKiB) {
    return filled(tr("%1 is larger than %2 KiB; the lines after its first %2 KiB are left out"),
                  {path, number(limitKiB)});
}

std::string PictureMessages::noLegendToCompare(const std::string& legend) {
    return filled(tr("nothing compared, so no seam is known to meet: there is no %1"), {legend});
}

std::string PictureMessages::noFeatureToCompare(const std::string& legend) {
    return filled(tr("nothing compared, so no seam is known to meet: %1 marks no feature that "
                     "continues across panel edges (a + right after the colour)"),
                  {legend});
}

std::string PictureMessages::seamsChecked(int seams, int mismatches, int failed) {
    std::string text = filled(tr("no seam could be compared"));
    if (seams > 0 && mismatches == 0) {
        const QString compared =
            counted(kContext, seams, "%n seam", QT_TRANSLATE_N_NOOP("PictureMessages", "%n seams"));
        text = filled(tr("%1 compared: every marked feature meets"), {filled(compared)});
    } else if (seams > 0) {
        const QString compared =
            counted(kContext, seams, "%n seam", QT_TRANSLATE_N_NOOP("PictureMessages", "%n seams"));
        const QString apart =
            counted(kContext, mismatches, "%n cell does not meet",
                    QT_TRANSLATE_N_NOOP("PictureMessages", "%n cells do not meet"));
        text = filled(tr("%1 compared: %2"), {filled(compared), filled(apart)});
    }
    if (failed > 0) {
        const QString leftOut =
            counted(kContext, failed, "%n slot cannot be joined",
                    QT_TRANSLATE_N_NOOP("PictureMessages", "%n slots cannot be joined"));
        //: What the seam check found, then the slots it could not join.
        text = filled(tr("%1; %2"), {text, filled(leftOut)});
    }
    return text;
}

}  // namespace pw
