// SPDX-License-Identifier: GPL-3.0-or-later
// The legend file read, with the notes on what was left out.
#include "render/legend.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <algorithm>

#include "core/common/path_bytes.h"
#include "core/system/regular_file.h"
#include "core/mapfile/line_reader.h"
#include "render/palette.h"
#include "render/picture_messages.h"

namespace pw {
namespace {

// A hand-written legend is small; anything larger is not one.
constexpr qint64 kMaxLegendBytes = 64 * 1024;

bool isSpace(char c) {
    return c == ' ' || c == '\t';
}

// "C colour meaning": the character, white space, a colour (with '+' right after it for a
// feature that continues across panel edges), then the meaning.
std::optional<LegendEntry> parseLine(QByteArrayView line) {
    if (line.size() < 3 || !isSpace(line[1]) || line[0] == '\t') {
        return std::nullopt;
    }
    qsizetype at = 1;
    while (at < line.size() && isSpace(line[at])) {
        ++at;
    }
    qsizetype colourEnd = at;
    while (colourEnd < line.size() && !isSpace(line[colourEnd])) {
        ++colourEnd;
    }
    // A colour name never ends in '+', so a legend without marks reads as it always did.
    const bool continues = colourEnd - at > 1 && line[colourEnd - 1] == '+';
    const QColor colour = QColor::fromString(
        QLatin1StringView(line.data() + at, colourEnd - at - (continues ? 1 : 0)));
    if (!colour.isValid()) {
        return std::nullopt;
    }
    const QByteArrayView meaning = line.sliced(colourEnd).trimmed();
    return LegendEntry{line[0], colour.rgb(), std::string(meaning.data(), meaning.size()),
                       continues};
}

}  // namespace

Legend Legend::parse(QByteArrayView text) {
    Legend legend;
    LineReader reader = LineReader::fromBytes(text.toByteArray());
    while (std::optional<std::string_view> line = reader.readLineHead(kMaxLegendBytes)) {
        if (reader.atEnd() && line->ends_with('\r')) {
            line->remove_suffix(1);  // a last line may end in CR alone
        }
        const std::optional<LegendEntry> entry =
            parseLine(QByteArrayView(line->data(), static_cast<qsizetype>(line->size())));
        const auto listed = [&entry](const LegendEntry& known) {
            return known.character == entry->character;
        };
        if (entry && std::none_of(legend.entries_.begin(), legend.entries_.end(), listed)) {
            legend.entries_.push_back(*entry);
        }
    }
    return legend;
}

std::optional<Legend> Legend::loadFromFolder(const QString& folder, std::string* note,
                                             const std::string& shownName) {
    const std::string path =
        QFile::encodeName(QDir(folder).filePath(QString::fromLatin1(kFileName))).toStdString();
    const std::string shown = shownName.empty() ? escapedName(path) : shownName;
    std::string said;
    const OpenedFile opened = openRegularFile(path);
    // One byte past the limit tells a legend that is cut from one that ends there.
    QByteArray text = opened.file ? opened.file->read(kMaxLegendBytes + 1) : QByteArray();
    if (opened.failure == OpenFailure::NotRegular) {
        said = PictureMessages::legendNotRegular(shown);
    } else if (opened.failure != OpenFailure::None && opened.failure != OpenFailure::Missing) {
        said = PictureMessages::legendUnreadable(shown, opened.reason);
    } else if (opened.file && opened.file->error() != QFileDevice::NoError) {
        said = PictureMessages::legendUnreadable(shown, opened.file->errorString().toStdString());
    } else if (text.size() > kMaxLegendBytes) {
        said = PictureMessages::legendCut(shown, static_cast<int>(kMaxLegendBytes / 1024));
        // A line cut short could read as another entry ("#aabbcc" cut to "#aab").
        text.truncate(text.lastIndexOf('\n', kMaxLegendBytes - 1) + 1);
    }
    if (note != nullptr) {
        *note = said;
    }
    if (!opened.file || opened.file->error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return parse(text);
}

std::array<QRgb, 256> Legend::colourTable() const {
    std::array<QRgb, 256> table = builtInPalette();
    for (const LegendEntry& entry : entries_) {
        table[static_cast<unsigned char>(entry.character)] = entry.colour;
    }
    return table;
}

const LegendEntry* Legend::entryOf(char character) const {
    const auto found = std::find_if(entries_.begin(), entries_.end(), [character](const auto& e) {
        return e.character == character;
    });
    return found == entries_.end() ? nullptr : &*found;
}

bool Legend::marksAnyFeature() const {
    return std::any_of(entries_.begin(), entries_.end(),
                       [](const LegendEntry& entry) { return entry.continues; });
}

}  // namespace pw
