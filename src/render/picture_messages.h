// SPDX-License-Identifier: GPL-3.0-or-later
// The texts the pictures of a map tell a person: why one cannot be drawn or written, the
// captions of a printed map, and what the legend and the seam check say.
#pragma once

#include <QCoreApplication>
#include <string>

namespace pw {

// Every text is translated here and filled byte for byte: `name` and `path` come escaped
// (escapedName), `reason` in the system's words. Numbers are written alike in every
// locale, a decimal with a point.
class PictureMessages {
    Q_DECLARE_TR_FUNCTIONS(PictureMessages)

  public:
    // A map that cannot be drawn at its size or in the memory there is.
    static std::string tooLargeToDraw(const std::string& name, int cellSize);
    static std::string notEnoughMemoryToDraw(const std::string& name);
    static std::string outOfMemory();
    // A PNG row holding a colour that the palette written before it lacks.
    static std::string colourOutsidePalette();
    // A PNG picture of more than `most` pixels a side is refused before it is drawn;
    // `scale` is the largest number of pixels per cell that fits.
    static std::string pictureTooLarge(const std::string& name, int width, int height, int most,
                                       int scale);
    // A PDF whose cell does not fit its paper (`paper` as --paper names it), or of more
    // sheets than anyone prints, is refused before a page is written.
    static std::string cellTooLargeForPaper(double cellMm, const std::string& paper);
    static std::string tooManySheets(int sheets, int most, double cellMm);
    static std::string printerNotReady();
    // The captions of a printed map: its overview sheet and each sheet after it.
    static std::string overviewCaption(const std::string& name, int length, int height, int sheets,
                                       int across, int down, int overlap);
    static std::string sheetCaption(int row, int rows, int column, int columns, int firstColumn,
                                    int lastColumn, int firstRow, int lastRow);
    // The map just written cannot be read back to draw it.
    static std::string mapNotReadable();
    // An output whose name's suffix says it is no picture this program writes.
    static std::string notAPictureName();

    // A legend that is no regular file or cannot be read is left out and the built-in
    // palette drawn instead; one larger than `limitKiB` is cut there.
    static std::string legendNotRegular(const std::string& path);
    static std::string legendUnreadable(const std::string& path, const std::string& reason);
    static std::string legendCut(const std::string& path, int limitKiB);

    // The seam check: why it compared nothing, which is no pass (`legend` the legend's
    // path, escaped), and its closing sentence; `failed` counts the slots that cannot be
    // joined (damaged, empty).
    static std::string noLegendToCompare(const std::string& legend);
    static std::string noFeatureToCompare(const std::string& legend);
    static std::string seamsChecked(int seams, int mismatches, int failed);
};

}  // namespace pw
