// SPDX-License-Identifier: GPL-3.0-or-later
// PngStream, the PNG encoder over libpng, and the palette it is given.
#pragma once

#include <QImage>
#include <QRgb>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace pw {

class OutputFile;

// A PNG file written row by row as the rows are drawn (libpng's row interface), so that
// only a band of rows is ever held. With a palette of at most 256 colours the file holds
// one index per pixel, packed to the fewest bits, and a row holding a colour outside the
// palette is refused; otherwise RGB. libpng's own messages never reach the terminal: a
// failure becomes the reason of `error()`.
class PngStream {
  public:
    explicit PngStream(OutputFile& output);
    ~PngStream();
    PngStream(const PngStream&) = delete;
    PngStream& operator=(const PngStream&) = delete;

    // `palette` (without repeats) empty for RGB. `dotsPerMeter` 0 stores no resolution.
    bool begin(int width, int height, const std::vector<QRgb>& palette, int dotsPerMeter);
    // The first `rows` scanlines of `band` (Format_RGB32, the picture's width); rows past the
    // height given to begin() are left out.
    bool writeRows(const QImage& band, int rows);
    bool finish();
    // Why the last step failed: the output's reason, or the encoder's.
    const std::string& error() const;

    // PNG's own limit on each side, in pixels.
    static constexpr long long kMaxSide = 0x7fffffffLL;

    struct State;  // libpng's structures and what its callbacks need

  private:
    std::unique_ptr<State> state_;
};

// `colours` without repeats, in the order first met: a picture's palette, or none (empty,
// for RGB) when there are more than 256.
std::vector<QRgb> paletteOf(const std::vector<QRgb>& colours);

}  // namespace pw
