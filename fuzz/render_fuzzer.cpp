// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the legend reader, the renderer in bands, the PNG and PDF writers
// (into memory) and the cell index, on any bytes. Bytes 0 to 2 choose the options:
//   byte 0: bits 0-1 section (first grid, second grid, layer, first grid); 2 labels;
//           4 seams; 5 highlights and the compass mark; 6-7 layer letter a to d;
//   byte 1: bits 0-3 pixels per cell less one (1 to 16); 4-7 band height less one;
//   byte 2: bit 0 write a PNG, bit 1 write a PDF; bits 4-7, when not 0, make the output
//           fail after that many times 64 bytes.
// The rest is the map, or a legend, the line "=====" and the map. The whole picture must
// be the map's size or give an "ERROR" problem, a problem whenever the cell index refuses
// the header, and of the size the cell index reads; a plain first grid shows each cell in
// the colour of the character the cell index finds there; the same picture drawn in bands
// must match it pixel for pixel; a PNG written must decode to it; a PDF must hold the
// overview and every sheet; a failing output must give "ERROR: unable to write file".

#include <QGuiApplication>
#include <QImage>
#include <cstdint>
#include <cstdlib>

#include "render/cell_index.h"
#include "render/palette.h"
#include "render/picture_drawer.h"
#include "render/picture_file.h"
#include "test_support.h"

// The system's font configuration library keeps its caches past the end of the process.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);  // fonts for the labels
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) {
        return -1;
    }
    QByteArray map(reinterpret_cast<const char*>(data) + 3, static_cast<qsizetype>(size - 3));
    pw::RenderOptions options;
    const qsizetype split = map.indexOf("\n=====\n");
    if (split >= 0) {
        options.legend = pw::Legend::parse(map.left(split));
        map = map.mid(split + 7);
    }
    options.section = static_cast<pw::RenderSection>((data[0] & 3) % 3);
    options.labels = (data[0] & 4) != 0;
    options.cellSize = 1 + (data[1] & 15);
    options.panelLength = options.panelHeight = (data[0] & 16) != 0 ? 3 : 0;
    options.compass = (data[0] & 32) != 0;
    if (options.compass) {
        options.highlights = {QPoint(0, 0), QPoint(7, 1), QPoint(-1, 5), QPoint(5000, 2)};
    }
    options.layer = static_cast<char>('a' + (data[0] >> 6));
    const pw::MapSource source = pw::MapSource::bytes(map, "input");
    const pw::RenderResult whole = pw::renderMap(source, options);
    const pw::CellIndex index(map);
    check(whole.image.isNull() == whole.problem.has_value());
    check(index.isValid() || whole.problem);
    if (whole.problem) {
        check(whole.problem->message.starts_with("ERROR"));
        return 0;
    }
    const QSize expected(std::max(whole.length, 1) * options.cellSize,
                         std::max(whole.height, 1) * options.cellSize);
    check(whole.image.size() == expected);
    check(index.length() == whole.length && index.height() == whole.height);
    if ((data[0] & (3 | 4 | 16 | 32)) == 0) {  // the first grid, nothing drawn over it
        const std::array<QRgb, 256> colours =
            options.legend ? options.legend->colourTable() : pw::builtInPalette();
        for (int row = 0; row < std::min(whole.height, 40); ++row) {
            for (int column = 0; column < std::min(whole.length, 40); ++column) {
                const auto cell = static_cast<unsigned char>(index.at(column, row).first);
                check(whole.image.pixel(column * options.cellSize, row * options.cellSize) ==
                      colours[cell]);
            }
        }
    }

    // The same picture in bands of another height.
    pw::PictureDrawer drawer(pw::openMap(source, options), options);
    const int bandHeight = 1 + (data[1] >> 4);
    QImage band(expected.width(), bandHeight, QImage::Format_RGB32);
    for (int top = 0; top < expected.height(); top += bandHeight) {
        const int rows = std::min(bandHeight, expected.height() - top);
        drawer.drawBand(band, rows);
        check(band.copy(0, 0, expected.width(), rows) ==
              whole.image.copy(0, top, expected.width(), rows));
    }

    const std::size_t budget =
        (data[2] >> 4) != 0 ? static_cast<std::size_t>(data[2] >> 4) * 64 : SIZE_MAX;
    for (const pw::PictureFormat format : {pw::PictureFormat::Png, pw::PictureFormat::Pdf}) {
        const bool wanted = (data[2] & (format == pw::PictureFormat::Png ? 1 : 2)) != 0;
        if (!wanted || (format == pw::PictureFormat::Pdf && whole.length * whole.height > 4096)) {
            continue;
        }
        pw::test::MemoryOutput output(budget);
        pw::PictureFileOptions file;
        file.format = format;
        file.dpi = 72;
        const std::optional<pw::Problem> failed =
            pw::writePicture(source, options, file, output, "out");
        if (failed) {
            check(budget != SIZE_MAX &&
                  failed->message.starts_with("ERROR: unable to write file out: "));
        } else if (format == pw::PictureFormat::Png) {
            check(QImage::fromData(QByteArray::fromStdString(output.bytes), "PNG")
                      .convertToFormat(QImage::Format_RGB32) == whole.image);
        } else {
            const std::optional<pw::PageGrid> grid =
                pw::layoutPages(whole.length, whole.height, file.print);
            check(output.bytes.starts_with("%PDF") &&
                  output.bytes.find("/Count " + std::to_string(grid->sheetCount() + 1)) !=
                      std::string::npos);
        }
    }
    return 0;
}
