#include "render/legend.h"

#include <QColor>
#include <QDir>
#include <QFile>

#include "core/common/file_path.h"
#include "core/common/messages.h"
#include "core/common/regular_file.h"
#include "render/palette.h"

namespace pw {
namespace {

// A hand-written legend is small; anything larger is not one.
constexpr qint64 kMaxLegendBytes = 64 * 1024;

bool isSpace(char c) {
    return c == ' ' || c == '\t';
}

// "C colour meaning": the character, white space, a colour, then the meaning.
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
    const QColor colour = QColor::fromString(QLatin1StringView(line.data() + at, colourEnd - at));
    if (!colour.isValid()) {
        return std::nullopt;
    }
    LegendEntry entry;
    entry.character = line[0];
    entry.colour = colour.rgb();
    entry.meaning = QString::fromLatin1(line.sliced(colourEnd)).trimmed();
    return entry;
}

}  // namespace

Legend Legend::parse(QByteArrayView text) {
    Legend legend;
    bool known[256] = {};
    while (!text.isEmpty()) {
        qsizetype end = text.indexOf('\n');
        if (end < 0) {
            end = text.size();
        }
        QByteArrayView line = text.first(end);
        text = text.sliced(std::min(end + 1, text.size()));
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        const std::optional<LegendEntry> entry = parseLine(line);
        if (entry && !known[static_cast<unsigned char>(entry->character)]) {
            known[static_cast<unsigned char>(entry->character)] = true;
            legend.entries_.push_back(*entry);
        }
    }
    return legend;
}

std::optional<Legend> Legend::loadFromFolder(const QString& folder, std::string* note) {
    const std::string path =
        QFile::encodeName(QDir(folder).filePath(QString::fromLatin1(kFileName))).toStdString();
    const OpenedFile opened = openRegularFile(path);
    if (opened.failure == OpenFailure::NotRegular && note != nullptr) {
        *note = messages::legendNotRegular(escapedName(path));
    }
    if (!opened.file) {
        return std::nullopt;
    }
    const QByteArray text = opened.file->read(kMaxLegendBytes);
    if (opened.file->error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return parse(text);
}

const LegendEntry* Legend::find(char character) const {
    for (const LegendEntry& entry : entries_) {
        if (entry.character == character) {
            return &entry;
        }
    }
    return nullptr;
}

std::array<QRgb, 256> Legend::colourTable() const {
    std::array<QRgb, 256> table = builtInPalette();
    for (const LegendEntry& entry : entries_) {
        table[static_cast<unsigned char>(entry.character)] = entry.colour;
    }
    return table;
}

}  // namespace pw
