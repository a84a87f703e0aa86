// SPDX-License-Identifier: GPL-3.0-or-later
// A map set's legend: each character's colour and meaning.
#pragma once

#include <QByteArrayView>
#include <QRgb>
#include <QString>
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace pw {

// One character of a map set, how it is drawn and what it means.
struct LegendEntry {
    char character = ' ';
    QRgb colour = 0;
    std::string meaning;     // as written, blanks around it left out; may be empty
    bool continues = false;  // a feature that must continue across panel edges
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
// '#'). A character listed twice keeps its first entry. A '+' right after the colour
// marks a feature that must continue across panel edges (roads, water):
//
//     = #7b6a58+ road
//
// Drawing needs only the colours; the meanings name the characters in reports.
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
    // The entry of `character`; nullptr when the legend has none.
    const LegendEntry* entryOf(char character) const;
    // Whether any entry is marked to continue across panel edges.
    bool marksAnyFeature() const;

  private:
    std::vector<LegendEntry> entries_;
};

}  // namespace pw
