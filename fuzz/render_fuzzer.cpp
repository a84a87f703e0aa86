// libFuzzer target: the renderer and the cell index on any bytes as a map file. Byte 0
// chooses the options (bits 0-1 section: first grid, second grid, layer, first grid; 2
// labels; 3 two pixels per cell; 4 seams; 5 highlights and the compass mark; 6-7 layer
// letter a to d), the rest is the map. It must give either an image of the map's size or a
// problem, the problem of a header the cell index refuses too; a plain first grid shows
// each cell in the colour of the character the cell index finds there.

#include <QGuiApplication>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "render/cell_index.h"
#include "render/map_renderer.h"
#include "render/palette.h"

namespace {

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "render_fuzzer: broken invariant: %s\n", what);
        std::abort();
    }
}

}  // namespace

// The system's font configuration library keeps its caches past the end of the process.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);  // fonts for the labels
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return -1;
    }
    const QByteArray map(reinterpret_cast<const char*>(data) + 1, static_cast<qsizetype>(size - 1));
    pw::RenderOptions options;
    options.section = static_cast<pw::RenderSection>((data[0] & 3) % 3);
    options.labels = (data[0] & 4) != 0;
    options.cellSize = (data[0] & 8) != 0 ? 2 : 1;
    options.panelLength = options.panelHeight = (data[0] & 16) != 0 ? 3 : 0;
    options.compass = (data[0] & 32) != 0;
    if (options.compass) {
        options.highlights = {QPoint(0, 0), QPoint(7, 1), QPoint(-1, 5), QPoint(5000, 2)};
    }
    options.layer = static_cast<char>('a' + (data[0] >> 6));
    pw::LineReader reader = pw::LineReader::fromBytes(map);
    const pw::RenderResult result = pw::renderMap(reader, options, "input");
    const pw::CellIndex index(map);
    require(result.image.isNull() == result.problem.has_value(), "an image and a problem");
    require(index.isValid() || result.problem, "a map drawn whose header the cell index refuses");
    if (result.problem) {
        require(result.problem->message.starts_with("ERROR"), "a problem not worded as one");
        return 0;
    }
    const QSize expected(std::max(result.length, 1) * options.cellSize,
                         std::max(result.height, 1) * options.cellSize);
    require(result.image.size() == expected, "an image not of the map's size");
    require(index.length() == result.length && index.height() == result.height,
            "the cell index reads another size");
    if ((data[0] & (3 | 4 | 16 | 32)) != 0) {
        return 0;  // other sections, or something drawn over the cells
    }
    const auto& palette = pw::builtInPalette();
    const auto check = [&](int column, int row) {
        const QRgb shown = result.image.pixel(column * options.cellSize, row * options.cellSize);
        require(shown == palette[static_cast<unsigned char>(index.at(column, row).first)],
                "a cell drawn in another colour than its character's");
    };
    for (int row = 0; row < std::min(result.height, 40); ++row) {
        for (int column = 0; column < std::min(result.length, 40); ++column) {
            check(column, row);
        }
    }
    if (result.length > 0 && result.height > 0) {
        check(result.length - 1, result.height - 1);
    }
    return 0;
}
