// SPDX-License-Identifier: GPL-3.0-or-later
// A picture's map read for its outline: the header, then through to its labels.
#include "render/map_outline.h"

#include <charconv>

#include "core/common/messages.h"
#include "core/common/path_bytes.h"
#include "core/mapfile/direction.h"
#include "core/mapfile/map_format.h"
#include "core/mapfile/map_sections.h"

namespace pw {
namespace {

// Labels beyond this many are neither read nor drawn.
constexpr std::size_t kMaxLabels = 10000;
// Merges copy label lines whole, so a small map may hold long ones; more than a picture
// can show of a label is passed over.
constexpr std::size_t kLabelLimit = 1024;
// The direction line holds at most 79 characters.
constexpr std::size_t kDirectionLimit = 79;

// The direction line starts with the index of the top edge's compass point.
int parseDirection(std::string_view line) {
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) {
        line.remove_prefix(1);
    }
    int value = -1;
    const auto [end, ec] = std::from_chars(line.data(), line.data() + line.size(), value);
    return ec == std::errc() && value >= 0 && value < std::ssize(kDirectionNames) ? value : -1;
}

}  // namespace

MapOutline readOutlineHeader(LineReader& reader, const std::string& name) {
    MapOutline outline;
    const HeaderRead read = readHeader(reader, name, kRenderedMapRules);
    if (read.problem) {
        outline.problem = read.problem;
        return outline;
    }
    outline.length = read.header.length;
    outline.height = read.header.height;
    reader.skipLine();  // the value list line
    outline.direction =
        parseDirection(reader.readLineHead(kDirectionLimit).value_or(std::string_view()));
    return outline;
}

MapOutline readOutline(const MapSource& source, const RenderOptions& options) {
    std::optional<LineReader> reader = source.problem ? std::nullopt : source.open();
    if (!reader) {
        MapOutline outline;
        outline.problem = source.problem.value_or(Problem{messages::unableToOpen(source.name)});
        return outline;
    }
    MapOutline outline = readOutlineHeader(*reader, source.name);
    if (outline.problem) {
        return outline;
    }
    // The whole map is read through before anything is drawn: a damaged map is refused
    // as a merge refuses it, whatever the picture shows.
    MapSections map(*reader, outline.length, outline.height);
    if (!map.seekLabels()) {
        outline.problem = Problem{map.damageMessage(source.name)};
        return outline;
    }
    while (options.labels && outline.labels.size() < kMaxLabels) {
        const std::optional<LabelPosition> label = map.nextLabel();
        if (!label) {
            break;
        }
        const std::string_view text = map.labelTextHead(kLabelLimit);
        QString shown =
            QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())).trimmed();
        if (!shown.isEmpty()) {  // a text of blanks shows nothing
            outline.labels.push_back({label->x, label->y, std::move(shown)});
        }
    }
    return outline;
}

}  // namespace pw
