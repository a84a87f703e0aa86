// SPDX-License-Identifier: GPL-3.0-or-later
// The PNG encoder over libpng and the palette of a picture's colours.
#include "render/png_stream.h"

#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <unordered_set>

#include "core/output/output_file.h"
#include "render/picture_messages.h"

namespace pw {

// Everything libpng touches lives here; libpng reports errors by longjmp, so the calls into
// it sit in small functions that hold no object with a destructor.
struct PngStream::State {
    OutputFile& output;
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::string error;
    bool outputFailed = false;
    bool palette = false;
    // The palette's colours by hash, open addressing: colour + 1 << 32 and its index; at
    // one pixel a cell nearly every pixel is looked up.
    std::vector<std::pair<std::uint64_t, png_byte>> indexOf =
        std::vector<std::pair<std::uint64_t, png_byte>>(1024);
    std::vector<png_byte> indexRow;
    std::vector<png_byte> previousRow;  // as last handed to libpng
    long long rowsWritten = 0;
    long long height = 0;  // the rows the header promised; none past them is written

    explicit State(OutputFile& out) : output(out) {}
};

namespace {

// libpng's error handler: keeps the message and leaves through the jump point.
void onError(png_structp png, png_const_charp message) {
    auto* state = static_cast<PngStream::State*>(png_get_error_ptr(png));
    if (state->error.empty()) {
        state->error = message;
    }
    png_longjmp(png, 1);
}

void onWarning(png_structp, png_const_charp) {}

// A failed write is noted, not thrown: libpng goes on, its bytes are dropped, and the
// caller looks at the note.
void onWrite(png_structp png, png_bytep data, png_size_t size) {
    auto* state = static_cast<PngStream::State*>(png_get_io_ptr(png));
    if (!state->outputFailed && !state->output.write(reinterpret_cast<const char*>(data), size)) {
        state->outputFailed = true;
        state->error = state->output.errorString();
    }
}

void onFlush(png_structp) {}

// libpng keeps the row above only when a filter that needs it is chosen before the first
// row: the rows after may then switch between None and Up.
constexpr int kFirstRowFilters = PNG_FILTER_NONE | PNG_FILTER_UP;

int bitDepthFor(std::size_t colours) {
    return colours <= 2 ? 1 : colours <= 4 ? 2 : colours <= 16 ? 4 : 8;
}

bool writeHeader(PngStream::State& state, int width, int height, const std::vector<QRgb>& palette,
                 int dotsPerMeter) {
    if (setjmp(png_jmpbuf(state.png)) != 0) {
        return false;
    }
    png_set_user_limits(state.png, PngStream::kMaxSide, PngStream::kMaxSide);
    // A row equal to the one above goes out Up-filtered, as zeros; any other row as it is
    // (PngStream::writeRows). Map pictures are runs of a few colours, and at n pixels a cell
    // n - 1 rows of every n repeat the row above: zlib's runs alone find what there is to
    // find, two to three times as fast as its fastest level's search for repeats (measured
    // on the largest joined maps at 1 and 4 pixels a cell: a smaller file where a few
    // characters make the cells, one 5% larger where 50 drawn at random do).
    png_set_compression_level(state.png, 1);
    png_set_compression_strategy(state.png, Z_RLE);
    // Fewer, larger IDAT chunks: fewer writes and checksums.
    png_set_compression_buffer_size(state.png, std::size_t{256} << 10);
    if (palette.empty()) {
        png_set_IHDR(state.png, state.info, static_cast<png_uint_32>(width),
                     static_cast<png_uint_32>(height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_set_filter(state.png, PNG_FILTER_TYPE_BASE, kFirstRowFilters);
    } else {
        std::vector<png_color> entries;
        for (const QRgb colour : palette) {
            entries.push_back({static_cast<png_byte>(qRed(colour)),
                               static_cast<png_byte>(qGreen(colour)),
                               static_cast<png_byte>(qBlue(colour))});
        }
        png_set_IHDR(state.png, state.info, static_cast<png_uint_32>(width),
                     static_cast<png_uint_32>(height), bitDepthFor(palette.size()),
                     PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                     PNG_FILTER_TYPE_DEFAULT);
        png_set_PLTE(state.png, state.info, entries.data(), static_cast<int>(entries.size()));
        png_set_filter(state.png, PNG_FILTER_TYPE_BASE, kFirstRowFilters);
    }
    if (dotsPerMeter > 0) {
        png_set_pHYs(state.png, state.info, static_cast<png_uint_32>(dotsPerMeter),
                     static_cast<png_uint_32>(dotsPerMeter), PNG_RESOLUTION_METER);
    }
    png_write_info(state.png, state.info);
    if (palette.empty()) {
        // Qt's pixels are B, G, R, unused in memory: libpng takes them as they are.
        png_set_bgr(state.png);
        png_set_filler(state.png, 0, PNG_FILLER_AFTER);
    } else {
        png_set_packing(state.png);
    }
    return true;
}

bool writeRow(PngStream::State& state, png_const_bytep row, int filters) {
    if (setjmp(png_jmpbuf(state.png)) != 0) {
        return false;
    }
    png_set_filter(state.png, PNG_FILTER_TYPE_BASE, filters);
    png_write_row(state.png, row);
    return true;
}

bool writeEnd(PngStream::State& state) {
    if (setjmp(png_jmpbuf(state.png)) != 0) {
        return false;
    }
    png_write_end(state.png, nullptr);
    return true;
}

std::size_t slotOf(QRgb colour) {
    return (colour * 2654435761U) & 1023;
}

// A colour's palette index; nullopt for a colour outside the palette.
std::optional<png_byte> indexOf(const PngStream::State& state, QRgb colour) {
    const std::uint64_t key = std::uint64_t{colour} | (std::uint64_t{1} << 32);
    for (std::size_t slot = slotOf(colour); state.indexOf[slot].first != 0;
         slot = (slot + 1) & 1023) {
        if (state.indexOf[slot].first == key) {
            return state.indexOf[slot].second;
        }
    }
    return std::nullopt;
}

// The palette indices of a row of `pixels`; false when one holds a colour outside it.
bool indexRow(PngStream::State& state, const QRgb* pixels) {
    // Runs of one colour are looked up once.
    QRgb last = pixels[0];
    std::optional<png_byte> index = indexOf(state, last);
    for (std::size_t x = 0; x < state.indexRow.size(); ++x) {
        if (pixels[x] != last) {
            last = pixels[x];
            index = indexOf(state, last);
        }
        if (!index) {
            state.error = PictureMessages::colourOutsidePalette();
            return false;
        }
        state.indexRow[x] = *index;
    }
    return true;
}

}  // namespace

PngStream::PngStream(OutputFile& output) : state_(std::make_unique<State>(output)) {
    state_->png = png_create_write_struct(PNG_LIBPNG_VER_STRING, state_.get(), onError, onWarning);
    if (state_->png != nullptr) {
        state_->info = png_create_info_struct(state_->png);
        png_set_write_fn(state_->png, state_.get(), onWrite, onFlush);
    }
}

PngStream::~PngStream() {
    png_destroy_write_struct(&state_->png, &state_->info);
}

const std::string& PngStream::error() const {
    return state_->error;
}

bool PngStream::begin(int width, int height, const std::vector<QRgb>& palette, int dotsPerMeter) {
    if (state_->png == nullptr || state_->info == nullptr) {
        state_->error = PictureMessages::outOfMemory();
        return false;
    }
    state_->palette = !palette.empty();
    for (std::size_t i = 0; i < palette.size(); ++i) {
        std::size_t slot = slotOf(palette[i]);
        while (state_->indexOf[slot].first != 0) {
            slot = (slot + 1) & 1023;
        }
        state_->indexOf[slot] = {std::uint64_t{palette[i]} | (std::uint64_t{1} << 32),
                                 static_cast<png_byte>(i)};
    }
    state_->indexRow.resize(static_cast<std::size_t>(width));
    state_->height = height;
    return writeHeader(*state_, width, height, palette, dotsPerMeter) && !state_->outputFailed;
}

bool PngStream::writeRows(const QImage& band, int rows) {
    // A band may be drawn past the picture's last row: those rows are not the picture's.
    rows = static_cast<int>(std::min<long long>(rows, state_->height - state_->rowsWritten));
    for (int y = 0; y < rows && !state_->outputFailed; ++y) {
        const auto* pixels = reinterpret_cast<const QRgb*>(band.constScanLine(y));
        png_const_bytep row = band.constScanLine(y);
        if (state_->palette) {
            if (!indexRow(*state_, pixels)) {
                return false;
            }
            row = state_->indexRow.data();
        }
        const std::size_t rowBytes =
            state_->palette ? state_->indexRow.size() : state_->indexRow.size() * sizeof(QRgb);
        const bool repeated =
            state_->rowsWritten > 0 && std::memcmp(row, state_->previousRow.data(), rowBytes) == 0;
        if (!repeated) {
            state_->previousRow.assign(row, row + rowBytes);
        }
        const int filters = state_->rowsWritten++ == 0 ? kFirstRowFilters
                            : repeated                 ? PNG_FILTER_UP
                                                       : PNG_FILTER_NONE;
        if (!writeRow(*state_, row, filters)) {
            return false;
        }
    }
    return !state_->outputFailed;
}

bool PngStream::finish() {
    return writeEnd(*state_) && !state_->outputFailed;
}

std::vector<QRgb> paletteOf(const std::vector<QRgb>& colours) {
    std::vector<QRgb> palette;
    std::unordered_set<QRgb> met;
    for (const QRgb colour : colours) {
        if (met.insert(colour).second) {
            palette.push_back(colour);
        }
    }
    return palette.size() <= 256 ? palette : std::vector<QRgb>();
}

}  // namespace pw
