// SPDX-License-Identifier: GPL-3.0-or-later
// A map file or a map in memory, opened afresh for each reading.
#include "render/map_source.h"

#include "core/common/path_bytes.h"
#include "core/common/messages.h"

namespace pw {

MapSource MapSource::file(const std::string& path) {
    MapSource source{escapedName(path), [path] { return LineReader::open(path); }, {}};
    if (!pathRoundTrips(path)) {
        source.problem = Problem{messages::nameNotUtf8(source.name)};
    }
    return source;
}

MapSource MapSource::bytes(const QByteArray& bytes, std::string name) {
    return {std::move(name), [bytes] { return std::optional(LineReader::fromBytes(bytes)); }, {}};
}

}  // namespace pw
