// SPDX-License-Identifier: GPL-3.0-or-later
// PngStream, the PNG encoder over libpng, and ColourCount, which picks its colour type.
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
// one index per pixel, packed to the fewest bits; otherwise RGB. libpng's own messages
// never reach the terminal: a failure becomes the reason of `error()`.
class PngStream {
  public:
    explicit PngStream(OutputFile& output);
    ~PngStream();
    PngStream(const PngStream&) = delete;
    PngStream& operator=(const PngStream&) = delete;

    // `palette` empty for RGB. `dotsPerMeter` 0 stores no resolution.
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

// The distinct colours of pictures drawn band by band, while there are at most 256.
class ColourCount {
  public:
    void add(const QImage& band, int rows);
    void add(const std::vector<QRgb>& colours);
    bool fitsPalette() const { return !tooMany_; }
    // In the order first seen.
    const std::vector<QRgb>& colours() const { return colours_; }

  private:
    bool insert(QRgb colour);

    std::vector<QRgb> colours_;
    std::vector<std::uint64_t> slots_ = std::vector<std::uint64_t>(1024, 0);  // colour + 1 << 32
    bool tooMany_ = false;
};

}  // namespace pw
