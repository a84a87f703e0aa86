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
#include "render/pdf_pages.h"
#include "render/picture_drawer.h"
#include "render/picture_messages.h"
#include "render/png_stream.h"

namespace pw {
namespace {

// A band holds about this many bytes of pixels, whatever the picture's height.
constexpr qint64 kBandBytes = qint64{4} << 20;

int bandRows(const QSize& size, qint64 bytes) {
    const qint64 rowBytes = qint64{size.width()} * 4;
    return static_cast<int>(std::clamp<qint64>(bytes / rowBytes, 1, size.height()));
}

std::optional<Problem> writePng(const MapSource& source, const RenderOptions& options, int dpi,
                                OutputFile& output, const std::string& outputName) {
    const OpenedMap map = openMap(source, options);
    const MapOutline& outline = map.outline;
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
    // Drawing and encoding take turns on two bands: while one band is compressed on a
    // thread of its own, the next is drawn.
    std::array<QImage, 2> bands;
    for (QImage& band : bands) {
        band = QImage(size.width(), bandRows(size, kBandBytes), QImage::Format_RGB32);
        if (band.isNull()) {
            return Problem{PictureMessages::notEnoughMemoryToDraw(source.name)};
        }
    }
    PictureDrawer drawer(map, options);
    PngStream png(output);
    const int dotsPerMeter = dpi > 0 ? static_cast<int>(std::lround(dpi / 0.0254)) : 0;
    // The palette precedes the rows: the colours the outline found room for.
    bool written =
        png.begin(size.width(), size.height(), paletteOf(drawer.colours()), dotsPerMeter);
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
