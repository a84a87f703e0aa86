// SPDX-License-Identifier: GPL-3.0-or-later
// PNG and PDF pictures written band by band and saved safely.
#include "render/picture_file.h"

#include <QFileInfo>
#include <QString>
#include <algorithm>
#include <array>
#include <cmath>
#include <future>

#include "core/common/messages.h"
#include "core/common/path_bytes.h"
#include "render/palette.h"
#include "render/pdf_pages.h"
#include "render/picture_drawer.h"
#include "render/picture_messages.h"
#include "render/png_stream.h"

namespace pw {
namespace {

// A band holds about this many bytes of pixels, whatever the picture's height.
constexpr qint64 kBandBytes = qint64{4} << 20;
// Counting the colours mostly ends early, in the first few rows: its bands are short.
constexpr qint64 kCountingBandBytes = qint64{256} << 10;

int bandRows(const QSize& size, qint64 bytes) {
    const qint64 rowBytes = qint64{size.width()} * 4;
    return static_cast<int>(std::clamp<qint64>(bytes / rowBytes, 1, size.height()));
}

// Draws the whole picture once, a band at a time, handing each band to `take`.
template <class Take>
void drawInBands(PictureDrawer& drawer, QImage& band, Take&& take) {
    const int height = drawer.size().height();
    for (int top = 0; top < height; top += band.height()) {
        const int rows = std::min(band.height(), height - top);
        drawer.drawBand(band, rows);
        if (!take(rows)) {
            return;
        }
    }
}

std::optional<Problem> writePng(const MapSource& source, const RenderOptions& options, int dpi,
                                OutputFile& output, const std::string& outputName) {
    const MapOutline outline = readOutline(source, options);
    if (outline.problem) {
        return outline.problem;
    }
    const int cellSize = std::clamp(options.cellSize, 1, kMaxCellSize);
    const QSize size = PictureDrawer::pictureSize(outline, cellSize);
    if (std::max(size.width(), size.height()) > kMostPictureSide) {
        const QSize cells = PictureDrawer::pictureSize(outline, 1);
        return Problem{PictureMessages::pictureTooLarge(
            outputName, size.width(), size.height(), kMostPictureSide,
            kMostPictureSide / std::max(cells.width(), cells.height()))};
    }
    QImage band(size.width(), bandRows(size, kBandBytes), QImage::Format_RGB32);
    if (band.isNull()) {
        return Problem{PictureMessages::notEnoughMemoryToDraw(source.name)};
    }
    // The palette must precede the rows, so a first drawing counts the colours. Labels
    // are kept to a few shades of their own: that drawing leaves them out and counts those.
    ColourCount colours;
    QImage counted(band.bits(), band.width(), bandRows(size, kCountingBandBytes),
                   band.bytesPerLine(), band.format());
    if (options.labels && options.labelsOnImage) {
        colours.add(shadesOf(kLabelColours));
    }
    {
        RenderOptions unlabelled = options;
        unlabelled.labels = false;
        unlabelled.labelsOnImage = false;
        PictureDrawer counting(source, unlabelled, outline);
        drawInBands(counting, counted, [&](int rows) {
            colours.add(counted, rows);
            return colours.fitsPalette();
        });
    }
    PictureDrawer drawer(source, options, outline);
    PngStream png(output);
    const int dotsPerMeter = dpi > 0 ? static_cast<int>(std::lround(dpi / 0.0254)) : 0;
    bool written =
        png.begin(size.width(), size.height(),
                  colours.fitsPalette() ? colours.colours() : std::vector<QRgb>(), dotsPerMeter);
    // Drawing and encoding take turns on two bands: while one band is compressed on a
    // thread of its own, the next is drawn.
    QImage second(band.size(), band.format());
    if (second.isNull()) {
        return Problem{PictureMessages::notEnoughMemoryToDraw(source.name)};
    }
    std::array<QImage, 2> bands{std::move(band), std::move(second)};
    std::future<bool> encoding;
    for (int top = 0, turn = 0; written && top < size.height(); turn ^= 1) {
        QImage& drawn = bands[static_cast<std::size_t>(turn)];
        const int rows = std::min(drawn.height(), size.height() - top);
        drawer.drawBand(drawn, rows);
        top += rows;
        written = !encoding.valid() || encoding.get();
        if (written) {
            encoding = std::async(std::launch::async,
                                  [&png, &drawn, rows] { return png.writeRows(drawn, rows); });
        }
    }
    written = (!encoding.valid() || encoding.get()) && written;
    if (!written || !png.finish()) {
        return Problem{messages::unableToWrite(outputName, png.error())};
    }
    return std::nullopt;
}

}  // namespace

std::optional<PictureFormat> formatForName(const std::string& path) {
    const QString suffix = QFileInfo(QString::fromStdString(path)).suffix().toLower();
    if (suffix == u"pdf") {
        return PictureFormat::Pdf;
    }
    if (suffix.isEmpty() || suffix == u"png") {
        return PictureFormat::Png;
    }
    return std::nullopt;
}

std::optional<Problem> writePicture(const MapSource& source, const RenderOptions& options,
                                    const PictureFileOptions& file, OutputFile& output,
                                    const std::string& outputName) {
    if (file.format == PictureFormat::Pdf) {
        return writePdf(source, options, file.print, output, outputName);
    }
    return writePng(source, options, file.dpi, output, outputName);
}

std::optional<Problem> savePicture(const MapSource& source, const RenderOptions& options,
                                   const PictureFileOptions& file, const std::string& path,
                                   const OutputOpener& openOutput) {
    const std::string shown = escapedName(path);
    const OpenedOutput opened = openOutput(path);
    if (!opened.file) {
        return Problem{messages::unableToCreate(shown, opened.errorString)};
    }
    if (std::optional<Problem> failed = writePicture(source, options, file, *opened.file, shown)) {
        return failed;
    }
    if (!opened.file->commit()) {
        return Problem{messages::unableToWrite(shown, opened.file->errorString())};
    }
    return std::nullopt;
}

}  // namespace pw
