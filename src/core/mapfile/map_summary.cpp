// SPDX-License-Identifier: GPL-3.0-or-later
// A map file's header as the slot lists show it, or why it cannot be a source.
#include "core/mapfile/map_summary.h"

#include "core/common/messages.h"
#include "core/mapfile/line_reader.h"

namespace pw {

MapSummary summarizeMap(const std::string& path, const std::string& name) {
    OpenFailure failure = OpenFailure::None;
    std::optional<LineReader> reader = LineReader::open(path, &failure);
    if (!reader) {
        return {{},
                Problem{failure == OpenFailure::NameNotUtf8 ? messages::nameNotUtf8(name)
                                                            : messages::unableToOpen(name)}};
    }
    return readHeader(*reader, name, kSourceRules);
}

}  // namespace pw
