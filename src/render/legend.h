// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QRgb>
#include <QString>
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace pw {

// One character of a map set and how it is drawn.
struct LegendEntry {
    char character = ' ';
    QRgb colour = 0;
};

// The colours and meanings a map maker wrote for a map set, in a small text file of the
// set's folder. One entry per line, the character first, then a colour, then what the
// character means:
//
//     ^ #8b6d3b hill
//     ~ steelblue water
//
// The colour is #rgb, #rrggbb or a colour name. Any line that does not read so is
// passed over, so comments may start with '#' (a line "# #333333 wall" is the entry of
// '#'). A character listed twice keeps its first entry. The meanings are for the people
// who read the file; drawing needs only the colours.
class Legend {
  public:
    static constexpr const char* kFileName = "legend.txt";

    static Legend parse(QByteArrayView text);
    // Reads `folder`/legend.txt; nullopt when there is none or it cannot be read. One that
    // is not a regular file (a fifo, a device) is never opened. `note` says why a legend
    // that is there was left out, or that one larger than 64 KiB was cut after its last
    // whole line within them; it names the file `shownName`, or its path when that is empty.
    static std::optional<Legend> loadFromFolder(const QString& folder, std::string* note = nullptr,
                                                const std::string& shownName = {});

    // One colour per byte value: the legend's where it has one, the built-in palette
    // elsewhere.
    std::array<QRgb, 256> colourTable() const;

  private:
    std::vector<LegendEntry> entries_;
};

}  // namespace pw
