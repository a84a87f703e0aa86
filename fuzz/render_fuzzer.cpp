// libFuzzer target: the renderer and the cell index on any bytes as a map file. Byte 0
// chooses the options (bits 0-1 section: first grid, second grid, layer, first grid; 2
// labels; 3 two pixels per cell; 4 seams; 5 highlights; 6-7 layer letter a to d), the rest
// is the map. It must give either an image of the map's size or an "ERROR" text.

#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>

#include "render/cell_index.h"
#include "render/map_renderer.h"

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
    if ((data[0] & 32) != 0) {
        options.highlights = {QPoint(0, 0), QPoint(7, 1), QPoint(-1, 5), QPoint(5000, 2)};
    }
    options.layer = static_cast<char>('a' + (data[0] >> 6));
    pw::LineReader reader = pw::LineReader::fromBytes(map);
    const pw::RenderResult result = pw::renderMap(reader, options, "input");
    const QSize expected(std::max(result.length, 1) * options.cellSize,
                         std::max(result.height, 1) * options.cellSize);
    if (result.error.empty() ? result.image.size() != expected
                             : !result.error.starts_with("ERROR")) {
        std::abort();
    }
    const pw::CellIndex index(map);
    (void)index.at(index.length() - 1, index.height() - 1);
    return 0;
}
