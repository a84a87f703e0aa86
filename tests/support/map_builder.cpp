#include "map_builder.h"

namespace pw::test {

std::string MapBuilder::text() const {
    const std::string eol = "\r\n";
    std::string out = std::to_string(version) + eol + std::to_string(length) + " " +
                      std::to_string(height) + " " + std::to_string(tally) + eol +
                      "0 10 20 30 40 50 60 70 80 90 100 110 120 130 -1" + eol + "0 4" + eol;
    const std::string row(static_cast<std::size_t>(length), fill);
    for (int grid = 0; grid < 2; ++grid) {
        for (int y = 0; y < height; ++y) {
            out += row + eol;
        }
    }
    for (char letter : layers) {
        out += std::string(1, letter) + eol;
        for (int y = 0; y < height; ++y) {
            out += std::string(static_cast<std::size_t>(length), letter) + eol;
        }
    }
    out += "x" + eol;
    for (const std::string& label : labels) {
        out += label + eol;
    }
    return out;
}

}  // namespace pw::test
